#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "base/Utf.h"
#include "closer/Sweep.h"
#include "fakes/FakeControls.h"
#include "fakes/MemoryStore.h"
#include "settings/ProfileDocument.h"

namespace zorvel {
namespace {

using Items = std::vector<std::string>;

std::string crlfLines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// The file a first start leaves, with the two option values given.
std::string templateWith(const std::string& interval, const std::string& count) {
    return crlfLines({"[OPTIUNI]", ";;;; Optiuni generale ;;;;", " ",
                      "Interval_de_timp=" + interval, "Nr_ferestre=" + count, " ",
                      "[FERESTRE_DE_INCHIS]",
                      ";;;; Caption-ul ferestrelor care trebuie inchise automat ;;;;", " "});
}

std::string utf16Le(const std::string& text) {
    return "\xFF\xFE" + utf::toUtf16LeBytes(utf::toUtf16(text));
}

// One start of the program over the file: the design-time controls, then the load.
struct Start {
    explicit Start(SettingsStore& store) : settings(store, lstCaption, txtTimp, tmrVerifica) {
        txtTimp.onChange = [this] {
            ++changes;
            intervalBox.txtTimp_Change();
        };
        loaded = settings.load();
    }

    fakes::FakeListBox lstCaption;
    fakes::FakeTextBox txtTimp;
    fakes::FakeTimer tmrVerifica;
    IntervalBox intervalBox{txtTimp, tmrVerifica};
    Settings settings;
    bool loaded = false;
    int changes = 0;
};

TEST(SettingsPathTest, OneSeparatorBetweenDirectoryAndName) {
    EXPECT_EQ(settingsPath("C:\\Tools"), "C:\\Tools\\Zorvel.ini");
    EXPECT_EQ(settingsPath("C:\\"), "C:\\Zorvel.ini");
    EXPECT_EQ(settingsPath("C:"), "C:\\Zorvel.ini");
    EXPECT_EQ(settingsPath("\\\\server\\share\\Zorvel"), "\\\\server\\share\\Zorvel\\Zorvel.ini");
}

TEST(SettingsTest, WorkedExampleAcrossThreeStarts) {
    fakes::MemoryStore store;

    Start first(store);
    EXPECT_EQ(store.bytes(), templateWith("0", "0"));
    EXPECT_EQ(store.bytes().size(), 168u);
    EXPECT_EQ(first.tmrVerifica.milliseconds, 0);
    EXPECT_EQ(first.txtTimp.value, "0");
    EXPECT_TRUE(first.lstCaption.items.empty());

    first.txtTimp.setText("10");
    first.lstCaption.add("Oferta speciala");
    first.lstCaption.add("Reclama");
    first.settings.save();
    EXPECT_EQ(store.replaces, 1);
    EXPECT_EQ(store.bytes(), templateWith("10", "2") +
                                 crlfLines({"Caption1=Oferta speciala", "Caption2=Reclama"}));

    Start second(store);
    EXPECT_EQ(second.tmrVerifica.milliseconds, 10000);
    EXPECT_EQ(second.txtTimp.value, "10");
    EXPECT_EQ(second.lstCaption.items, (Items{"Oferta speciala", "Reclama"}));

    second.lstCaption.removeAt(0);
    second.settings.save();
    EXPECT_EQ(store.bytes(),
              templateWith("10", "1") + crlfLines({"Caption1=Reclama", "Caption2=Reclama"}));

    Start third(store);
    EXPECT_EQ(third.lstCaption.items, Items{"Reclama"});
}

TEST(SettingsTest, AnExistingFileIsNeverReplacedByTheTemplate) {
    const std::string mine = "[OPTIUNI]\r\nInterval_de_timp=7";
    fakes::MemoryStore store(mine);
    Start run(store);
    EXPECT_EQ(store.bytes(), mine);
    EXPECT_EQ(run.tmrVerifica.milliseconds, 7000);
}

TEST(SettingsTest, AFileThatCannotBeCreatedLeavesTheDesignTimeState) {
    fakes::MemoryStore store;
    store.directoryReadOnly = true;
    Start run(store);
    EXPECT_FALSE(store.exists());
    EXPECT_EQ(store.replaces, 0);
    EXPECT_EQ(run.tmrVerifica.milliseconds, 5000);
    EXPECT_EQ(run.txtTimp.value, "");
    EXPECT_TRUE(run.lstCaption.items.empty());

    run.lstCaption.add("Reclama");
    EXPECT_FALSE(run.settings.save());
    EXPECT_FALSE(store.exists());
}

struct IntervalCase {
    const char* stored;  // nullptr: no such key
    int milliseconds;
    const char* shown;
};

TEST(SettingsTest, IntervalIsTakenOnlyWhenTheTimerCanUseIt) {
    const IntervalCase cases[] = {
        {"0", 0, "0"},         {"32", 32000, "32"}, {"2.5", 2000, "2.5"},  {"3.5", 4000, "3.5"},
        {" 7 ", 7000, "7"},    {"+4", 4000, "+4"},  {"1e1", 10000, "1e1"}, {nullptr, 5000, ""},
        {"33", 5000, ""},      {"-1", 5000, ""},    {"abc", 5000, ""},     {"", 5000, ""},
        {"***5", 5000, ""},    {"32.6", 5000, ""},  {"5 sec", 5000, ""},   {"-33", 5000, ""},
        {"99999999", 5000, ""}};
    for (const IntervalCase& c : cases) {
        const std::string stored = c.stored ? c.stored : "(absent)";
        SCOPED_TRACE(stored);
        fakes::MemoryStore store(c.stored ? "[OPTIUNI]\r\nInterval_de_timp=" + stored + "\r\n"
                                          : "[OPTIUNI]\r\n");
        Start run(store);
        EXPECT_EQ(run.tmrVerifica.milliseconds, c.milliseconds);
        EXPECT_EQ(run.txtTimp.value, c.shown);
        EXPECT_EQ(run.changes, *c.shown ? 1 : 0);
    }
}

struct CountCase {
    const char* stored;  // nullptr: no such key
    Items loaded;
};

TEST(SettingsTest, CountIsReadLenientlyAndLimitsTheKeysRead) {
    const std::string captions =
        crlfLines({"[FERESTRE_DE_INCHIS]", "Caption1=Alfa", "Caption2=Beta", "Caption3=Gama",
                   "Caption4=Delta", "Caption5=Epsilon"});
    const CountCase cases[] = {{nullptr, {}},
                               {"0", {}},
                               {"-2", {}},
                               {"0.4", {}},
                               {"abc", {}},
                               {"***3", {}},
                               {"2", {"Alfa", "Beta"}},
                               {"3abc", {"Alfa", "Beta", "Gama"}},
                               {" 1 . 6", {"Alfa", "Beta"}},
                               {"2.5", {"Alfa", "Beta"}},
                               {"3.5", {"Alfa", "Beta", "Delta", "Gama"}},
                               {"0.6", {"Alfa"}},
                               {"32767", {"Alfa", "Beta", "Delta", "Epsilon", "Gama"}},
                               {"70000", {"Alfa", "Beta", "Delta", "Epsilon", "Gama"}},
                               {"1e300", {"Alfa", "Beta", "Delta", "Epsilon", "Gama"}}};
    for (const CountCase& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "(absent)");
        const std::string count = c.stored ? std::string("Nr_ferestre=") + c.stored + "\r\n" : "";
        fakes::MemoryStore store("[OPTIUNI]\r\n" + count + captions);
        Start run(store);
        EXPECT_EQ(run.lstCaption.items, c.loaded);
    }
}

TEST(SettingsTest, MissingCaptionKeysLeaveNoGapAndAreAddedInKeyOrder) {
    // Entries equal but for case land where the list box's search puts them.
    fakes::MemoryStore store(crlfLines({"[OPTIUNI]", "Nr_ferestre=3", "[FERESTRE_DE_INCHIS]",
                                        "Caption3=Reclama", "Caption1=reclama"}));
    Start run(store);
    EXPECT_EQ(run.lstCaption.items, (Items{"Reclama", "reclama"}));
}

TEST(SettingsTest, EmptyAndBlankCaptionsAreSkippedAndStarredOnesLoad) {
    fakes::MemoryStore store(
        crlfLines({"[OPTIUNI]", "Nr_ferestre=5", "[FERESTRE_DE_INCHIS]", "Caption1=***Reclama",
                   "Caption2=", "Caption3=   ", "Caption4=Oferta", "Caption5=*** "}));
    Start run(store);
    EXPECT_EQ(run.lstCaption.items, (Items{"***", "***Reclama", "Oferta"}));
}

TEST(SettingsTest, ACaptionBeginningWithStarsIsSavedAndLoadedAgain) {
    fakes::MemoryStore store;
    {
        Start run(store);
        run.lstCaption.add("***Reclama");
        run.lstCaption.add("Oferta");
        run.settings.save();
    }
    EXPECT_EQ(store.bytes(),
              templateWith("0", "2") + crlfLines({"Caption1=***Reclama", "Caption2=Oferta"}));
    Start next(store);
    EXPECT_EQ(next.lstCaption.items, (Items{"***Reclama", "Oferta"}));
}

TEST(SettingsTest, LongCaptionsArriveCutTo255Characters) {
    std::string romanian;
    for (int i = 0; i < 300; ++i) {
        romanian += "\xC8\x99";  // ș, two bytes in UTF-8 but one character
    }
    fakes::MemoryStore store;
    {
        Start run(store);
        run.lstCaption.add(std::string(300, 'a'));
        run.lstCaption.add(romanian);
        run.settings.save();
    }
    Start next(store);
    ASSERT_EQ(next.lstCaption.count(), 2);
    EXPECT_EQ(next.lstCaption.item(0), std::string(255, 'a'));
    EXPECT_EQ(next.lstCaption.item(1), romanian.substr(0, 255 * 2));
}

TEST(SettingsTest, DuplicatesAreSavedUnderSeparateKeysAndLoadAgain) {
    fakes::MemoryStore store;
    const Items items{"Reclama", "Reclama", "reclama"};
    {
        Start run(store);
        for (const std::string& item : items) {
            run.lstCaption.add(item);
        }
        run.settings.save();
    }
    Start next(store);
    EXPECT_EQ(next.lstCaption.items, items);
}

TEST(SettingsTest, ALineBreakInATitleCannotWriteLinesOfItsOwn) {
    fakes::MemoryStore store;
    {
        Start run(store);
        run.txtTimp.setText("10");
        run.lstCaption.add("Reclama\r\n[OPTIUNI]\r\nInterval_de_timp=0\nNr_ferestre=9");
        run.settings.save();
    }
    Start next(store);
    EXPECT_EQ(next.tmrVerifica.milliseconds, 10000);
    EXPECT_EQ(next.lstCaption.items, Items{"Reclama  [OPTIUNI]  Interval_de_timp=0 Nr_ferestre=9"});
}

TEST(SettingsTest, SaveRemovesNothingAndKeepsEveryOtherLine) {
    const std::string keys =
        crlfLines({"Caption1=A1", "Caption2=B2", "Caption3=C3", "Caption4=D4", "Caption5=E5"});
    fakes::MemoryStore store(templateWith("3", "5") + keys);
    {
        Start run(store);
        ASSERT_EQ(run.lstCaption.count(), 5);
        run.lstCaption.removeAt(0);
        run.lstCaption.removeAt(0);
        run.lstCaption.removeAt(0);
        run.settings.save();
    }
    EXPECT_EQ(store.bytes(),
              templateWith("3", "2") + crlfLines({"Caption1=D4", "Caption2=E5", "Caption3=C3",
                                                  "Caption4=D4", "Caption5=E5"}));
    {
        Start run(store);
        EXPECT_EQ(run.lstCaption.items, (Items{"D4", "E5"}));
        run.lstCaption.clear();
        run.settings.save();
    }
    EXPECT_EQ(store.bytes(),
              templateWith("3", "0") + crlfLines({"Caption1=D4", "Caption2=E5", "Caption3=C3",
                                                  "Caption4=D4", "Caption5=E5"}));
    Start last(store);
    EXPECT_TRUE(last.lstCaption.items.empty());
}

TEST(SettingsTest, TheTimersIntervalIsSavedInWholeSecondsNotTheText) {
    const struct {
        int milliseconds;
        const char* typed;
        const char* saved;
    } cases[] = {{10000, "abc", "10"}, {2500, "x", "2"}, {999, "", "0"}, {32000, "33", "32"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.milliseconds);
        fakes::MemoryStore store;
        Start run(store);
        run.tmrVerifica.setInterval(c.milliseconds);
        run.txtTimp.setText(c.typed);
        run.settings.save();
        EXPECT_EQ(
            ProfileDocument::parse(store.bytes(), store)->value("OPTIUNI", "Interval_de_timp"),
            c.saved);
    }
}

TEST(SettingsTest, ARomanianCaptionSurvivesARestartAndEveryLineIsKept) {
    const std::string caption = "Fereastr\xC4\x83 cu \xC8\x99i \xC8\x9B";  // ă, ș, ț
    fakes::MemoryStore store;
    {
        Start run(store);
        run.lstCaption.add("Oferta");
        run.settings.save();
    }
    EXPECT_EQ(store.bytes(), templateWith("0", "1") + crlfLines({"Caption1=Oferta"}));
    {
        Start run(store);
        run.lstCaption.add(caption);
        run.settings.save();
    }
    EXPECT_EQ(store.bytes(), utf16Le(templateWith("0", "2") +
                                     crlfLines({"Caption1=" + caption, "Caption2=Oferta"})));
    Start next(store);
    EXPECT_EQ(next.lstCaption.items, (Items{caption, "Oferta"}));
}

struct UnreadableCase {
    const char* name;
    std::string bytes;
    bool readFails;
};

TEST(SettingsTest, AFileThatCannotBeReadLoadsNothingAndIsNeverWritten) {
    const UnreadableCase cases[] = {
        {"binary", std::string("[OPTIUNI]\r\nNr_ferestre=1\0\x01\x02", 27), false},
        {"big-endian UTF-16", std::string("\xFE\xFF\0[\0A\0]", 8), false},
        {"no section, no key", "; doar un comentariu\r\n \r\ntext liber\r\n", false},
        {"cannot be opened", templateWith("3", "0"), true},
    };
    for (const UnreadableCase& c : cases) {
        SCOPED_TRACE(c.name);
        fakes::MemoryStore store(c.bytes);
        store.readFails = c.readFails;
        Start run(store);
        EXPECT_FALSE(run.loaded);
        EXPECT_EQ(run.tmrVerifica.milliseconds, 5000);
        run.lstCaption.add("Reclama");
        EXPECT_TRUE(run.settings.save());
        EXPECT_EQ(store.replaces, 0);
        EXPECT_EQ(store.bytes(), c.bytes);
    }
}

TEST(SettingsTest, AnEmptyFileIsSimplyFilled) {
    fakes::MemoryStore store("");
    Start run(store);
    EXPECT_TRUE(run.loaded);
    run.lstCaption.add("Reclama");
    EXPECT_TRUE(run.settings.save());
    EXPECT_EQ(store.bytes(), crlfLines({"[OPTIUNI]", "Interval_de_timp=5", "Nr_ferestre=1",
                                        "[FERESTRE_DE_INCHIS]", "Caption1=Reclama"}));
}

TEST(SettingsTest, AFailedSaveSaysSoAndLeavesTheFileAsItWas) {
    fakes::MemoryStore store(templateWith("3", "0"));
    Start run(store);
    run.lstCaption.add("Reclama");
    store.directoryReadOnly = true;
    EXPECT_FALSE(run.settings.save());
    EXPECT_EQ(store.bytes(), templateWith("3", "0"));
}

TEST(SettingsTest, FortyThousandCaptionsComeBackExactly) {
    Items captions;
    for (int i = 1; i <= 40000; ++i) {
        captions.push_back("Fereastra " + std::string(5 - std::to_string(i).size(), '0') +
                           std::to_string(i) + (i % 7 == 0 ? " \xC8\x99" : ""));
    }
    fakes::MemoryStore store;
    {
        Start run(store);
        run.lstCaption.items = captions;
        EXPECT_TRUE(run.settings.save());
    }
    Start next(store);
    EXPECT_EQ(next.lstCaption.items, captions);
}

struct ConcurrentCase {
    const char* name;
    std::string onDisk;  // what someone else left in the file while Zorvel ran; empty: deleted
    std::string saved;   // the file after the save
};

// Zorvel starts with Vechi listed, Nou is added, and in the meantime someone edits the file:
// the save takes their edit in, sets Zorvel's keys where writes of each key would, and leaves
// every other line.
TEST(SettingsTest, TheSaveKeepsWhatOthersWroteMeanwhile) {
    const std::string atStart = templateWith("3", "1") + crlfLines({"Caption1=Vechi"});
    const std::string ours = crlfLines({"Caption1=Nou", "Caption2=Vechi"});
    const ConcurrentCase cases[] = {
        {"another section", atStart + crlfLines({"[Alta]", "cheie=valoare"}),
         templateWith("3", "2") + ours + crlfLines({"[Alta]", "cheie=valoare"})},
        {"a comment",
         crlfLines({"; scris de mana", "[OPTIUNI]", ";;;; schimbat ;;;;", "Interval_de_timp=3",
                    "Nr_ferestre=1", "[FERESTRE_DE_INCHIS]", "Caption1=Vechi"}),
         crlfLines({"; scris de mana", "[OPTIUNI]", ";;;; schimbat ;;;;", "Interval_de_timp=3",
                    "Nr_ferestre=2", "[FERESTRE_DE_INCHIS]"}) +
             ours},
        {"Zorvel's own keys, merged first",
         templateWith("20", "9") + crlfLines({"Caption1=De mana", "Caption7=Pastrat"}),
         templateWith("20", "3") + crlfLines({"Caption1=De mana", "Caption7=Pastrat",
                                              "Caption2=Nou", "Caption3=Pastrat"})},
        {"deleted", "", templateWith("3", "2") + ours},
    };
    for (const ConcurrentCase& c : cases) {
        SCOPED_TRACE(c.name);
        fakes::MemoryStore store(atStart);
        Start run(store);
        run.lstCaption.add("Nou");
        if (c.onDisk.empty()) {
            store.remove();
        } else {
            store.put(c.onDisk);
        }
        EXPECT_TRUE(run.settings.save());
        EXPECT_EQ(store.bytes(), c.saved);
    }
}

TEST(SettingsTest, AFileThatBecameUnreadableIsNotWrittenAndTheSaveFails) {
    const UnreadableCase cases[] = {
        {"binary", std::string("[OPTIUNI]\r\nNr_ferestre=1\0\x01\x02", 27), false},
        {"no section, no key", "doar text\r\n", false},
        {"cannot be opened", templateWith("3", "0"), true},
    };
    for (const UnreadableCase& c : cases) {
        SCOPED_TRACE(c.name);
        fakes::MemoryStore store(templateWith("3", "0"));
        Start run(store);
        ASSERT_TRUE(run.loaded);
        run.lstCaption.add("Reclama");
        store.put(c.bytes);
        store.readFails = c.readFails;
        EXPECT_FALSE(run.settings.save());
        EXPECT_EQ(store.replaces, 0);
        EXPECT_EQ(store.bytes(), c.bytes);
    }
}

}  // namespace
}  // namespace zorvel

namespace zorvel {
namespace {

TEST(SettingsPatternTest, PatternsRoundTripInTheirOwnSectionAndCaptionKeysCountOnlyCaptions) {
    fakes::MemoryStore store;
    {
        Start first(store);
        first.lstCaption.add("Reclama");
        first.lstCaption.add("Oferta *", EntryKind::Pattern);
        first.lstCaption.add("Reclama?", EntryKind::Caption);
        first.lstCaption.add("*Promo ?", EntryKind::Pattern);
        first.settings.save();
    }
    EXPECT_EQ(store.bytes(),
              crlfLines({"[OPTIUNI]", ";;;; Optiuni generale ;;;;", " ", "Interval_de_timp=0",
                         "Nr_ferestre=2", " ", "Nr_modele=2", "[FERESTRE_DE_INCHIS]",
                         ";;;; Caption-ul ferestrelor care trebuie inchise "
                         "automat ;;;;",
                         " ", "Caption1=Reclama", "Caption2=Reclama?", "[MODELE_DE_INCHIS]",
                         "Model1=*Promo ?", "Model2=Oferta *"}));
    Start second(store);
    EXPECT_EQ(second.lstCaption.items, (Items{"*Promo ?", "Oferta *", "Reclama", "Reclama?"}));
    EXPECT_EQ(second.lstCaption.kinds(),
              (std::vector<EntryKind>{EntryKind::Pattern, EntryKind::Pattern, EntryKind::Caption,
                                      EntryKind::Caption}));
}

TEST(SettingsPatternTest, AFileWithCaptionsOnlyHasNoPatternsAndGetsNoPatternKeys) {
    const std::string file = templateWith("5", "1") + crlfLines({"Caption1=Reclama*"});
    fakes::MemoryStore store(file);
    Start run(store);
    EXPECT_EQ(run.lstCaption.items, Items{"Reclama*"});
    EXPECT_EQ(run.lstCaption.kind(0), EntryKind::Caption);
    run.settings.save();
    EXPECT_EQ(store.bytes(), file);
}

TEST(SettingsPatternTest, RemovingTheLastPatternCountsNone) {
    fakes::MemoryStore store(templateWith("5", "0") +
                             crlfLines({"[MODELE_DE_INCHIS]", "Model1=Oferta *"}) +
                             "[OPTIUNI]\r\n");
    Start run(store);
    ASSERT_EQ(run.lstCaption.items, Items{});  // no count: none
    fakes::MemoryStore counted(
        crlfLines({"[OPTIUNI]", "Nr_modele=1", "[MODELE_DE_INCHIS]", "Model1=Oferta *"}));
    Start again(counted);
    ASSERT_EQ(again.lstCaption.items, Items{"Oferta *"});
    again.lstCaption.removeAt(0);
    again.settings.save();
    Start after(counted);
    EXPECT_TRUE(after.lstCaption.items.empty());
    EXPECT_NE(counted.bytes().find("Nr_modele=0"), std::string::npos);
}

TEST(SettingsPatternTest, ABroadPatternInTheFileIsNotLoaded) {
    fakes::MemoryStore store(
        crlfLines({"[OPTIUNI]", "Nr_modele=4", "[MODELE_DE_INCHIS]", "Model1=*a*", "Model2=?",
                   "Model3=***Oferta*", "Model4=ab?"}));
    Start run(store);
    EXPECT_EQ(run.lstCaption.items, Items{"***Oferta*"});
    EXPECT_EQ(run.lstCaption.kind(0), EntryKind::Pattern);
}

// What else an entry is travels beside its key and follows it through a save; a key the entry
// no longer has goes, whoever wrote it.
TEST(SettingsEntryKeysTest, KeysBesideAnEntryLoadAndSave) {
    fakes::MemoryStore store(crlfLines({"[OPTIUNI]",
                                        "Nr_ferestre=3",
                                        "Nr_modele=1",
                                        "[FERESTRE_DE_INCHIS]",
                                        "Caption1=Alfa",
                                        "Program1=C:\\Reclame\\reclame.exe",
                                        "Buton1=Nu",
                                        "ButonId1=7",
                                        "Inchise1=12",
                                        "Ultima1=2026-12-08 10:41:07",
                                        "Caption2=Beta",
                                        "Program2=",
                                        "Buton2=Mai tarziu",
                                        "ButonId2=x",
                                        "Inchise2=-3",
                                        "Caption3=Gama",
                                        "Buton3=",
                                        "ButonId3=2",
                                        "[MODELE_DE_INCHIS]",
                                        "Model1=Oferta *",
                                        "Program1=oferte.exe"}));
    Start run(store);
    ASSERT_EQ(run.lstCaption.items, (Items{"Alfa", "Beta", "Gama", "Oferta *"}));
    EXPECT_EQ(run.lstCaption.entry(0),
              (ListEntry{"Alfa", EntryKind::Caption, "reclame.exe", EntryButton{7, "Nu"}, 12,
                         "2026-12-08 10:41:07"}));
    // Not a number: by the text alone; a count below 0 is none.
    EXPECT_EQ(run.lstCaption.entry(1),
              (ListEntry{"Beta", EntryKind::Caption, "", EntryButton{std::nullopt, "Mai tarziu"}}));
    EXPECT_EQ(run.lstCaption.entry(2),
              (ListEntry{"Gama", EntryKind::Caption, "", EntryButton{2, ""}}));
    EXPECT_EQ(run.lstCaption.entry(3), (ListEntry{"Oferta *", EntryKind::Pattern, "oferte.exe"}));

    // Alfa goes: Beta becomes entry 1 and must not inherit Alfa's keys.
    run.lstCaption.removeAt(0);
    run.settings.save();
    Start again(store);
    EXPECT_EQ(again.lstCaption.entry(0),
              (ListEntry{"Beta", EntryKind::Caption, "", EntryButton{std::nullopt, "Mai tarziu"}}));
    EXPECT_EQ(again.lstCaption.entry(1),
              (ListEntry{"Gama", EntryKind::Caption, "", EntryButton{2, ""}}));
    const std::string saved = store.bytes();
    const std::string captions = saved.substr(0, saved.find("[MODELE_DE_INCHIS]"));
    for (const char* gone : {"Program1=", "ButonId1=", "Inchise1=", "Ultima1=", "Program2="}) {
        EXPECT_EQ(captions.find(std::string("\r\n") + gone), std::string::npos) << gone;
    }
    EXPECT_NE(saved.find("\r\nModel1=Oferta *\r\nProgram1=oferte.exe\r\n"), std::string::npos);
}

}  // namespace
}  // namespace zorvel
