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

TEST_F(PickerTest, ADeepControlGivesTheTitleOfItsTopWindow) {
    Process targets = openTargets({L"nested:Dialog cu panou"});
    HWND top = targets.waitForWindow("Dialog cu panou");
    ASSERT_NE(top, nullptr);
    HWND panel = FindWindowExW(top, nullptr, L"STATIC", nullptr);
    HWND button = FindWindowExW(panel, nullptr, L"BUTTON", nullptr);
    ASSERT_NE(button, nullptr);
    arm();
    releaseOver(input::centreOf(button));
    EXPECT_TRUE(zorvel.waitForList({"Dialog cu panou"}));
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
