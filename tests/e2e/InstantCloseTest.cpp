#include <windows.h>

#include <gtest/gtest.h>

#include "Support.h"
#include "platform/win32/ControlIds.h"

namespace zorvel::e2e {
namespace {

using namespace zorvel::win32;

// The sweep runs every 30 s here: whatever closes within a few seconds is the watch's doing.
class InstantCloseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(zorvel.window(), nullptr);
        ASSERT_TRUE(waitUntil([&] { return zorvel.text(kTxtTimp) == "0"; }));
        zorvel.add("Reclama");
        zorvel.add("Zzz");
    }

    // A helper whose only window is listed ends once that window has been closed.
    static bool closesAlone(const std::wstring& request) {
        return openTargets({request}).waitForExit(5s);
    }

    Zorvel zorvel;
};

TEST_F(InstantCloseTest, AListedPopUpClosesAtOnceAndNothingElseMoves) {
    Process other = openTargets({L"top:Alta fereastra"});
    HWND unlisted = other.waitForWindow("Alta fereastra");
    ASSERT_NE(unlisted, nullptr);
    zorvel.select(1);
    zorvel.setText(kTxtTimp, "30");
    EXPECT_TRUE(closesAlone(L"top:Reclama"));
    EXPECT_TRUE(IsWindow(unlisted));
    EXPECT_EQ(zorvel.selection(), 1);
    EXPECT_EQ(zorvel.list(), (std::vector<std::string>{"Reclama", "Zzz"}));
}

TEST_F(InstantCloseTest, ATitleGivenAfterTheWindowAppearedIsCaughtToo) {
    zorvel.setText(kTxtTimp, "30");
    EXPECT_TRUE(closesAlone(L"late:Reclama"));
}

TEST_F(InstantCloseTest, IntervalZeroTurnsItOffAndAPositiveOneBackOn) {
    Process whileOff = openTargets({L"top:Reclama"});
    HWND kept = whileOff.waitForWindow("Reclama");
    ASSERT_NE(kept, nullptr);
    zorvel.setText(kTxtTimp, "30");
    EXPECT_TRUE(closesAlone(L"top:ZZZ"));
    // Events are handled in order: the window that opened while off was passed over.
    EXPECT_TRUE(IsWindow(kept));
}

TEST_F(InstantCloseTest, ZorvelsOwnWindowsAreNeverClosedWhateverIsListed) {
    zorvel.add("Atentie");
    zorvel.add("Bifa");
    zorvel.add(windowText(zorvel.window()));
    ASSERT_TRUE(
        zorvel.waitForList({"Atentie", "Bifa", "Reclama", windowText(zorvel.window()), "Zzz"}));
    // A tick has run once a listed window that shows itself only after the watch has
    // stopped looking at it is gone (the platform here tells nothing of the showing).
    const auto tick = [] { return openTargets({L"shownlater:Bifa"}).waitForExit(10s); };
    zorvel.setText(kTxtTimp, "1");
    ASSERT_TRUE(tick());
    EXPECT_TRUE(zorvel.visible());
    zorvel.select(0);
    zorvel.click(kCmdSterge);
    HWND question = zorvel.waitForMessageBox();
    ASSERT_NE(question, nullptr);
    ASSERT_TRUE(tick());
    EXPECT_TRUE(IsWindowVisible(question));
    EXPECT_EQ(zorvel.selection(), 0);
}

}  // namespace
}  // namespace zorvel::e2e
