#pragma once

// Every text the user sees, in one place.
namespace zorvel::texts {

// The window's title; a second copy finds the first by its window class, not by this.
inline constexpr const char* kMainCaption = "Zorvel v1.0 - realizat de echipa Zorvel";
inline constexpr const char* kTrayTip = "Zorvel - realizat de echipa Zorvel";
inline constexpr const char* kTrayTipPaused = "Zorvel - pauza";
// Followed by the hour and minute the pause ends, as "14:35".
inline constexpr const char* kTrayTipPausedUntil = "Zorvel - pauza pana la ";
inline constexpr const char* kHomePage = "http://zorvel.example.com/";
inline constexpr const char* kHomePageShown = "zorvel.example.com/";
inline constexpr const char* kHomePageTip = "Vizitati pagina echipei Zorvel !";

inline constexpr const char* kAttention = "Atentie";
inline constexpr const char* kDeleteQuestion = "Sinteti sigur ca doriti stergerea ?";
inline constexpr const char* kAlreadyRunning = "Deja programul a fost lansat !";
// Followed by a line break and the settings file's full path.
inline constexpr const char* kSettingsUnreadable =
    "Fisierul de setari nu a putut fi citit. Programul porneste cu lista goala si nu va "
    "modifica fisierul:";
inline constexpr const char* kSettingsNotSaved = "Setarile nu au putut fi salvate in fisierul";
// After the path, what each button of the failed-save box does; the box shows the system's
// own button names.
inline constexpr const char* kSettingsNotSavedChoices =
    "\n\nTry Again: se incearca din nou salvarea.\n"
    "Continue: programul se inchide fara salvare; fisierul ramane cum era, iar modificarile "
    "facute de la pornire se pierd.\n"
    "Cancel: programul ramane deschis si nu se pierde nimic.";
// Followed by a line break, the record's full path, another line break and the system's reason.
inline constexpr const char* kLogNotMade = "Jurnalul inchiderilor nu a putut fi creat:";
// Followed by a line break and the record's full path.
inline constexpr const char* kLogNotOpened = "Jurnalul inchiderilor nu a putut fi deschis:";
inline constexpr const char* kAutostartNotSet = "Pornirea odata cu Windows nu a putut fi setata.";
inline constexpr const char* kAutostartNotRemoved =
    "Pornirea odata cu Windows nu a putut fi oprita.";
// Asked when an added text holds * or ?; the windows it matches now follow.
inline constexpr const char* kPatternQuestion =
    "Folositi textul ca model ? (* = orice text, ? = un caracter)\n"
    "Da: model. Nu: exact acest titlu.";
inline constexpr const char* kPatternMatchesNone = "Acum nu se potriveste nicio fereastra.";
inline constexpr const char* kPatternMatchesOne = "Acum se potriveste 1 fereastra:";
// Between them, the number of windows.
inline constexpr const char* kPatternMatchesBefore = "Acum se potrivesc ";
inline constexpr const char* kPatternMatchesAfter = " ferestre:";
inline constexpr const char* kPatternTooBroad =
    "Modelul nu a fost adaugat: trebuie sa contina cel putin 3 litere sau cifre la rand "
    "(spatiile, semnele, * si ? intrerup sirul), altfel s-ar potrivi cu aproape orice "
    "fereastra.";

inline constexpr const char* kLabel1 = "&Caption-ul ferestrei cu reclame:";
inline constexpr const char* kAdauga = "&Adauga";
inline constexpr const char* kModifica = "&Modifica";
inline constexpr const char* kSterge = "&Sterge";
inline constexpr const char* kInchide = "&Inchide fereastra";
inline constexpr const char* kStergeLista = "Sterge &lista";
inline constexpr const char* kLabel3 = "&Timpul de verificare:";
inline constexpr const char* kLabel4 = "sec.";
inline constexpr const char* kOnTop = "V";
inline constexpr const char* kNotOnTop = "^";

inline constexpr const char* kTipExit = "Termina programul";
inline constexpr const char* kTipCaption = "Caption-ul ferestrei cu reclame";
inline constexpr const char* kTipAdauga = "Adauga caption-ul in lista";
inline constexpr const char* kTipModifica = "Modifica caption-ul selectat in lista";
inline constexpr const char* kTipSterge = "Sterge caption-ul ferestrei selectate in lista";
inline constexpr const char* kTipList = "Lista ferestrelor de inchis";
inline constexpr const char* kTipMarcaj = "Selecteaza fereastra de inchis";
inline constexpr const char* kTipClose = "Inchide acum fereastra selectata din lista";
inline constexpr const char* kTipStergeLista = "Sterge toata lista";
inline constexpr const char* kTipInterval = "Intervalul de timp de verificare a ferestrelor";
inline constexpr const char* kTipOnTop = "Fereastra always-on-top";

// The list's context menu. The first line counts the entry's closes: "Inchisa de 12 ori,
// ultima data 2026-12-08 10:41".
inline constexpr const char* kMenuClosedBefore = "Inchisa de ";
inline constexpr const char* kMenuClosedOnce = "Inchisa o data";
inline constexpr const char* kMenuClosedAfter = " ori";
inline constexpr const char* kMenuClosedLast = ", ultima data ";
inline constexpr const char* kMenuNeverClosed = "Nicio fereastra inchisa inca";
// Around the program's file name.
inline constexpr const char* kMenuOnlyProgramBefore = "Doar programul \u00AB";
inline constexpr const char* kMenuOnlyProgramAfter = "\u00BB";
inline constexpr const char* kMenuNoProgramSeen = "Doar programul (nicio fereastra vazuta)";

inline constexpr const char* kMenuCloseWindow = "Inchide fereastra";
// Around a button's text.
inline constexpr const char* kMenuPressBefore = "Apasa \u00AB";
inline constexpr const char* kMenuPressAfter = "\u00BB";
// Asked when the picker is released over a push button; around the button's text.
inline constexpr const char* kPickButtonBefore =
    "La fiecare aparitie a ferestrei se apasa butonul \u00AB";
inline constexpr const char* kPickButtonAfter = "\u00BB in loc sa fie inchisa ?";

inline constexpr const char* kMenuPopup = "MenuPopup";
inline constexpr const char* kMenuOpen = "&Open";
inline constexpr const char* kMenuLog = "&Log";
inline constexpr const char* kMenuPause = "&Pause";
inline constexpr const char* kMenuPauseTenMinutes = "For &10 minutes";
inline constexpr const char* kMenuPauseOneHour = "For 1 &hour";
inline constexpr const char* kMenuPauseUntilResumed = "&Until I resume";
inline constexpr const char* kMenuResume = "&Resume";
inline constexpr const char* kMenuStartWithWindows = "&Start with Windows";
inline constexpr const char* kMenuExit = "&Exit";

}  // namespace zorvel::texts
