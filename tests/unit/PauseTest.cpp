#include "app/Pause.h"

#include <gtest/gtest.h>

#include <optional>

#include "fakes/FakeControls.h"
#include "fakes/FakeDesktop.h"

namespace zorvel {
namespace {

class PauseTest : public ::testing::Test {
  protected:
    fakes::FakeClock clock;
    fakes::FakeTimer tmrPause{0};
    Pause pause{clock, tmrPause};
};

TEST_F(PauseTest, ItsTipSaysUntilWhenAndItsTimerWaitsForTheEnd) {
    const struct {
        const char* length;
        std::optional<std::int64_t> milliseconds;
        LocalTime now;
        const char* tip;
        int timer;
    } cases[] = {
        {"ten minutes",
         Pause::kTenMinutesMs,
         {2026, 12, 8, 14, 25, 40, 0},
         "Zorvel - pauza pana la 14:35",
         600000},
        {"an hour over midnight",
         Pause::kOneHourMs,
         {2026, 12, 8, 23, 30, 0, 0},
         "Zorvel - pauza pana la 00:30",
         3600000},
        {"ten minutes ending a second past the hour",
         Pause::kTenMinutesMs,
         {2026, 12, 8, 8, 50, 0, 1},
         "Zorvel - pauza pana la 09:00",
         600000},
        {"until resumed", std::nullopt, {2026, 12, 8, 9, 0, 0, 0}, "Zorvel - pauza", 0},
    };
    for (const auto& c : cases) {
        clock.local = c.now;
        pause.start(c.milliseconds);
        EXPECT_TRUE(pause.active()) << c.length;
        EXPECT_EQ(pause.tip(), c.tip) << c.length;
        EXPECT_EQ(tmrPause.milliseconds, c.timer) << c.length;
        pause.resume();
        EXPECT_FALSE(pause.active()) << c.length;
        EXPECT_EQ(pause.tip(), "Zorvel - realizat de echipa Zorvel") << c.length;
        EXPECT_EQ(tmrPause.milliseconds, 0) << c.length;
    }
}

TEST_F(PauseTest, APauseForAWhileEndsAtItsEndAndNotBefore) {
    pause.start(Pause::kTenMinutesMs);
    const std::int64_t start = clock.now;
    // A timer may fire a little early: it then waits for what is left.
    clock.now = start + Pause::kTenMinutesMs - 15;
    EXPECT_FALSE(pause.tmrPause_Timer());
    EXPECT_TRUE(pause.active());
    EXPECT_EQ(tmrPause.milliseconds, 15);
    clock.now = start + Pause::kTenMinutesMs;
    EXPECT_TRUE(pause.tmrPause_Timer());
    EXPECT_FALSE(pause.active());
    EXPECT_EQ(tmrPause.milliseconds, 0);
    EXPECT_FALSE(pause.tmrPause_Timer());  // a late event after the end ends nothing again
}

}  // namespace
}  // namespace zorvel
