#include <windows.h>

#include <gtest/gtest.h>

#include "Support.h"
#include "platform/win32/ControlIds.h"

namespace zorvel::e2e {
namespace {

using namespace zorvel::win32;
using Lines = std::vector<std::string>;

class PickerTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_NE(zorvel.window(), nullptr); }

    // Mouse capture routes input only while Zorvel is in front, where tickByMouse puts it.
    void arm() {
        ASSERT_TRUE(zorvel.tickByMouse(kChkMarcaj));
        ASSERT_TRUE(waitUntil([&] { return zorvel.capture() == zorvel.window(); }));
    }

    void releaseOver(POINT screen) {
        input::moveTo(screen);
        input::buttonDown();
        input::buttonUp();
        ASSERT_TRUE(waitUntil([&] { return !zorvel.checked(kChkMarcaj); }));
        EXPECT_TRUE(waitUntil([&] { return zorvel.capture() == nullptr; }));
        EXPECT_TRUE(zorvel.waitForFocus(kCmdClose));
    }

    // Releases over a push button and answers Zorvel's question about it.
    void answerOver(POINT screen, int answer) {
        input::moveTo(screen);
        input::buttonDown();
        input::buttonUp();
        HWND box = zorvel.waitForMessageBox();
        ASSERT_NE(box, nullptr);
        EXPECT_NE(windowText(GetDlgItem(box, 0xFFFF)).find("se apasa butonul"), std::string::npos);
        SendNotifyMessageW(GetDlgItem(box, answer), BM_CLICK, 0, 0);
        ASSERT_TRUE(waitUntil([&] { return !IsWindow(box); }));
    }

    static POINT titleBarOf(HWND window) {
        RECT frame{};
        GetWindowRect(window, &frame);
        POINT client{0, 0};
        ClientToScreen(window, &client);
        return POINT{(frame.left + frame.right) / 2, (frame.top + client.y) / 2};
    }

    Zorvel zorvel;
};

TEST_F(PickerTest, ReleasingOverATitleBarAddsThatTitle) {
    zorvel.add("Zeta");
    Process targets = openTargets({L"top:Fereastra de ales"});
    HWND target = targets.waitForWindow("Fereastra de ales");
    ASSERT_NE(target, nullptr);
    arm();
    releaseOver(titleBarOf(target));
    EXPECT_TRUE(zorvel.waitForList({"Fereastra de ales", "Zeta"}));
    EXPECT_TRUE(IsWindow(target));
    EXPECT_NE(GetForegroundWindow(), target);
}

// A push button, however deep, asks whether to press it; "No" keeps the plain entry.
TEST_F(PickerTest, ADeepControlGivesTheTitleOfItsTopWindow) {
    Process targets = openTargets({L"nested:Dialog cu panou"});
    HWND top = targets.waitForWindow("Dialog cu panou");
    ASSERT_NE(top, nullptr);
    HWND panel = FindWindowExW(top, nullptr, L"STATIC", nullptr);
    HWND button = FindWindowExW(panel, nullptr, L"BUTTON", nullptr);
    ASSERT_NE(button, nullptr);
    arm();
    answerOver(input::centreOf(button), IDNO);
    EXPECT_TRUE(zorvel.waitForList({"Dialog cu panou"}));
    ASSERT_TRUE(zorvel.exit());
    EXPECT_FALSE(hasLine(settingsLines(zorvel.settingsFile()), "Buton1=Buton adanc"));
}

TEST_F(PickerTest, ReleasingOverAButtonAndAnsweringYesKeepsTheButtonForTheEntry) {
    Process targets = openTargets({L"nag:Actualizare disponibila"});
    HWND nag = targets.waitForWindow("Actualizare disponibila");
    ASSERT_NE(nag, nullptr);
    arm();
    answerOver(input::centreOf(GetDlgItem(nag, IDNO)), IDYES);
    EXPECT_TRUE(zorvel.waitForList({"Actualizare disponibila"}));
    EXPECT_TRUE(IsWindow(nag));  // the pick presses nothing
    ASSERT_TRUE(zorvel.exit());
    EXPECT_TRUE(holdsInOrder(settingsLines(zorvel.settingsFile()),
                             {"Caption1=Actualizare disponibila", "Buton1=Nu", "ButonId1=7"}));
}

TEST_F(PickerTest, AnOwnedPopupGivesItsOwnersTitle) {
    Process targets = openTargets({L"owned:Fereastra proprietar|Dialog detinut"});
    HWND popup = targets.waitForWindow("Dialog detinut");
    ASSERT_NE(popup, nullptr);
    arm();
    releaseOver(input::centreOf(popup));
    EXPECT_TRUE(zorvel.waitForList({"Fereastra proprietar"}));
}

TEST_F(PickerTest, ReleasingOverZorvelItselfAddsNothing) {
    zorvel.add("Singura");
    arm();
    releaseOver(input::centreOf(zorvel.control(kLstCaption)));
    EXPECT_EQ(zorvel.list(), Lines{"Singura"});
}

}  // namespace
}  // namespace zorvel::e2e
