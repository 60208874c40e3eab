#include "app/Tray.h"

#include <gtest/gtest.h>

#include <functional>

#include "base/Texts.h"
#include "fakes/FakeForm.h"
#include "fakes/FakeShell.h"

namespace zorvel {
namespace {

using Events = std::vector<std::string>;

class TrayTest : public ::testing::Test {
  protected:
    int adds() const { return count(TrayCommand::Add); }
    int deletes() const { return count(TrayCommand::Delete); }
    int count(TrayCommand command) const {
        int n = 0;
        for (const auto& call : shell.calls) {
            n += call.command == command ? 1 : 0;
        }
        return n;
    }

    fakes::FakeForm form;
    fakes::FakeShell shell;
    Tray tray{form, shell};
};

TEST_F(TrayTest, TheTipFitsTheShellsFieldWithItsTerminator) {
    // UTF-8 takes at least as many bytes as UTF-16 takes units, so bytes bound the length.
    EXPECT_LE(std::string(texts::kTrayTip).size(), 63u);
    EXPECT_EQ(std::string(texts::kTrayTip).rfind("Zorvel", 0), 0u);
}

TEST_F(TrayTest, HidingFillsTheRecordAddsTheIconAndHides) {
    tray.hideToTray();
    ASSERT_EQ(shell.calls.size(), 1u);
    const TrayRecord& nid = shell.calls.back().record;
    EXPECT_EQ(nid.window, form.id);
    EXPECT_EQ(nid.id, 1u);
    EXPECT_TRUE(nid.withMessage && nid.withIcon && nid.withTip);
    EXPECT_EQ(nid.tip, texts::kTrayTip);
    EXPECT_EQ(shell.icons.size(), 1u);
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(form.events, Events{"hide"});
}

TEST_F(TrayTest, HideShowHideLeavesOneIconAndTheRefusedAddIsHarmless) {
    tray.hideToTray();
    tray.iconNotify(TrayClick::LeftUp);
    EXPECT_TRUE(form.visible());
    EXPECT_EQ(shell.icons.size(), 1u);  // showing keeps the icon
    tray.hideToTray();
    EXPECT_EQ(adds(), 2);
    EXPECT_FALSE(shell.calls.back().accepted);
    EXPECT_EQ(shell.icons.size(), 1u);
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(form.events, (Events{"hide", "show", "hide"}));
}

TEST_F(TrayTest, TheRecordIsFilledAfreshOnEveryHide) {
    tray.hideToTray();
    form.id = 0x200;
    tray.hideToTray();
    EXPECT_EQ(shell.calls.back().record.window, 0x200u);
    EXPECT_EQ(shell.icons.size(), 2u);
}

TEST_F(TrayTest, ExitAfterHidingRemovesTheIcon) {
    tray.hideToTray();
    tray.mnuOpen_Click();
    tray.removeIcon();
    EXPECT_EQ(deletes(), 1);
    EXPECT_TRUE(shell.calls.back().accepted);
    EXPECT_TRUE(shell.icons.empty());
}

TEST_F(TrayTest, ExitWithoutEverHidingAsksTheShellNothing) {
    tray.removeIcon();
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_TRUE(form.events.empty());
}

TEST_F(TrayTest, OnlyButtonReleasesOnTheIconAct) {
    tray.hideToTray();
    tray.iconNotify(TrayClick::Other);
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(form.menuPopups, 0);

    tray.iconNotify(TrayClick::RightUp);
    EXPECT_EQ(form.menuPopups, 1);
    EXPECT_FALSE(form.visible());
    tray.iconNotify(TrayClick::LeftUp);
    EXPECT_TRUE(form.visible());
    EXPECT_EQ(form.events, (Events{"hide", "show"}));
}

TEST_F(TrayTest, OpenShowsTheWindowAndKeepsTheIcon) {
    tray.hideToTray();
    tray.mnuOpen_Click();
    EXPECT_TRUE(form.visible());
    EXPECT_EQ(shell.icons.size(), 1u);
    EXPECT_EQ(deletes(), 0);
}

TEST_F(TrayTest, ANewTaskbarGetsTheIconBackOnlyWhileTheWindowIsHidden) {
    tray.hideToTray();
    shell.recreateTaskbar();
    tray.taskbarCreated();
    EXPECT_EQ(shell.icons.size(), 1u);
    EXPECT_EQ(shell.calls.back().record.tip, texts::kTrayTip);

    tray.mnuOpen_Click();
    shell.recreateTaskbar();
    tray.taskbarCreated();
    EXPECT_TRUE(shell.icons.empty());
    EXPECT_EQ(adds(), 2);
}

TEST_F(TrayTest, APauseShowsOnTheIconThereAndOnEveryIconAddedAfterIt) {
    tray.hideToTray();
    tray.showPaused(true, "Zorvel - pauza");
    EXPECT_EQ(shell.calls.back().command, TrayCommand::Modify);
    EXPECT_TRUE(shell.calls.back().accepted);
    // Shown and hidden again, or a new taskbar: the record is filled afresh, still paused.
    const std::function<void()> readds[] = {
        [this] {
            tray.mnuOpen_Click();
            tray.hideToTray();
        },
        [this] {
            shell.recreateTaskbar();
            tray.taskbarCreated();
        },
    };
    for (const auto& readd : readds) {
        readd();
        EXPECT_EQ(shell.calls.back().command, TrayCommand::Add);
        EXPECT_TRUE(shell.calls.back().record.paused);
        EXPECT_EQ(shell.calls.back().record.tip, "Zorvel - pauza");
    }
}

TEST_F(TrayTest, ANewTaskbarBeforeTheFirstHideAddsNothing) {
    form.shown = false;  // still loading, not yet shown
    tray.taskbarCreated();
    EXPECT_TRUE(shell.calls.empty());
}

}  // namespace
}  // namespace zorvel
