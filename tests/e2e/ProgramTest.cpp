#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Support.h"
#include "platform/win32/ControlIds.h"

namespace zorvel::e2e {
namespace {

using namespace zorvel::win32;

// The helper under another program's name, in the test's own folder.
std::wstring helperAs(const TempDir& dir, const std::wstring& name) {
    const std::wstring copy = dir.file(name);
    CopyFileW(besideDriver(L"zorvel_helper.exe").c_str(), copy.c_str(), FALSE);
    return copy;
}

bool menuOpen() {
    HWND menu = FindWindowW(L"#32768", nullptr);
    return menu != nullptr && IsWindowVisible(menu);
}

// The windows of a listed title are looked at in the order they appear: once the later
// program's windows have closed, the earlier ones were passed over.
TEST(ProgramTest, AnEntryNamingAProgramClosesOnlyThatProgramsWindows) {
    Zorvel zorvel(false);
    ASSERT_TRUE(writeFile(zorvel.settingsFile(),
                          "[OPTIUNI]\r\nInterval_de_timp=30\r\nNr_ferestre=1\r\nNr_modele=1\r\n"
                          "[FERESTRE_DE_INCHIS]\r\nCaption1=Oferta speciala\r\n"
                          "Program1=RECLAME.EXE\r\n[MODELE_DE_INCHIS]\r\nModel1=Promo *\r\n"
                          "Program1=C:\\Ads\\reclame.exe\r\n"));
    zorvel.start();
    ASSERT_TRUE(zorvel.waitForList({"Oferta speciala", "Promo *"}));
    TempDir programs;
    Process other = openTargets({L"top:Oferta speciala", L"top:Promo 1"});
    ASSERT_NE(other.waitForWindow("Promo 1"), nullptr);
    Process ads =
        openTargets({L"top:Oferta speciala", L"top:Promo 2"}, helperAs(programs, L"reclame.exe"));
    EXPECT_TRUE(waitUntil([&] { return ads.windows().empty(); }, 5s));
    EXPECT_EQ(other.windows("Oferta speciala").size(), 1u);
    EXPECT_EQ(other.windows("Promo 1").size(), 1u);
}

TEST(ProgramTest, TheMenuOffersTheProgramOfTheWindowAnEntryClosedAndTickingItIsSaved) {
    Zorvel zorvel;
    ASSERT_NE(zorvel.window(), nullptr);
    zorvel.add("Oferta speciala");
    zorvel.setText(kTxtTimp, "30");
    ASSERT_TRUE(zorvel.waitForList({"Oferta speciala"}));
    TempDir programs;
    Process ads = openTargets({L"top:Oferta speciala"}, helperAs(programs, L"reclame.exe"));
    ASSERT_TRUE(waitUntil([&] { return ads.windows().empty(); }, 5s));

    zorvel.select(0);
    zorvel.focusOn(kLstCaption);
    ASSERT_TRUE(zorvel.waitForFocus(kLstCaption));
    ASSERT_TRUE(zorvel.activate());
    input::chord(VK_SHIFT, VK_F10);
    ASSERT_TRUE(waitUntil(menuOpen));
    // From no selection, Up goes to the last line, "Inchide fereastra"; the program's is the
    // one above it.
    input::press(VK_UP);
    input::press(VK_UP);
    input::press(VK_RETURN);
    ASSERT_TRUE(waitUntil([] { return !menuOpen(); }));
    ASSERT_TRUE(zorvel.exit());
    const std::vector<std::string> saved = settingsLines(zorvel.settingsFile());
    EXPECT_TRUE(
        holdsInOrder(saved, {"Caption1=Oferta speciala", "Program1=reclame.exe", "Inchise1=1"}));
}

}  // namespace
}  // namespace zorvel::e2e
