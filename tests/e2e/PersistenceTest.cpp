#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "Support.h"
#include "base/Texts.h"
#include "base/Utf.h"
#include "platform/win32/ControlIds.h"

namespace zorvel::e2e {
namespace {

using namespace zorvel::win32;
using Lines = std::vector<std::string>;

const char kTemplate[] =
    "[OPTIUNI]\r\n;;;; Optiuni generale ;;;;\r\n \r\nInterval_de_timp=0\r\nNr_ferestre=0\r\n"
    " \r\n[FERESTRE_DE_INCHIS]\r\n;;;; Caption-ul ferestrelor care trebuie inchise automat "
    ";;;;\r\n \r\n";

// A place the fault set-up (faults.sh) prepared, as Wine sees it: Z: is the Unix root.
std::wstring faultPlace(const wchar_t* name) {
    const char* root = std::getenv("ZORVEL_FAULTS");
    if (root == nullptr) {
        return {};
    }
    std::wstring path = L"Z:" + widen(root) + L"/" + name;
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

bool holdsTemporaryFiles(const std::wstring& directory) {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((directory + L"\\*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    FindClose(search);
    return true;
}

HWND answerBox(Zorvel& zorvel, const char* text, int button = IDOK, const char* after = "") {
    HWND box = zorvel.waitForMessageBox();
    if (box != nullptr) {
        EXPECT_TRUE(
            showsText(box, text + std::string("\n") + narrow(zorvel.settingsFile()) + after));
        EXPECT_NE(GetDlgItem(box, button), nullptr);
        SendNotifyMessageW(GetDlgItem(box, button), BM_CLICK, 0, 0);
    }
    return box;
}

// The failed-save box, which says what each of its buttons does, answered with one of them.
HWND answerSaveBox(Zorvel& zorvel, int button) {
    return answerBox(zorvel, texts::kSettingsNotSaved, button, texts::kSettingsNotSavedChoices);
}

// Zorvel started where its save must fail: the exit says so, Cancel keeps Zorvel and its
// list, Continue then ends it at once, and the file stays as it was.
void expectAToldHarmlessFailure(const std::wstring& home) {
    Zorvel zorvel(home);
    const std::string before = readFile(zorvel.settingsFile());
    zorvel.start();
    ASSERT_TRUE(zorvel.waitForList({"Vechi"}));
    zorvel.add("Nou");
    zorvel.click(kCmdExit);
    ASSERT_NE(answerSaveBox(zorvel, IDCANCEL), nullptr);
    EXPECT_TRUE(waitUntil([&] { return zorvel.visible(); }));
    EXPECT_TRUE(zorvel.process().running());
    EXPECT_TRUE(zorvel.waitForList({"Nou", "Vechi"}));
    zorvel.click(kCmdExit);
    ASSERT_NE(answerSaveBox(zorvel, IDCONTINUE), nullptr);
    EXPECT_TRUE(zorvel.process().waitForExit(1s));
    EXPECT_EQ(readFile(zorvel.settingsFile()), before);
    EXPECT_FALSE(holdsTemporaryFiles(home));
}

TEST(PersistenceTest, TryAgainSavesOnceAFileHeldOpenIsReleased) {
    Zorvel zorvel;
    ASSERT_TRUE(waitUntil([&] { return zorvel.text(kTxtTimp) == "0"; }));
    zorvel.add("Pastrat");
    // As a sync client or a scanner holds it: readable, but not to be replaced.
    HANDLE held =
        CreateFileW(zorvel.settingsFile().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    zorvel.click(kCmdExit);
    HWND box = answerSaveBox(zorvel, IDTRYAGAIN);
    ASSERT_NE(box, nullptr);
    // What is tested is Zorvel's own Try Again button, pressed once each time: while the file
    // is held its save fails again and the box must come back; once it is released, the next
    // Try Again saves and ends. Each press is the user's, given once.
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(box); }));
    ASSERT_NE(zorvel.waitForMessageBox(), nullptr);
    CloseHandle(held);
    ASSERT_NE(answerSaveBox(zorvel, IDTRYAGAIN), nullptr);
    EXPECT_TRUE(zorvel.process().waitForExit());
    EXPECT_TRUE(hasLine(settingsLines(zorvel.settingsFile()), "Caption1=Pastrat"));
}

TEST(PersistenceTest, ASaveOverAnImmutableFileLeavesItAndSaysSo) {
    const std::wstring home = faultPlace(L"immutable");
    const std::wstring file = home + L"\\Zorvel.ini";
    HANDLE probe = CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               0, nullptr);
    if (home.empty() || GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES ||
        probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        GTEST_SKIP() << "no immutable Zorvel.ini: faults.sh could not run chattr +i here";
    }
    expectAToldHarmlessFailure(home);
}

TEST(PersistenceTest, ASaveOnAFullDiskLeavesTheFileAndSaysSo) {
    const std::wstring home = faultPlace(L"full");
    ULARGE_INTEGER free{};
    if (home.empty() || !GetDiskFreeSpaceExW(home.c_str(), &free, nullptr, nullptr) ||
        free.QuadPart >= 4096 ||
        GetFileAttributesW((home + L"\\Zorvel.ini").c_str()) == INVALID_FILE_ATTRIBUTES) {
        GTEST_SKIP() << "no full file system: faults.sh could not mount a small tmpfs here";
    }
    expectAToldHarmlessFailure(home);
}

TEST(PersistenceTest, AFileThatIsNoSettingsFileIsToldOnceAndLeftAsItWas) {
    Zorvel zorvel(false);
    std::string binary;
    for (int i = 0; i < 4096; ++i) {
        binary += static_cast<char>(i * 7919 % 251);
    }
    ASSERT_TRUE(writeFile(zorvel.settingsFile(), binary));
    zorvel.launch();
    ASSERT_NE(answerBox(zorvel, texts::kSettingsUnreadable), nullptr);
    ASSERT_TRUE(zorvel.waitForWindow());
    EXPECT_TRUE(zorvel.list().empty());
    zorvel.add("Nou");
    ASSERT_TRUE(zorvel.exit());
    EXPECT_EQ(readFile(zorvel.settingsFile()), binary);
}

TEST(PersistenceTest, AUnicodeFileWithoutAByteOrderMarkIsReadExactly) {
    Zorvel zorvel(false);
    ASSERT_TRUE(
        writeFile(zorvel.settingsFile(),
                  utf::toUtf16LeBytes(u"[OPTIUNI]\r\nInterval_de_timp=3\r\nNr_ferestre=3\r\n"
                                      u"[FERESTRE_DE_INCHIS]\r\nCaption1=Gama\r\n"
                                      u"Caption2=Reclam\u0103\r\nCaption3=Alfa\r\n")));
    zorvel.start();
    const std::string romanian = "Reclam\xC4\x83";
    ASSERT_TRUE(zorvel.waitForList({"Alfa", "Gama", romanian}));
    EXPECT_EQ(zorvel.text(kTxtTimp), "3");
    ASSERT_TRUE(zorvel.exit());
    EXPECT_TRUE(readFile(zorvel.settingsFile()).starts_with("\xFF\xFE"));
    EXPECT_TRUE(holdsInOrder(settingsLines(zorvel.settingsFile()),
                             {"Interval_de_timp=3", "Nr_ferestre=3", "Caption1=Alfa",
                              "Caption2=Gama", "Caption3=" + romanian}));
}

TEST(PersistenceTest, FirstStartCreatesTheTemplateAndStartsWithoutSweeps) {
    Zorvel zorvel;
    ASSERT_NE(zorvel.window(), nullptr);
    ASSERT_TRUE(waitUntil([&] { return zorvel.text(kTxtTimp) == "0"; }));
    EXPECT_EQ(readFile(zorvel.settingsFile()), std::string(kTemplate));
    EXPECT_EQ(std::string(kTemplate).size(), 168u);
    EXPECT_TRUE(zorvel.list().empty());
}

TEST(PersistenceTest, TheListAndTheIntervalSurviveRestarts) {
    Zorvel zorvel;
    ASSERT_TRUE(waitUntil([&] { return zorvel.text(kTxtTimp) == "0"; }));
    zorvel.setText(kTxtTimp, "10");
    zorvel.add("Oferta speciala");
    zorvel.add("Reclama");
    ASSERT_TRUE(zorvel.exit());
    const Lines saved = settingsLines(zorvel.settingsFile());
    EXPECT_TRUE(holdsInOrder(
        saved,
        {"[OPTIUNI]", ";;;; Optiuni generale ;;;;", "Interval_de_timp=10", "Nr_ferestre=2",
         "[FERESTRE_DE_INCHIS]", ";;;; Caption-ul ferestrelor care trebuie inchise automat ;;;;",
         "Caption1=Oferta speciala", "Caption2=Reclama"}))
        << readFile(zorvel.settingsFile());

    zorvel.start();
    ASSERT_TRUE(zorvel.waitForList({"Oferta speciala", "Reclama"}));
    EXPECT_EQ(zorvel.text(kTxtTimp), "10");
    zorvel.select(0);
    zorvel.click(kCmdSterge);
    HWND question = zorvel.waitForMessageBox();
    ASSERT_NE(question, nullptr);
    SendNotifyMessageW(GetDlgItem(question, IDYES), BM_CLICK, 0, 0);
    ASSERT_TRUE(zorvel.waitForList({"Reclama"}));
    ASSERT_TRUE(zorvel.exit());
    const Lines after = settingsLines(zorvel.settingsFile());
    EXPECT_TRUE(holdsInOrder(
        after, {"Interval_de_timp=10", "Nr_ferestre=1", "Caption1=Reclama", "Caption2=Reclama"}));

    zorvel.start();
    EXPECT_TRUE(zorvel.waitForList({"Reclama"}));
}

TEST(PersistenceTest, RomanianCaptionsSurviveASaveAndARestart) {
    const std::string caption =
        "Reclam\xC4\x83 \xC8\x99i ofert\xC4\x83 \xC8\x9B"
        "intit\xC4\x83";  // ă ș ă ț ă
    Zorvel zorvel;
    ASSERT_NE(zorvel.window(), nullptr);
    zorvel.add(caption);
    zorvel.add("Simplu");
    ASSERT_TRUE(zorvel.exit());
    const std::string bytes = readFile(zorvel.settingsFile());
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    EXPECT_TRUE(hasLine(settingsLines(zorvel.settingsFile()), ";;;; Optiuni generale ;;;;"));
    zorvel.start();
    EXPECT_TRUE(zorvel.waitForList({caption, "Simplu"}));
}

TEST(PersistenceTest, AnExistingHiddenFileIsUsedNotReplaced) {
    Zorvel zorvel(false);
    const std::string mine =
        "[OPTIUNI]\r\nInterval_de_timp=7\r\nNr_ferestre=1\r\n"
        "[FERESTRE_DE_INCHIS]\r\nCaption1=Ascuns\r\n";
    ASSERT_TRUE(writeFile(zorvel.settingsFile(), mine));
    SetFileAttributesW(zorvel.settingsFile().c_str(), FILE_ATTRIBUTE_HIDDEN);
    zorvel.start();
    ASSERT_TRUE(zorvel.waitForList({"Ascuns"}));
    EXPECT_EQ(zorvel.text(kTxtTimp), "7");
    ASSERT_TRUE(zorvel.exit());
    EXPECT_TRUE(holdsInOrder(settingsLines(zorvel.settingsFile()),
                             {"Interval_de_timp=7", "Nr_ferestre=1", "Caption1=Ascuns"}));
    SetFileAttributesW(zorvel.settingsFile().c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Wine running as root writes through the read-only attribute at exit; what matters is that
// the file is used as it is, never replaced by the template nor emptied.
TEST(PersistenceTest, AReadOnlyFileIsNeitherOverwrittenNorEmptied) {
    Zorvel zorvel(false);
    const std::string mine =
        "[OPTIUNI]\r\nNr_ferestre=1\r\n[FERESTRE_DE_INCHIS]\r\n"
        "Caption1=Protejat\r\n";
    ASSERT_TRUE(writeFile(zorvel.settingsFile(), mine));
    SetFileAttributesW(zorvel.settingsFile().c_str(), FILE_ATTRIBUTE_READONLY);
    zorvel.start();
    ASSERT_TRUE(zorvel.waitForList({"Protejat"}));
    zorvel.add("Nou");
    ASSERT_TRUE(zorvel.exit());
    const std::string after = readFile(zorvel.settingsFile());
    EXPECT_TRUE(after == mine || hasLine(settingsLines(zorvel.settingsFile()), "Caption2=Protejat"))
        << after;
    SetFileAttributesW(zorvel.settingsFile().c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(PersistenceTest, EndingTheSessionSavesLikeTheExitButton) {
    Zorvel zorvel;
    ASSERT_TRUE(waitUntil([&] { return zorvel.text(kTxtTimp) == "0"; }));
    zorvel.add("Salvat la inchidere");
    zorvel.close();  // hidden in the tray, as a resident program usually is
    ASSERT_TRUE(waitUntil([&] { return !zorvel.visible(); }));
    wchar_t system[MAX_PATH]{};
    GetSystemDirectoryW(system, MAX_PATH);
    Process wineboot(std::wstring(system) + L"\\wineboot.exe", L"--end-session");
    ASSERT_TRUE(wineboot.waitForExit(20s));
    EXPECT_TRUE(waitUntil([&] {
        return hasLine(settingsLines(zorvel.settingsFile()), "Caption1=Salvat la inchidere");
    }));
}

TEST(PersistenceTest, AListedWindowClosesByItselfWithinTheInterval) {
    Zorvel zorvel;
    ASSERT_TRUE(waitUntil([&] { return zorvel.text(kTxtTimp) == "0"; }));
    // Open before they are listed, so that the sweep closes them rather than the watch.
    Process targets = openTargets({L"top:Reclama automata", L"top:Alta fereastra"});
    HWND ad = targets.waitForWindow("Reclama automata");
    HWND other = targets.waitForWindow("Alta fereastra");
    ASSERT_NE(ad, nullptr);
    zorvel.add("Reclama automata");
    zorvel.add("Alta");
    zorvel.select(1);
    zorvel.setText(kTxtTimp, "1");
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(ad); }, 5s));
    EXPECT_TRUE(IsWindow(other));
    EXPECT_EQ(zorvel.list(), (Lines{"Alta", "Reclama automata"}));
    // The tick left the user's selection where it was: the delete question acts on it.
    EXPECT_EQ(zorvel.selection(), 1);
}

TEST(PersistenceTest, ASecondStartWarnsAndBringsTheRunningCopyBack) {
    Zorvel zorvel;
    ASSERT_TRUE(waitUntil([&] { return zorvel.text(kTxtTimp) == "0"; }));
    zorvel.close();
    ASSERT_TRUE(waitUntil([&] { return !zorvel.visible(); }));
    const std::string before = readFile(zorvel.settingsFile());

    Process second(zorvel.dir().file(L"Zorvel.exe"), L"", zorvel.dir().path());
    HWND warning = second.waitForWindow("Atentie");
    ASSERT_NE(warning, nullptr);
    EXPECT_TRUE(showsText(warning, "Deja programul a fost lansat !"));
    SendNotifyMessageW(GetDlgItem(warning, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(second.waitForExit());
    EXPECT_TRUE(waitUntil([&] { return zorvel.visible(); }));
    EXPECT_TRUE(waitUntil([&] { return GetForegroundWindow() == zorvel.window(); }));
    EXPECT_EQ(readFile(zorvel.settingsFile()), before);
    EXPECT_TRUE(zorvel.process().running());
}

TEST(PersistenceTest, TheWindowStartsTopmost) {
    Zorvel zorvel;
    ASSERT_NE(zorvel.window(), nullptr);
    EXPECT_TRUE(waitUntil(
        [&] { return (GetWindowLongW(zorvel.window(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }));
    EXPECT_TRUE(zorvel.checked(kChkOnTop));
    EXPECT_EQ(zorvel.text(kChkOnTop), "V");
}

}  // namespace
}  // namespace zorvel::e2e
