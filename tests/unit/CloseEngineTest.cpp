#include "closer/CloseEngine.h"

#include <gtest/gtest.h>

#include "fakes/FakeControls.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeRecorder.h"

namespace zorvel {
namespace {

class CloseEngineTest : public ::testing::Test {
  protected:
    bool background(WindowId window, CloseTrigger trigger = CloseTrigger::Appeared) {
        return engine.closeInBackground(window, entry, trigger);
    }
    WindowId forUser(const std::vector<WindowId>& candidates) {
        return engine.closeForUser(candidates, entry);
    }
    void after(std::int64_t milliseconds) {
        for (std::int64_t t = 0; t < milliseconds; t += CloseEngine::kPulseMs) {
            clock.now += CloseEngine::kPulseMs;
            engine.tick();
        }
    }
    std::vector<CloseOutcome> outcomes() const {
        std::vector<CloseOutcome> out;
        for (const CloseRecord& r : recorder.records) {
            out.push_back(r.outcome);
        }
        return out;
    }

    fakes::FakeDesktop desktop;
    fakes::FakeClock clock;
    fakes::FakeTimer pulse{0};
    fakes::FakeRecorder recorder;
    CloseEngine engine{desktop, clock, pulse, recorder};
    ListEntry entry{"reclama"};
    WindowId editor = desktop.open("Document - Editor");
    WindowId ad = desktop.open("Reclama");
};

TEST_F(CloseEngineTest, AnAutomaticCloseLeavesTheForegroundAloneAndRecordsTheOutcome) {
    desktop.foregroundWindow = editor;
    EXPECT_TRUE(background(ad, CloseTrigger::Sweep));
    EXPECT_EQ(desktop.commands, std::vector<WindowId>{ad});
    EXPECT_EQ(desktop.foregroundRequests, 0);
    EXPECT_EQ(desktop.foregroundWindow, editor);
    after(CloseEngine::kPulseMs);
    ASSERT_EQ(recorder.records.size(), 1u);
    const CloseRecord& r = recorder.records[0];
    EXPECT_EQ(r.trigger, CloseTrigger::Sweep);
    EXPECT_EQ(r.outcome, CloseOutcome::Closed);
    EXPECT_EQ(r.entry.text, "reclama");
    EXPECT_EQ(r.title, "Reclama");
    EXPECT_EQ(r.program, "reclame.exe");
    EXPECT_EQ(r.closeMs, CloseEngine::kPulseMs);
    EXPECT_FALSE(engine.busy());
}

TEST_F(CloseEngineTest, AnIgnoredCommandIsFollowedByTheCloseRequestOnceAfterHalfASecond) {
    desktop.find(ad)->ignoresCommand = true;
    background(ad);
    after(CloseEngine::kCloseRequestMs - CloseEngine::kPulseMs);
    EXPECT_TRUE(desktop.closeRequests.empty());
    after(CloseEngine::kPulseMs);
    EXPECT_EQ(desktop.closeRequests, std::vector<WindowId>{ad});
    after(CloseEngine::kPulseMs);
    EXPECT_EQ(outcomes(), std::vector<CloseOutcome>{CloseOutcome::Closed});
    EXPECT_GE(recorder.records[0].closeMs.value_or(0), CloseEngine::kCloseRequestMs);
}

TEST_F(CloseEngineTest, OneClosePerAppearanceAndARefusalIsRecordedOnce) {
    desktop.find(ad)->refusesClose = true;
    background(ad);
    for (CloseTrigger again : {CloseTrigger::Appeared, CloseTrigger::Sweep}) {
        EXPECT_FALSE(background(ad, again));
        EXPECT_EQ(forUser({ad}), 0u);
    }
    after(CloseEngine::kOutcomeMs);
    EXPECT_EQ(desktop.commands.size(), 1u);
    EXPECT_EQ(desktop.closeRequests.size(), 1u);
    EXPECT_EQ(outcomes(), std::vector<CloseOutcome>{CloseOutcome::NotClosed});
    EXPECT_FALSE(recorder.records[0].closeMs);
    EXPECT_TRUE(engine.refused(ad));
    // Events leave a refusing window alone; the sweep may try again, unrecorded.
    EXPECT_FALSE(background(ad, CloseTrigger::Appeared));
    EXPECT_TRUE(background(ad, CloseTrigger::Sweep));
    after(CloseEngine::kOutcomeMs);
    EXPECT_EQ(desktop.commands.size(), 2u);
    EXPECT_EQ(recorder.records.size(), 1u);
}

TEST_F(CloseEngineTest, AWindowHiddenAfterTheCommandCountsAsClosed) {
    desktop.find(ad)->refusesClose = true;
    background(ad);
    desktop.find(ad)->visible = false;
    after(CloseEngine::kPulseMs);
    EXPECT_EQ(outcomes(), std::vector<CloseOutcome>{CloseOutcome::Closed});
}

TEST_F(CloseEngineTest, ARetitledWindowGetsNoCloseCommand) {
    desktop.find(ad)->ignoresCommand = true;
    background(ad);
    desktop.find(ad)->title = "Document important";
    after(CloseEngine::kOutcomeMs);
    EXPECT_TRUE(desktop.closeRequests.empty());
    EXPECT_EQ(outcomes(), std::vector<CloseOutcome>{CloseOutcome::NotClosed});
}

TEST_F(CloseEngineTest, OursTheShellsAndHigherRightsAreNeverSentAnything) {
    const struct {
        const char* kind;
        std::function<void(fakes::FakeDesktop::Window&)> make;
    } untouchable[] = {
        {"ours", [](auto& w) { w.ours = true; }},
        {"shell", [](auto& w) { w.shell = true; }},
        {"higher rights", [](auto& w) { w.elevated = true; }},
    };
    for (const auto& u : untouchable) {
        const WindowId window = desktop.open("Reclama");
        u.make(*desktop.find(window));
        EXPECT_FALSE(background(window)) << u.kind;
        EXPECT_FALSE(background(window, CloseTrigger::Sweep)) << u.kind;
        EXPECT_EQ(forUser({window}), 0u) << u.kind;
    }
    EXPECT_TRUE(desktop.commands.empty());
    EXPECT_EQ(desktop.foregroundRequests, 0);
    // The higher-rights skip is recorded once per window.
    EXPECT_EQ(outcomes(), std::vector<CloseOutcome>{CloseOutcome::HigherRights});
}

TEST_F(CloseEngineTest, AtTheEndEveryCloseUnderWayIsFinishedAndRecordedAsItStands) {
    using Window = fakes::FakeDesktop::Window;
    const struct {
        const char* state;
        std::function<void(Window&)> start;
        std::size_t closeRequests;
        CloseOutcome outcome;
        CloseTrigger trigger;
    } cases[] = {
        {"command ignored, waiting for the close request",
         [this](Window& w) {
             w.ignoresCommand = true;
             background(w.id);
         },
         1, CloseOutcome::Closed, CloseTrigger::Appeared},
        {"refusing even the close request sent now",
         [this](Window& w) {
             w.refusesClose = true;
             background(w.id, CloseTrigger::Sweep);
         },
         1, CloseOutcome::NotClosed, CloseTrigger::Sweep},
        {"close request sent already",
         [this](Window& w) {
             w.refusesClose = true;
             background(w.id);
             after(CloseEngine::kCloseRequestMs);
         },
         1, CloseOutcome::NotClosed, CloseTrigger::Appeared},
        {"the user's, waiting for the front",
         [this](Window& w) {
             desktop.deferForeground = true;
             forUser({w.id});
         },
         0, CloseOutcome::Closed, CloseTrigger::User},
    };
    for (const auto& c : cases) {
        desktop.closeRequests.clear();
        recorder.records.clear();
        const WindowId window = desktop.open("Reclama");
        c.start(*desktop.find(window));
        engine.finishAll();
        EXPECT_EQ(desktop.closeRequests.size(), c.closeRequests) << c.state;
        ASSERT_EQ(recorder.records.size(), 1u) << c.state;
        EXPECT_EQ(recorder.records[0].outcome, c.outcome) << c.state;
        EXPECT_EQ(recorder.records[0].trigger, c.trigger) << c.state;
        EXPECT_EQ(recorder.records[0].title, "Reclama") << c.state;
        EXPECT_FALSE(engine.busy()) << c.state;
    }
}

// The user's close brings the window to the front first, as the user is watching; another
// program's window reaches the front only when its thread takes the activation.
class UserCloseTest : public CloseEngineTest {
  protected:
    UserCloseTest() { desktop.deferForeground = true; }
    void TearDown() override { EXPECT_EQ(desktop.commandsOutOfFront, 0); }
};

TEST_F(UserCloseTest, TheCommandWaitsForTheWindowToBeInFrontWithoutBlocking) {
    EXPECT_EQ(forUser({ad}), ad);
    EXPECT_TRUE(desktop.commands.empty());
    EXPECT_EQ(pulse.milliseconds, CloseEngine::kPulseMs);
    after(100);
    EXPECT_TRUE(desktop.commands.empty());
    desktop.grantForeground();
    engine.foregroundChanged();
    EXPECT_EQ(desktop.commands, std::vector<WindowId>{ad});
    after(CloseEngine::kPulseMs);
    ASSERT_EQ(recorder.records.size(), 1u);
    EXPECT_EQ(recorder.records[0].trigger, CloseTrigger::User);
    EXPECT_FALSE(engine.busy());
}

TEST_F(UserCloseTest, AsksAgainEveryQuarterSecondAndDropsAfterOneSecond) {
    forUser({ad});
    after(CloseEngine::kAskAgainMs - CloseEngine::kPulseMs);
    EXPECT_EQ(desktop.foregroundRequests, 1);
    after(CloseEngine::kPulseMs);
    EXPECT_EQ(desktop.foregroundRequests, 2);
    after(CloseEngine::kGiveUpMs - CloseEngine::kAskAgainMs);
    EXPECT_FALSE(engine.busy());
    desktop.grantForeground();
    after(CloseEngine::kPulseMs);
    EXPECT_TRUE(desktop.commands.empty());
    EXPECT_TRUE(recorder.records.empty());
}

TEST_F(UserCloseTest, APendingWindowIsNeitherActivatedAgainNorClosedByAnEvent) {
    const WindowId twin = desktop.open("RECLAMA");
    forUser({ad});
    EXPECT_FALSE(background(ad));
    EXPECT_EQ(forUser({ad, twin}), twin);
    EXPECT_EQ(desktop.foregroundRequests, 1);  // one at a time: the twin waits its turn
    desktop.grantForeground();
    engine.tick();
    EXPECT_EQ(desktop.askedForeground, twin);
    desktop.grantForeground();
    engine.tick();
    EXPECT_EQ(desktop.commands, (std::vector<WindowId>{ad, twin}));
}

TEST_F(UserCloseTest, WindowsThatChangeWhileWaitingGetNothing) {
    const struct {
        const char* change;
        std::function<void(fakes::FakeDesktop::Window&)> apply;
    } changes[] = {
        {"renamed", [](auto& w) { w.title = "Document"; }},
        {"hidden", [](auto& w) { w.visible = false; }},
    };
    for (const auto& c : changes) {
        const WindowId target = desktop.open("Reclama");
        forUser({target});
        c.apply(*desktop.find(target));
        desktop.grantForeground();
        after(CloseEngine::kPulseMs);
        EXPECT_TRUE(desktop.commands.empty()) << c.change;
        EXPECT_FALSE(engine.busy()) << c.change;
    }
}

}  // namespace
}  // namespace zorvel

namespace zorvel {
namespace {

// An entry that answers with a button presses it instead of closing, and then only watches.
TEST_F(CloseEngineTest, AButtonEntryPressesAndSendsNothingMore) {
    entry.button = EntryButton{7, "Nu"};
    const WindowId nu = desktop.addButton(ad, 7, "&Nu");
    EXPECT_TRUE(background(ad));
    EXPECT_EQ(desktop.presses, std::vector<WindowId>{nu});
    after(CloseEngine::kOutcomeMs);
    EXPECT_TRUE(desktop.commands.empty());
    EXPECT_TRUE(desktop.closeRequests.empty());
    EXPECT_EQ(outcomes(), std::vector<CloseOutcome>{CloseOutcome::NotClosed});

    // The next appearance: answered, it goes.
    const WindowId again = desktop.open("Reclama");
    desktop.addButton(again, 7, "Nu");
    EXPECT_TRUE(background(again, CloseTrigger::Sweep));
    desktop.close(again);
    after(CloseEngine::kPulseMs);
    EXPECT_EQ(outcomes(),
              (std::vector<CloseOutcome>{CloseOutcome::NotClosed, CloseOutcome::Closed}));
}

TEST_F(CloseEngineTest, NoButtonToPressLeavesTheWindowAloneAndIsSaidOnce) {
    entry.button = EntryButton{7, "Nu"};
    desktop.find(desktop.addButton(ad, 7, "Nu"))->enabled = false;
    EXPECT_FALSE(background(ad));
    EXPECT_FALSE(background(ad, CloseTrigger::Sweep));
    EXPECT_TRUE(desktop.presses.empty());
    EXPECT_TRUE(desktop.commands.empty());
    EXPECT_EQ(outcomes(), std::vector<CloseOutcome>{CloseOutcome::ButtonNotFound});
    EXPECT_TRUE(desktop.exists(ad));
}

}  // namespace
}  // namespace zorvel
