#include "closer/Watcher.h"

#include <gtest/gtest.h>

#include <map>

#include "fakes/FakeControls.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeRecorder.h"
#include "platform/WindowEventQueue.h"

namespace zorvel {
namespace {

class WatcherTest : public ::testing::Test {
  protected:
    WatcherTest() {
        lstCaption.items = {"Oferta", "Reclama"};
        lstCaption.selected = 1;
        watcher.setEnabled(true);
    }
    void event(WindowId window, WindowEvent e = WindowEvent::Created) {
        watch.sink->windowEvent(window, e);
    }
    void pulseFor(std::int64_t milliseconds) {
        for (std::int64_t t = 0; t < milliseconds; t += CloseEngine::kPulseMs) {
            clock.now += CloseEngine::kPulseMs;
            engine.tick();
            watcher.tick();
        }
    }

    fakes::FakeListBox lstCaption;
    fakes::FakeDesktop desktop;
    fakes::FakeClock clock;
    fakes::FakeTimer pulse{0};
    fakes::FakeWindowWatch watch;
    ListedCaptions captions{lstCaption, desktop};
    fakes::FakeRecorder recorder;
    CloseEngine engine{desktop, clock, pulse, recorder};
    Watcher watcher{captions, desktop, engine, clock, pulse, watch};
};

TEST_F(WatcherTest, AListedWindowClosesAtOnceAndTheListIsLeftAsItWas) {
    const WindowId ad = desktop.open("RECLAMA");
    const WindowId other = desktop.open("Reclama noua");
    event(other);
    event(ad);
    EXPECT_EQ(desktop.commands, std::vector<WindowId>{ad});
    EXPECT_EQ(lstCaption.selected, 1);
    EXPECT_TRUE(lstCaption.selectionHistory.empty());
}

TEST_F(WatcherTest, APatternClosesItsWholeTitlesOnlyAndAStarredCaptionItsOwnTitle) {
    captions.add("Oferta *", EntryKind::Pattern);
    captions.add("Reclama*");
    const std::pair<const char*, bool> windows[] = {
        {"Oferta 1234", true},     {"Alta Oferta", false},  {"Ofertax", false},
        {"oferta speciala", true}, {"Reclama noua", false}, {"Reclama*", true},
    };
    std::vector<WindowId> closed;
    for (const auto& [title, closes] : windows) {
        const WindowId window = desktop.open(title);
        event(window);
        if (closes) {
            closed.push_back(window);
        }
    }
    EXPECT_EQ(desktop.commands, closed);
}

TEST_F(WatcherTest, ANewWindowIsLookedAtAgainUntilItsTitleComesOrItsTimeIsUp) {
    const WindowId late = desktop.open("");
    const WindowId never = desktop.open("");
    event(late);
    event(never);
    EXPECT_TRUE(watcher.busy());
    pulseFor(100);
    desktop.find(late)->title = "Oferta";
    pulseFor(100 / 4 + CloseEngine::kPulseMs);  // looked at again within a quarter of its age
    EXPECT_EQ(desktop.commands, std::vector<WindowId>{late});
    pulseFor(Watcher::kNewWindowWatchMs);
    EXPECT_FALSE(watcher.busy());
    desktop.find(never)->title = "Oferta";
    pulseFor(CloseEngine::kPulseMs);
    EXPECT_EQ(desktop.commands.size(), 1u);  // the sweep's to find now
}

TEST_F(WatcherTest, APulseLooksAtNoMoreThanItsShareOfAFlood) {
    const std::size_t share = Watcher::kLooksPerPulse;
    std::vector<WindowId> flood;
    for (std::size_t i = 0; i < 3 * share; ++i) {
        flood.push_back(desktop.open("Oferta", false));
        event(flood.back());
    }
    for (WindowId window : flood) {
        desktop.find(window)->visible = true;
    }
    pulseFor(CloseEngine::kPulseMs);
    EXPECT_EQ(desktop.commands.size(), share);
    pulseFor(2 * CloseEngine::kPulseMs);
    EXPECT_EQ(desktop.commands, flood);
}

TEST_F(WatcherTest, AListedWindowHandedOverHiddenIsLookedAtOnEveryPulseAheadOfAFlood) {
    for (int i = 0; i < 3 * Watcher::kLooksPerPulse; ++i) {
        event(desktop.open("Banner", false));
    }
    const WindowId ad = desktop.open("Reclama", false);
    ASSERT_EQ(watcher.firstLook(ad), FirstLook::Again);
    event(ad);
    pulseFor(CloseEngine::kPulseMs);
    desktop.find(ad)->visible = true;
    pulseFor(CloseEngine::kPulseMs);
    EXPECT_EQ(desktop.commands, std::vector<WindowId>{ad});
}

TEST_F(WatcherTest, RenamesShowsAndTheForegroundAreLookedAtOnce) {
    for (WindowEvent e : {WindowEvent::Renamed, WindowEvent::Shown, WindowEvent::Foreground}) {
        const WindowId ad = desktop.open("Oferta");
        event(ad, e);
        EXPECT_FALSE(desktop.exists(ad));
        event(desktop.open("Banner"), e);
        EXPECT_FALSE(watcher.busy());
    }
}

TEST_F(WatcherTest, TheListIsReadAgainOnlyAfterItChanges) {
    const std::function<void()> changes[] = {
        [&] { captions.add("banner"); },
        [&] {
            captions.addAll({{"Alta"}, {"BANNER"}});
        },
        [&] {
            captions.clear();
            captions.add("Banner");
        },
    };
    for (const auto& change : changes) {
        captions.clear();
        const WindowId ad = desktop.open("Banner");
        event(ad);
        EXPECT_TRUE(desktop.exists(ad));
        change();
        event(ad, WindowEvent::Renamed);
        EXPECT_FALSE(desktop.exists(ad));
    }
}

TEST_F(WatcherTest, OffStopsTheWatchAndNothingClosesUntilOnAgain) {
    watcher.setEnabled(false);
    EXPECT_EQ(watch.sink, nullptr);
    const WindowId whileOff = desktop.open("Oferta");
    watcher.windowEvent(whileOff, WindowEvent::Created);
    EXPECT_TRUE(desktop.commands.empty());
    watcher.setEnabled(true);
    ASSERT_NE(watch.sink, nullptr);
    event(whileOff, WindowEvent::Renamed);
    EXPECT_EQ(desktop.commands, std::vector<WindowId>{whileOff});
}

TEST_F(WatcherTest, ABurstOfEventsSendsOneCommandAndARefusingWindowIsLeftAlone) {
    const WindowId stubborn = desktop.open("Reclama");
    desktop.find(stubborn)->refusesClose = true;
    for (WindowEvent e : {WindowEvent::Created, WindowEvent::Shown, WindowEvent::Foreground,
                          WindowEvent::Renamed}) {
        event(stubborn, e);
    }
    pulseFor(CloseEngine::kOutcomeMs);
    event(stubborn, WindowEvent::Shown);
    watch.sink->eventsLost();
    pulseFor(Watcher::kNewWindowWatchMs);
    EXPECT_EQ(desktop.commands, std::vector<WindowId>{stubborn});
    EXPECT_EQ(desktop.closeRequests, std::vector<WindowId>{stubborn});
    ASSERT_EQ(recorder.records.size(), 1u);
    EXPECT_EQ(recorder.records[0].trigger, CloseTrigger::Appeared);
    EXPECT_EQ(recorder.records[0].outcome, CloseOutcome::NotClosed);
}

TEST_F(WatcherTest, LostEventsCostOneLookAtEveryWindow) {
    const WindowId ad = desktop.open("Oferta");
    desktop.open("Document");
    watch.sink->eventsLost();
    EXPECT_EQ(desktop.commands, std::vector<WindowId>{ad});
}

// A listed window goes first once it shows; hidden, it is asked about again. The look closes
// nothing itself.
TEST_F(WatcherTest, TheFirstLookPutsAListedWindowFirstOnceShown) {
    const WindowId ad = desktop.open("RECLAMA", false);
    EXPECT_EQ(watcher.firstLook(ad), FirstLook::Again);
    desktop.find(ad)->visible = true;
    EXPECT_EQ(watcher.firstLook(ad), FirstLook::Now);
    EXPECT_EQ(watcher.firstLook(desktop.open("Banner")), FirstLook::InTurn);
    EXPECT_TRUE(desktop.commands.empty());
    watcher.setEnabled(false);
    EXPECT_EQ(watcher.firstLook(ad), FirstLook::InTurn);
}

TEST(WindowEventQueueTest, OneEntryPerWindowBoundedAndDrainedInBatches) {
    WindowEventQueue queue(3);
    EXPECT_TRUE(queue.push(1, WindowEvent::Created));
    EXPECT_FALSE(queue.push(1, WindowEvent::Renamed));
    EXPECT_FALSE(queue.push(2, WindowEvent::Foreground));
    EXPECT_FALSE(queue.push(3, WindowEvent::Created));
    EXPECT_FALSE(queue.push(4, WindowEvent::Created));  // no room: lost
    std::vector<std::pair<WindowId, WindowEvent>> seen;
    int lost = 0;
    const auto none = [](WindowId) { return FirstLook::InTurn; };
    const auto deliver = [&](WindowId w, WindowEvent e) { seen.emplace_back(w, e); };
    queue.drain(2, none, deliver, [&] { ++lost; });
    EXPECT_EQ(seen, (std::vector<std::pair<WindowId, WindowEvent>>{{1, WindowEvent::Created},
                                                                   {1, WindowEvent::Renamed},
                                                                   {2, WindowEvent::Foreground}}));
    EXPECT_EQ(lost, 0);
    EXPECT_FALSE(queue.empty());
    queue.drain(2, none, deliver, [&] { ++lost; });
    EXPECT_EQ(seen.back(), (std::pair<WindowId, WindowEvent>{3, WindowEvent::Created}));
    EXPECT_EQ(lost, 1);
    EXPECT_TRUE(queue.empty());
    EXPECT_TRUE(queue.push(4, WindowEvent::Created));
}

using Delivered = std::vector<std::pair<WindowId, WindowEvent>>;

// Windows the first look puts first are delivered before the backlog, and those it asks to see
// again wait while others are there; each window is looked at once, and again only when
// renamed or when the look asked for it.
TEST(WindowEventQueueTest, FirstLooksDecideTheOrderAndEachWindowIsLookedAtOnce) {
    WindowEventQueue queue(16);
    std::map<WindowId, FirstLook> answers{{1, FirstLook::Again}, {4, FirstLook::Now}};
    std::vector<WindowId> looked;
    Delivered seen;
    const auto look = [&](WindowId w) {
        looked.push_back(w);
        return answers.contains(w) ? answers[w] : FirstLook::InTurn;
    };
    const auto drain = [&](std::size_t most) {
        seen.clear();
        looked.clear();
        queue.drain(
            most, look, [&](WindowId w, WindowEvent e) { seen.emplace_back(w, e); }, [] {});
    };
    for (WindowId w : {1, 2, 3, 4, 5}) {
        queue.push(w, WindowEvent::Created);
    }
    drain(1);
    EXPECT_EQ(looked, (std::vector<WindowId>{1, 2, 3, 4, 5}));
    EXPECT_EQ(seen, (Delivered{{4, WindowEvent::Created}, {2, WindowEvent::Created}}));

    answers[3] = FirstLook::Now;  // titled after its look
    queue.push(3, WindowEvent::Renamed);
    queue.push(5, WindowEvent::Shown);
    queue.push(6, WindowEvent::Created);
    drain(0);
    EXPECT_EQ(looked, (std::vector<WindowId>{1, 3, 6}));
    EXPECT_EQ(seen, (Delivered{{3, WindowEvent::Created}, {3, WindowEvent::Renamed}}));

    drain(8);
    EXPECT_EQ(looked, (std::vector<WindowId>{1}));
    EXPECT_EQ(
        seen,
        (Delivered{{5, WindowEvent::Created}, {5, WindowEvent::Shown}, {6, WindowEvent::Created}}));
    drain(8);  // nothing else waits: it is handed over
    EXPECT_EQ(seen, (Delivered{{1, WindowEvent::Created}}));
    EXPECT_TRUE(queue.empty());
}

}  // namespace
}  // namespace zorvel
