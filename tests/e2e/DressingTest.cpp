#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <functional>

#include "Support.h"
#include "platform/win32/ControlIds.h"

namespace zorvel::e2e {
namespace {

using namespace zorvel::win32;
using Lines = std::vector<std::string>;

// A window not yet painted shows black under Wine, with stray colours, for a while.
bool painted(const ScreenPixels& pixels) {
    bool blue = false;
    for (size_t i = 0; i + 2 < pixels.bits.size(); i += 3) {
        const auto b = static_cast<unsigned char>(pixels.bits[i]);
        const auto g = static_cast<unsigned char>(pixels.bits[i + 1]);
        const auto r = static_cast<unsigned char>(pixels.bits[i + 2]);
        if (b == 0 && g == 0 && r == 0) {
            return false;
        }
        blue = blue || (b > 200 && g == 0 && r == 0);
    }
    return blue;
}

class DressingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The pointer leaves the link, where the last test may have left it, before the
        // window appears: a window that opens under it lights the link up at once, and the
        // test would take that look for the plain one.
        input::moveTo(POINT{0, 0});
        ASSERT_TRUE(waitUntil([] {
            POINT at{};
            return GetCursorPos(&at) && at.x == 0 && at.y == 0;
        }));
        zorvel.start();
        ASSERT_NE(zorvel.window(), nullptr);
    }

    // The link's own pixels: the buttons above it overlap its top row, and own it.
    RECT linkRect() const {
        RECT label{};
        GetWindowRect(zorvel.control(kLabel2), &label);
        for (int id : {kChkMarcaj, kCmdClose, kCmdExit}) {
            RECT button{};
            GetWindowRect(zorvel.control(id), &button);
            label.top = std::max(label.top, button.bottom);
        }
        return label;
    }

    // The link's pixels, once it has been painted.
    bool paintedLink(ScreenPixels& pixels) const {
        return waitUntil([&] {
            pixels = settledPixels(linkRect());
            return painted(pixels);
        });
    }

    // The bare surface, left of the list.
    POINT surface() const {
        POINT point{3, 100};
        ClientToScreen(zorvel.window(), &point);
        return point;
    }

    Zorvel zorvel{false};
};

TEST_F(DressingTest, TheToggleSwitchesTopmostAndItsCaption) {
    auto topmost = [&] {
        return (GetWindowLongW(zorvel.window(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    };
    ASSERT_TRUE(waitUntil(topmost));
    zorvel.click(kChkOnTop);
    EXPECT_TRUE(waitUntil([&] { return !topmost(); }));
    EXPECT_EQ(zorvel.text(kChkOnTop), "^");
    EXPECT_TRUE(zorvel.waitForFocus(kCmdClose));
    zorvel.click(kChkOnTop);
    EXPECT_TRUE(waitUntil(topmost));
    EXPECT_EQ(zorvel.text(kChkOnTop), "V");
}

TEST_F(DressingTest, HoveringTheLinkTurnsItBoldAndTheSurfaceTurnsItBack) {
    ASSERT_TRUE(zorvel.activate());
    const RECT label = linkRect();
    ScreenPixels plain;
    ASSERT_TRUE(paintedLink(plain));
    input::moveTo(input::centreOf(zorvel.control(kLabel2)));
    ASSERT_TRUE(waitUntil([&] { return !(screenPixels(label) == plain); }));
    input::moveTo(surface());
    // 10 points and the first 9.75 both come out 13 pixels high at 96 DPI.
    EXPECT_TRUE(waitUntil([&] { return screenPixels(label) == plain; }));
}

// A visible tip of any control lying over this point or area.
bool tipOver(const RECT& area) {
    HWND tip = nullptr;
    while ((tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) != nullptr) {
        RECT shown{};
        RECT common{};
        if (IsWindowVisible(tip) && GetWindowRect(tip, &shown) &&
            IntersectRect(&common, &shown, &area)) {
            return true;
        }
    }
    return false;
}

TEST_F(DressingTest, TheLinkLightsUpAgainAfterEveryKindOfReset) {
    // The label's font lives in Zorvel's own process: its look is compared, 8-point bold
    // against 10-point regular, whenever no tip hides it.
    ASSERT_TRUE(zorvel.activate());
    HWND link = zorvel.control(kLabel2);
    const RECT label = linkRect();
    ScreenPixels plain;
    ASSERT_TRUE(paintedLink(plain));
    auto looks = [&](const ScreenPixels& expected) {
        return waitUntil([&] { return !tipOver(label) && screenPixels(label) == expected; });
    };
    input::moveTo(input::centreOf(link));
    ASSERT_TRUE(waitUntil([&] { return !tipOver(label) && !(screenPixels(label) == plain); }));
    const ScreenPixels hover = settledPixels(label);
    const struct {
        const char* name;
        std::function<POINT()> where;
    } resets[] = {
        {"surface", [&] { return surface(); }},
        {"chkMarcaj", [&] { return input::centreOf(zorvel.control(kChkMarcaj)); }},
        {"cmdClose", [&] { return input::centreOf(zorvel.control(kCmdClose)); }},
        {"cmdExit", [&] { return input::centreOf(zorvel.control(kCmdExit)); }},
    };
    for (int round = 0; round < 2; ++round) {
        for (const auto& reset : resets) {
            SCOPED_TRACE(reset.name);
            input::moveTo(reset.where());
            ASSERT_TRUE(looks(plain));
            input::moveTo(input::centreOf(link));
            EXPECT_TRUE(looks(hover));
        }
    }
}

TEST_F(DressingTest, TheOtherLabelsLeaveTheLinkInItsHoverLook) {
    ASSERT_TRUE(zorvel.activate());
    const RECT label = linkRect();
    ScreenPixels plain;
    ASSERT_TRUE(paintedLink(plain));
    for (int id : {kLabel1, kLabel3, kLabel4}) {
        SCOPED_TRACE(id);
        input::moveTo(input::centreOf(zorvel.control(kLabel2)));
        ASSERT_TRUE(waitUntil([&] { return !tipOver(label) && !(screenPixels(label) == plain); }));
        const ScreenPixels hover = settledPixels(label);
        input::moveTo(input::centreOf(zorvel.control(id)));
        // Input is taken in order: once Alt+C or Alt+T has moved the focus, so was the
        // pointer.
        const bool toCaption = zorvel.focus() != zorvel.control(kTxtCaption);
        input::chord(VK_MENU, toCaption ? 'C' : 'T');
        ASSERT_TRUE(zorvel.waitForFocus(toCaption ? kTxtCaption : kTxtTimp));
        RedrawWindow(zorvel.control(kLabel2), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_TRUE(waitUntil([&] { return !tipOver(label) && screenPixels(label) == hover; }));
        // Back to the plain look for the next label.
        input::moveTo(surface());
        ASSERT_TRUE(waitUntil([&] { return !tipOver(label) && screenPixels(label) == plain; }));
    }
}

// The pointer the desktop shows now; null when none.
HCURSOR pointerShown() {
    CURSORINFO info{};
    info.cbSize = sizeof(info);
    return GetCursorInfo(&info) ? info.hCursor : nullptr;
}

// The pointer once it stops changing: the same on two looks in a row. A movement reaches
// the window a little later than the display, so the first look can still be the old one.
HCURSOR settledPointer() {
    HCURSOR seen = nullptr;
    waitUntil([&] {
        HCURSOR now = pointerShown();
        const bool same = now == seen && now != nullptr;
        seen = now;
        return same;
    });
    return seen;
}

TEST_F(DressingTest, AMoveOntoTheLinkThroughATipLightsItUp) {
    // cmdClose's tip pops up under the pointer, right over the middle of the link; the link's
    // own pointer tells that the movement reached it (its look stays hidden under the tip).
    ASSERT_TRUE(zorvel.activate());
    const POINT middle = input::centreOf(zorvel.control(kLabel2));
    input::moveTo(input::centreOf(zorvel.control(kCmdClose)));
    const HCURSOR plain = settledPointer();
    const RECT underPointer{middle.x, middle.y, middle.x + 1, middle.y + 1};
    ASSERT_TRUE(waitUntil([&] { return tipOver(underPointer); }));
    input::moveTo(middle);
    EXPECT_TRUE(waitUntil([&] { return pointerShown() != plain && pointerShown() != nullptr; }));
}

TEST_F(DressingTest, TheLinkShowsItsOwnPointerAndTheSurfaceGivesItBack) {
    // Pointer handles differ between processes under Wine: the shown ones are compared.
    ASSERT_TRUE(zorvel.activate());
    input::moveTo(surface());
    const HCURSOR plain = settledPointer();
    ASSERT_NE(plain, nullptr);
    input::moveTo(input::centreOf(zorvel.control(kLabel2)));
    ASSERT_TRUE(waitUntil([&] { return pointerShown() != plain && pointerShown() != nullptr; }));
    const HCURSOR link = settledPointer();
    EXPECT_NE(link, plain);
    input::moveTo(surface());
    EXPECT_TRUE(waitUntil([&] { return pointerShown() != link && pointerShown() != nullptr; }));
}

// The helper takes the web browser's place in the registry, for one test.
RegistryValue browserReportingTo(const std::wstring& reportPath) {
    const std::wstring command =
        L"\"" + besideDriver(L"zorvel_helper.exe") + L"\" \"report:" + reportPath + L"\" \"%1\"";
    return RegistryValue(HKEY_CLASSES_ROOT, L"http\\shell\\open\\command", L"", REG_SZ,
                         command.c_str(),
                         static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
}

TEST_F(DressingTest, ClickingTheLinkOpensTheHomePageMaximized) {
    zorvel.add("Ramane");
    const std::wstring report = zorvel.dir().file(L"browser.txt");
    const RegistryValue browser = browserReportingTo(report);
    input::click(input::centreOf(zorvel.control(kLabel2)));
    ASSERT_TRUE(waitUntil([&] { return !readFile(report).empty(); }));
    const std::string bytes = readFile(report);
    std::wstring text(bytes.size() / 2, L'\0');
    memcpy(text.data(), bytes.data(), text.size() * 2);
    EXPECT_EQ(narrow(text),
              "http://zorvel.example.com/\n" + std::to_string(SW_SHOWMAXIMIZED) + "\n");
    EXPECT_EQ(zorvel.list(), Lines{"Ramane"});
    EXPECT_EQ(zorvel.text(kLabel2), "zorvel.example.com/");
}

}  // namespace
}  // namespace zorvel::e2e
