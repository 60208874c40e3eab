#include "closer/CloseEngine.h"

#include <gtest/gtest.h>

#include "fakes/FakeControls.h"
#include "fakes/FakeDesktop.h"

namespace zorvel {
namespace {

// Another program's window, as under Wine: it reaches the front only when its thread
// takes the activation, which the test decides.
class CloseEngineTest : public ::testing::Test {
  protected:
    CloseEngineTest() { desktop.deferForeground = true; }

    WindowId request(WindowId window) { return engine.closeFirst({window}, "RECLAMA"); }
    void after(std::int64_t milliseconds) {
        clock.now += milliseconds;
        engine.tick();
    }
    void TearDown() override { EXPECT_EQ(desktop.chordsOutOfFront, 0); }

    fakes::FakeDesktop desktop;
    fakes::FakeClock clock;
    fakes::FakeTimer pulse{0};
    CloseEngine engine{desktop, clock, pulse};
    WindowId ad = desktop.open("Reclama");
};

TEST_F(CloseEngineTest, TheChordWaitsForTheWindowToBeInFrontWithoutBlocking) {
    EXPECT_EQ(request(ad), ad);
    EXPECT_TRUE(desktop.chords.empty());
    EXPECT_EQ(pulse.milliseconds, CloseEngine::kPulseMs);
    after(100);
    EXPECT_TRUE(desktop.chords.empty());
    desktop.grantForeground();
    engine.foregroundChanged();
    EXPECT_EQ(desktop.chords, std::vector<WindowId>{ad});
    EXPECT_FALSE(engine.busy());
}

TEST_F(CloseEngineTest, AsksAgainEveryQuarterSecondAndDropsAfterOneSecond) {
    request(ad);
    after(CloseEngine::kAskAgainMs - 1);
    EXPECT_EQ(desktop.foregroundRequests, 1);
    after(1);
    EXPECT_EQ(desktop.foregroundRequests, 2);
    after(CloseEngine::kGiveUpMs - CloseEngine::kAskAgainMs);
    EXPECT_FALSE(engine.busy());
    desktop.grantForeground();
    after(CloseEngine::kPulseMs);
    EXPECT_TRUE(desktop.chords.empty());
}

TEST_F(CloseEngineTest, APendingWindowIsNotActivatedAgain) {
    const WindowId twin = desktop.open("RECLAMA");
    request(ad);
    EXPECT_EQ(request(ad), 0u);
    EXPECT_EQ(engine.closeFirst({ad, twin}, "RECLAMA"), twin);
    EXPECT_EQ(desktop.foregroundRequests, 1);  // one at a time: the twin waits its turn
    desktop.grantForeground();
    engine.tick();
    EXPECT_EQ(desktop.askedForeground, twin);
    desktop.grantForeground();
    engine.tick();
    EXPECT_EQ(desktop.chords, (std::vector<WindowId>{ad, twin}));
}

TEST_F(CloseEngineTest, WindowsThatChangeWhileWaitingGetNothing) {
    const struct {
        const char* change;
        std::function<void(fakes::FakeDesktop::Window&)> apply;
    } changes[] = {
        {"renamed", [](auto& w) { w.title = "Document"; }},
        {"hidden", [](auto& w) { w.visible = false; }},
    };
    for (const auto& c : changes) {
        const WindowId target = desktop.open("Reclama");
        request(target);
        c.apply(*desktop.find(target));
        desktop.grantForeground();
        after(CloseEngine::kPulseMs);
        EXPECT_TRUE(desktop.chords.empty()) << c.change;
        EXPECT_FALSE(engine.busy()) << c.change;
    }
}

TEST_F(CloseEngineTest, OurOwnAndHigherIntegrityWindowsAreNeverActivated) {
    desktop.find(ad)->ours = true;
    const WindowId elevated = desktop.open("Reclama");
    desktop.find(elevated)->elevated = true;
    EXPECT_EQ(engine.closeFirst({ad, elevated}, "RECLAMA"), 0u);
    EXPECT_EQ(desktop.foregroundRequests, 0);
    EXPECT_FALSE(engine.busy());
}

}  // namespace
}  // namespace zorvel
