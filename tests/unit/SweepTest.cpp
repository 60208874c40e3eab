#include "closer/Sweep.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "closer/CloseEngine.h"
#include "closer/ListedCaptions.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeRecorder.h"

namespace zorvel {
namespace {

class SweepTest : public ::testing::Test {
  protected:
    void list(const std::vector<std::string>& captions) {
        for (const std::string& caption : captions) {
            lstCaption.add(caption);
        }
    }

    fakes::FakeListBox lstCaption;
    fakes::FakeDesktop desktop;
    fakes::FakeClock clock;
    fakes::FakeTimer pulse{0};
    ListedCaptions captions{lstCaption, desktop};
    fakes::FakeRecorder recorder;
    CloseEngine engine{desktop, clock, pulse, recorder};
    Sweep sweep{captions, engine, desktop};
};

TEST_F(SweepTest, VisitsEntriesFromLastToFirstAndLeavesTheSelectionAlone) {
    const WindowId alfa = desktop.open("Alfa");
    const WindowId beta = desktop.open("Beta");
    const WindowId gama = desktop.open("Gama");
    const WindowId editor = desktop.open("Editor");
    desktop.foregroundWindow = editor;
    list({"Gama", "Alfa", "Beta"});
    lstCaption.select(1);  // the user's, which the delete question acts on
    sweep.tmrVerifica_Timer();
    EXPECT_EQ(lstCaption.selectionHistory, (std::vector<int>{1}));
    EXPECT_EQ(desktop.commands, (std::vector<WindowId>{gama, beta, alfa}));
    EXPECT_EQ(desktop.foregroundRequests, 0);
    EXPECT_EQ(desktop.foregroundWindow, editor);
    EXPECT_EQ(lstCaption.selected, 1);
    EXPECT_EQ(lstCaption.items, (std::vector<std::string>{"Alfa", "Beta", "Gama"}));
    EXPECT_EQ(desktop.snapshots, 1);
}

TEST_F(SweepTest, AnEmptyListTakesNoSnapshotAndKeepsTheSelection) {
    sweep.tmrVerifica_Timer();
    EXPECT_TRUE(lstCaption.selectionHistory.empty());
    EXPECT_EQ(lstCaption.selected, -1);
    EXPECT_EQ(desktop.snapshots, 0);
}

TEST_F(SweepTest, CaptionsThatNoWindowBearsCostNoLookup) {
    desktop.open("Document - Editor");
    list({"Reclama", "Oferta", "Document"});
    sweep.tmrVerifica_Timer();
    EXPECT_EQ(desktop.foregroundRequests, 0);
    EXPECT_EQ(desktop.snapshots, 1);
    EXPECT_TRUE(desktop.commands.empty());
}

TEST_F(SweepTest, AWindowClosedByAnEarlierEntryIsNotSentTheCommandAgain) {
    const WindowId ad = desktop.open("Reclama");
    const WindowId editor = desktop.open("Editor");
    desktop.foregroundWindow = editor;
    list({"Reclama", "RECLAMA"});
    sweep.tmrVerifica_Timer();
    EXPECT_EQ(desktop.commands, std::vector<WindowId>{ad});
    EXPECT_TRUE(desktop.exists(editor));
}

TEST_F(SweepTest, WindowsHiddenOrRetitledDuringTheTickAreLeftAlone) {
    const WindowId hiddenAtStart = desktop.open("Ascuns", false);
    const WindowId hiddenLater = desktop.open("Banner");
    const WindowId retitled = desktop.open("Caseta");
    const WindowId trigger = desktop.open("Zzz");
    // Closing the last entry's window hides one listed window and renames another, after
    // the snapshot listed both.
    desktop.onCommand = [this, trigger](WindowId window) {
        if (window == trigger) {
            desktop.windows[1].visible = false;
            desktop.windows[2].title = "Document important";
        }
    };
    list({"Ascuns", "Banner", "Caseta", "Zzz"});
    sweep.tmrVerifica_Timer();
    EXPECT_EQ(desktop.commands, std::vector<WindowId>{trigger});
    EXPECT_TRUE(desktop.exists(hiddenAtStart));
    EXPECT_TRUE(desktop.exists(hiddenLater));
    EXPECT_TRUE(desktop.exists(retitled));
}

// What a user can see of one tick: the windows sent the command, in order, and the selection.
struct Observed {
    std::vector<WindowId> commands;
    int selection = -1;
    bool operator==(const Observed&) const = default;
};

using Scenario = std::function<void(fakes::FakeDesktop&, fakes::FakeListBox&)>;

Observed runTick(const Scenario& scenario, bool naive) {
    fakes::FakeDesktop desktop;
    fakes::FakeListBox lstCaption;
    scenario(desktop, lstCaption);
    fakes::FakeClock clock;
    fakes::FakeTimer pulse{0};
    ListedCaptions captions{lstCaption, desktop};
    fakes::FakeRecorder recorder;
    CloseEngine engine{desktop, clock, pulse, recorder};
    if (naive) {
        // One title search per entry, closing the first window that bears it.
        for (int i = lstCaption.count() - 1; i >= 0; --i) {
            const ListEntry entry = captions.entry(i);
            const std::string key = desktop.titleKey(entry.text);
            for (const TopWindow& w : desktop.topLevelWindows()) {
                if (!key.empty() && desktop.titleKey(w.title) == key &&
                    engine.closeInBackground(w.id, entry, CloseTrigger::Sweep)) {
                    break;
                }
            }
        }
    } else {
        Sweep{captions, engine, desktop}.tmrVerifica_Timer();
    }
    return {desktop.commands, lstCaption.selected};
}

TEST(SweepAgainstNaiveTest, ClosesTheSameWindowsInTheSameOrder) {
    const struct {
        const char* name;
        Scenario scenario;
        std::size_t commands;
    } scenarios[] = {
        {"duplicate entries, two windows of one title",
         [](auto& d, auto& l) {
             d.open("Reclama");
             d.open("reclama");
             l.items = {"Reclama", "Reclama"};
         },
         2},
        {"three windows of one title, one entry",
         [](auto& d, auto& l) {
             d.open("Reclama");
             d.open("Reclama");
             d.open("Reclama");
             l.items = {"Reclama"};
         },
         1},
        {"hidden twin in front of a visible one",
         [](auto& d, auto& l) {
             d.open("Reclama", false);
             d.open("Reclama");
             l.items = {"Reclama", "Reclama"};
         },
         1},
        {"children and partial titles",
         [](auto& d, auto& l) {
             const WindowId top = d.open("Editor");
             d.open("Reclama", true, top);
             d.open("Reclama noua");
             l.items = {"Editor", "Reclama"};
         },
         1},
        {"one that drops the command, one that refuses",
         [](auto& d, auto& l) {
             d.find(d.open("Reclama"))->ignoresCommand = true;
             d.find(d.open("Oferta"))->refusesClose = true;
             l.items = {"Oferta", "Reclama"};
         },
         2},
    };
    for (const auto& s : scenarios) {
        const Observed ours = runTick(s.scenario, false);
        EXPECT_EQ(ours, runTick(s.scenario, true)) << s.name;
        EXPECT_EQ(ours.commands.size(), s.commands) << s.name;
        EXPECT_EQ(ours.selection, -1) << s.name;
    }
}

TEST(SweepAgainstNaiveTest, AWindowOpenedDuringTheTickWaitsForTheWatcherOrTheNextTick) {
    const Scenario opensAnother = [](auto& d, auto& l) {
        const WindowId first = d.open("Zzz");
        d.open("Alfa");
        d.onCommand = [&d, first](WindowId w) {
            if (w == first) {
                d.open("Alfa");
            }
        };
        l.items = {"Alfa", "Alfa", "Zzz"};
    };
    // The naive sweep looks the desktop up again for every entry and finds the newcomer;
    // the tick's one reading does not, and nothing it reads is closed twice.
    EXPECT_EQ(runTick(opensAnother, true).commands.size(), 3u);
    EXPECT_EQ(runTick(opensAnother, false).commands.size(), 2u);
}

TEST(IntervalBoxTest, EachKeystrokeSetsAValidIntervalAndKeepsItOtherwise) {
    fakes::FakeTextBox txtTimp;
    fakes::FakeTimer tmrVerifica;
    IntervalBox box{txtTimp, tmrVerifica};
    const struct {
        const char* text;
        int interval;
    } typed[] = {
        {"1", 1000},   {"15", 15000}, {"15a", 15000}, {"", 15000},   {"-", 15000},
        {"-1", 15000}, {"33", 15000}, {"2.5", 2000},  {"3.5", 4000}, {"32", 32000},
        {"0", 0},      {"abc", 0},    {" 5 ", 5000},
    };
    for (const auto& t : typed) {
        txtTimp.value = t.text;
        box.txtTimp_Change();
        EXPECT_EQ(tmrVerifica.milliseconds, t.interval) << '"' << t.text << '"';
    }
}

}  // namespace
}  // namespace zorvel
