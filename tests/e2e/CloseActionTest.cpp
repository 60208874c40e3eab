#include <windows.h>

#include <gtest/gtest.h>

#include <set>

#include "Support.h"
#include "platform/win32/ControlIds.h"

namespace zorvel::e2e {
namespace {

using namespace zorvel::win32;

class CloseActionTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_NE(zorvel.window(), nullptr); }

    void doubleClickEntry(int index) {
        HWND box = zorvel.control(kLstCaption);
        const auto row = static_cast<int>(SendMessageW(box, LB_GETITEMHEIGHT, 0, 0));
        POINT at{20, row * index + row / 2};
        ClientToScreen(box, &at);
        ASSERT_TRUE(zorvel.activate());
        input::click(at, true);
    }

    Zorvel zorvel;
};

TEST_F(CloseActionTest, CloseButtonClosesTheListedWindowAndNothingElse) {
    Process targets = openTargets({L"top:Reclama de test", L"top:Alta fereastra"});
    HWND ad = targets.waitForWindow("Reclama de test");
    HWND other = targets.waitForWindow("Alta fereastra");
    ASSERT_NE(ad, nullptr);
    ASSERT_NE(other, nullptr);
    zorvel.add("reclama DE test");
    zorvel.select(0);
    zorvel.click(kCmdClose);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(ad); }));
    EXPECT_TRUE(IsWindow(other));
    EXPECT_EQ(zorvel.list(), std::vector<std::string>{"reclama DE test"});
    EXPECT_TRUE(zorvel.process().running());
}

TEST_F(CloseActionTest, DoubleClickOnTheEntryClosesItsWindow) {
    Process targets = openTargets({L"top:Reclama de test", L"top:Alta fereastra"});
    HWND ad = targets.waitForWindow("Reclama de test");
    HWND other = targets.waitForWindow("Alta fereastra");
    ASSERT_NE(ad, nullptr);
    zorvel.add("Alta");
    zorvel.add("Reclama de test");
    doubleClickEntry(1);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(ad); }));
    EXPECT_TRUE(IsWindow(other));
    EXPECT_EQ(zorvel.selection(), 1);
    EXPECT_EQ(zorvel.list().size(), 2u);
}

TEST_F(CloseActionTest, TheBeginningOfATitleClosesNothing) {
    Process targets = openTargets({L"top:Reclama de test lunga", L"top:Marcaj"});
    HWND longer = targets.waitForWindow("Reclama de test lunga");
    HWND marker = targets.waitForWindow("Marcaj");
    ASSERT_NE(longer, nullptr);
    ASSERT_NE(marker, nullptr);
    zorvel.add("Reclama de test");
    zorvel.add("Marcaj");
    zorvel.select(1);
    zorvel.click(kCmdClose);
    // Clicks are handled in order: once the marker is gone, the first click is long done.
    zorvel.select(0);
    zorvel.click(kCmdClose);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(marker); }));
    EXPECT_TRUE(IsWindow(longer));
}

TEST_F(CloseActionTest, AHiddenWindowOfTheSameTitleDoesNotShieldTheVisibleOne) {
    Process hidden = openTargets({L"hidden:Reclama"});
    ASSERT_TRUE(waitUntil([&] { return !hidden.windows("Reclama").empty(); }));
    Process shown = openTargets({L"top:Reclama"});
    HWND ad = shown.waitForWindow("Reclama");
    ASSERT_NE(ad, nullptr);
    zorvel.add("Reclama");
    zorvel.select(0);
    zorvel.click(kCmdClose);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(ad); }));
    EXPECT_EQ(hidden.windows("Reclama").size(), 1u);
}

TEST_F(CloseActionTest, AccessKeyClosesLikeTheButton) {
    Process targets = openTargets({L"top:Reclama"});
    HWND ad = targets.waitForWindow("Reclama");
    ASSERT_NE(ad, nullptr);
    zorvel.add("Reclama");
    zorvel.select(0);
    ASSERT_TRUE(zorvel.activate());
    input::chord(VK_MENU, 'I');
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(ad); }));
}

// In front, a window would take posted keys for a plain F4 too: the close command runs nothing.
TEST_F(CloseActionTest, ClosingAWindowInFrontNeverRunsItsPlainF4Shortcut) {
    constexpr size_t kWindows = 10;
    const std::wstring log = zorvel.dir().file(L"f4.txt");
    std::vector<std::wstring> requests(kWindows + 1, L"f4:Reclama");
    requests[0] = L"events:" + log;
    Process targets = openTargets(requests);
    ASSERT_TRUE(waitUntil([&] { return targets.windows("Reclama").size() == kWindows; }));
    zorvel.add("Reclama");
    zorvel.select(0);
    for (size_t left = kWindows; left-- > 0;) {
        zorvel.click(kCmdClose);
        ASSERT_TRUE(waitUntil([&] { return targets.windows("Reclama").size() == left; })) << left;
    }
    EXPECT_EQ(noted(log, "f4", "Reclama"), 0);
}

TEST_F(CloseActionTest, ARealNotepadClosesFromItsExactCaption) {
    wchar_t system[MAX_PATH]{};
    GetSystemDirectoryW(system, MAX_PATH);
    Process notepad(std::wstring(system) + L"\\notepad.exe", L"");
    ASSERT_TRUE(notepad.waitForIdle());
    HWND window = nullptr;
    ASSERT_TRUE(waitUntil([&] {
        auto all = notepad.windows({}, true);
        window = all.empty() ? nullptr : all.front();
        return window != nullptr && !windowText(window).empty();
    }));
    zorvel.add(windowText(window));
    zorvel.select(0);
    zorvel.click(kCmdClose);
    EXPECT_TRUE(notepad.waitForExit());
}

// The found window's program does something when it is brought to the front; the close
// command must still reach nothing but the found window.
class CloseActionCommandTest : public CloseActionTest {
  protected:
    static constexpr int kRuns = 50;
};

TEST_F(CloseActionCommandTest, NeverReachesTheWindowBehindOneThatHidesOnActivation) {
    Process targets = openTargets({L"hiding:Reclama|Alta fereastra", L"top:Marcaj"});
    HWND other = targets.waitForWindow("Alta fereastra");
    ASSERT_NE(other, nullptr);
    zorvel.add("Marcaj");
    zorvel.add("Reclama");
    zorvel.select(1);
    for (int run = 0; run < kRuns; ++run) {
        // Shown again, but not in front: the close action has to bring it there. A command
        // that reached it while it was still showing closed it, and it came back anew.
        HWND ad = nullptr;
        ASSERT_TRUE(waitUntil([&] {
            auto all = targets.windows("Reclama");
            ad = all.empty() ? nullptr : all.front();
            if (ad != nullptr && !IsWindowVisible(ad)) {
                ShowWindow(ad, SW_SHOWNA);
            }
            return ad != nullptr && zorvel.activate() && IsWindowVisible(ad);
        })) << "run "
            << run;
        zorvel.click(kCmdClose);
        ASSERT_TRUE(waitUntil([&] { return !IsWindowVisible(ad); })) << "run " << run;
    }
    // Closes run one at a time: once the marker is gone, every earlier one is over.
    HWND marker = targets.waitForWindow("Marcaj");
    zorvel.select(0);
    zorvel.click(kCmdClose);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(marker); }));
    EXPECT_TRUE(IsWindow(other));
}

TEST_F(CloseActionCommandTest, NeverReachesAWindowOpenedOnActivationAndStillClosesItsOwn) {
    Process targets = openTargets({L"opening:Reclama"});
    zorvel.add("Reclama");
    zorvel.select(0);
    std::set<HWND> opened;
    for (int run = 0; run < kRuns; ++run) {
        HWND ad = targets.waitForWindow("Reclama");
        ASSERT_NE(ad, nullptr);
        ASSERT_TRUE(zorvel.activate());  // so that the close action has to activate it
        zorvel.click(kCmdClose);
        ASSERT_TRUE(waitUntil([&] { return !IsWindow(ad); })) << "run " << run;
        for (HWND window : targets.windows("Deschisa la activare")) {
            opened.insert(window);
        }
    }
    EXPECT_FALSE(opened.empty());
    for (HWND window : opened) {
        EXPECT_TRUE(IsWindow(window));
    }
}

}  // namespace
}  // namespace zorvel::e2e
