#include "closer/CloseAction.h"

#include <gtest/gtest.h>

#include "closer/CloseEngine.h"
#include "closer/ListedCaptions.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeRecorder.h"

namespace zorvel {
namespace {

class CloseActionTest : public ::testing::Test {
  protected:
    void selectCaption(const std::string& caption) {
        lstCaption.add(caption);
        for (int i = 0; i < lstCaption.count(); ++i) {
            if (lstCaption.item(i) == caption) {
                lstCaption.select(i);
            }
        }
    }

    fakes::FakeListBox lstCaption;
    fakes::FakeDesktop desktop;
    fakes::FakeClock clock;
    fakes::FakeTimer pulse{0};
    ListedCaptions captions{lstCaption, desktop};
    fakes::FakeRecorder recorder;
    CloseEngine engine{desktop, clock, pulse, recorder};
    CloseAction action{captions, desktop, engine};
    WindowId editor = desktop.open("Document - Editor");
};

TEST_F(CloseActionTest, APatternClosesTheTopmostWindowItMatchesWhenItIsStillMatching) {
    desktop.open("Alta Oferta");
    const WindowId top = desktop.open("Oferta 1");
    const WindowId below = desktop.open("OFERTA 2");
    captions.add("Oferta ?", EntryKind::Pattern);
    lstCaption.select(0);
    action.cmdClose_Click();
    action.cmdClose_Click();
    EXPECT_EQ(desktop.commands, (std::vector<WindowId>{top, below}));

    // Renamed while its close waits for the front: the last look finds no match.
    const WindowId renamed = desktop.open("Oferta 3");
    desktop.deferForeground = true;
    action.cmdClose_Click();
    desktop.find(renamed)->title = "Oferta 33";
    desktop.grantForeground();
    engine.foregroundChanged();
    EXPECT_EQ(desktop.commands.size(), 2u);
}

TEST_F(CloseActionTest, ClosesTheWindowWithTheWholeTitleIgnoringCase) {
    const WindowId ad = desktop.open("Oferta Speciala");
    desktop.foregroundWindow = editor;
    selectCaption("oferta speciala");
    action.lstCaption_DblClick();
    EXPECT_EQ(desktop.commands, std::vector<WindowId>{ad});
    EXPECT_TRUE(desktop.exists(editor));
    EXPECT_EQ(lstCaption.count(), 1);
    EXPECT_EQ(lstCaption.selected, 0);
}

TEST_F(CloseActionTest, NothingHappensWithoutAMatchingWindow) {
    desktop.open("Oferta speciala de azi");
    desktop.foregroundWindow = editor;
    selectCaption("Oferta speciala");
    action.lstCaption_DblClick();
    EXPECT_TRUE(desktop.commands.empty());
    EXPECT_EQ(desktop.foregroundWindow, editor);
    EXPECT_EQ(desktop.foregroundRequests, 0);
}

TEST_F(CloseActionTest, ARefusedActivationSendsNothingToTheWindowInFront) {
    desktop.open("Reclama");
    desktop.foregroundWindow = editor;
    desktop.refuseForeground = true;
    selectCaption("Reclama");
    action.lstCaption_DblClick();
    clock.now += CloseEngine::kGiveUpMs;
    engine.tick();
    EXPECT_TRUE(desktop.commands.empty());
    EXPECT_TRUE(desktop.exists(editor));
    EXPECT_FALSE(engine.busy());
}

TEST_F(CloseActionTest, AWindowThatVanishesBeforeActivationIsSkipped) {
    const WindowId ad = desktop.open("Reclama");
    desktop.foregroundWindow = 0;  // the bare desktop: the command would offer to shut down
    desktop.onActivate = [this, ad](WindowId) { desktop.close(ad); };
    selectCaption("Reclama");
    action.lstCaption_DblClick();
    EXPECT_TRUE(desktop.commands.empty());
}

TEST_F(CloseActionTest, AWindowHiddenWhileActivatedIsSkipped) {
    const WindowId ad = desktop.open("Reclama");
    desktop.onActivate = [this](WindowId window) { desktop.windows[1].visible = window == 0; };
    selectCaption("Reclama");
    action.lstCaption_DblClick();
    EXPECT_TRUE(desktop.commands.empty());
    EXPECT_TRUE(desktop.exists(ad));
}

TEST_F(CloseActionTest, AHiddenWindowDoesNotShadowAVisibleOneOfTheSameTitle) {
    const WindowId hidden = desktop.open("Reclama", false);
    const WindowId shown = desktop.open("Reclama");
    selectCaption("Reclama");
    action.lstCaption_DblClick();
    EXPECT_EQ(desktop.commands, std::vector<WindowId>{shown});
    EXPECT_TRUE(desktop.exists(hidden));
}

TEST_F(CloseActionTest, ChildWindowsAreNotTopLevelMatches) {
    desktop.open("Reclama", true, editor);
    selectCaption("Reclama");
    action.lstCaption_DblClick();
    EXPECT_TRUE(desktop.commands.empty());
}

TEST_F(CloseActionTest, TwoWindowsOfOneTitleCloseOnePerRun) {
    const WindowId first = desktop.open("Reclama");
    const WindowId second = desktop.open("Reclama");
    selectCaption("Reclama");
    action.lstCaption_DblClick();
    EXPECT_EQ(desktop.commands, std::vector<WindowId>{first});
    EXPECT_TRUE(desktop.exists(second));
    action.lstCaption_DblClick();
    EXPECT_EQ(desktop.commands, (std::vector<WindowId>{first, second}));
}

TEST_F(CloseActionTest, CloseButtonRunsTheActionOnlyWithASelection) {
    desktop.open("Reclama");
    lstCaption.add("Reclama");
    action.cmdClose_Click();
    EXPECT_TRUE(desktop.commands.empty());
    EXPECT_EQ(desktop.snapshots, 0);
    lstCaption.select(0);
    action.cmdClose_Click();
    EXPECT_EQ(desktop.commands.size(), 1u);
}

TEST_F(CloseActionTest, AnEmptyCaptionNeverMatchesUntitledWindows) {
    desktop.open("");
    lstCaption.items = {""};
    lstCaption.select(0);
    action.lstCaption_DblClick();
    EXPECT_TRUE(desktop.commands.empty());
}

}  // namespace
}  // namespace zorvel
