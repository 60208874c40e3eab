#include "closer/EntryMenu.h"

#include <gtest/gtest.h>

#include "closer/EntryCounts.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeForm.h"
#include "fakes/FakeRecorder.h"

namespace zorvel {
namespace {

constexpr int kProgramLine = 2;

class EntryMenuTest : public ::testing::Test {
  protected:
    // Opens the menu on the only entry and chooses `line` in it; the menu's lines.
    std::vector<MenuLine> choose(int line) {
        lstCaption.select(0);
        form.menuChoice = line;
        menu.lstCaption_ContextMenu(Point{10, 20});
        return form.menus.empty() ? std::vector<MenuLine>{} : form.menus.back();
    }

    fakes::FakeListBox lstCaption;
    fakes::FakeDesktop desktop;
    fakes::FakeForm form;
    ListedCaptions captions{lstCaption, desktop};
    EntryMenu menu{captions, form, desktop};
};

TEST_F(EntryMenuTest, TheProgramLineOffersTheProgramKnownAndTogglesIt) {
    captions.add(ListEntry{"Oferta"});
    std::vector<MenuLine> lines = choose(kProgramLine);
    EXPECT_EQ(lines[kProgramLine].text, "Doar programul (nicio fereastra vazuta)");
    EXPECT_FALSE(lines[kProgramLine].enabled);
    EXPECT_EQ(captions.entry(0).program, "");

    // A window that matches now tells it.
    desktop.open("OFERTA");
    lines = choose(kProgramLine);
    EXPECT_EQ(lines[kProgramLine].text, "Doar programul \u00ABreclame.exe\u00BB");
    EXPECT_FALSE(lines[kProgramLine].marked);
    EXPECT_EQ(captions.entry(0).program, "reclame.exe");

    lines = choose(kProgramLine);
    EXPECT_TRUE(lines[kProgramLine].marked);
    EXPECT_EQ(captions.entry(0).program, "");
    // Closing the menu without a choice changes nothing.
    choose(-1);
    EXPECT_EQ(captions.entry(0).program, "");
    EXPECT_EQ(form.menuPoints.back(), (Point{10, 20}));
}

TEST_F(EntryMenuTest, TheActionIsCloseOrOneOfTheButtonsOfAWindowItMatches) {
    const WindowId nag = desktop.open("Actualizare disponibila");
    desktop.addButton(nag, 6, "&Da");
    desktop.addButton(nag, 7, "&Nu");
    captions.add(ListEntry{"Actualizare disponibila"});
    const auto texts = [](const std::vector<MenuLine>& lines) {
        std::vector<std::string> shown;
        for (std::size_t i = kProgramLine + 2; i < lines.size(); ++i) {
            shown.push_back(lines[i].text + (lines[i].marked ? " *" : ""));
        }
        return shown;
    };
    EXPECT_EQ(texts(choose(kProgramLine + 4)),
              (std::vector<std::string>{"Inchide fereastra *", "Apasa \u00ABDa\u00BB",
                                        "Apasa \u00ABNu\u00BB"}));
    EXPECT_EQ(captions.entry(0).button, (EntryButton{7, "Nu"}));

    desktop.close(nag);
    EXPECT_EQ(texts(choose(kProgramLine + 2)),
              (std::vector<std::string>{"Inchide fereastra", "Apasa \u00ABNu\u00BB *"}));
    EXPECT_EQ(captions.entry(0).button, std::nullopt);
}

// Counted as the record comes back: only closed windows, each entry its own.
TEST(EntryCountsTest, ClosesAreCountedPerEntryWithTheLastTime) {
    fakes::FakeListBox lstCaption;
    fakes::FakeDesktop desktop;
    fakes::FakeClock clock;
    fakes::FakeRecorder log;
    ListedCaptions captions{lstCaption, desktop};
    EntryCounts counts(captions, clock, log);
    captions.add(ListEntry{"Oferta"});
    captions.add(ListEntry{"Oferta", EntryKind::Pattern});
    const ListEntry exact{"Oferta"};
    counts.record({CloseTrigger::Appeared, CloseOutcome::Closed, exact, "Oferta", "a.exe", 5});
    counts.record({CloseTrigger::Sweep, CloseOutcome::NotClosed, exact, "Oferta", "b.exe", {}});
    clock.local.minute = 41;
    counts.record({CloseTrigger::User, CloseOutcome::Closed, exact, "Oferta", "", 9});
    counts.record({CloseTrigger::User, CloseOutcome::Closed, {"Sters"}, "Sters", "", 9});

    const int exactAt = captions.find(exact);
    const ListEntry counted = captions.entry(exactAt);
    EXPECT_EQ(counted.closed, 2);
    EXPECT_EQ(counted.lastClosed, "2026-12-08 09:41:07");
    EXPECT_EQ(counted.seenProgram, "b.exe");
    EXPECT_EQ(closedLine(counted), "Inchisa de 2 ori, ultima data 2026-12-08 09:41");
    EXPECT_EQ(captions.entry(1 - exactAt).closed, 0);
    EXPECT_EQ(closedLine(captions.entry(1 - exactAt)), "Nicio fereastra inchisa inca");
    EXPECT_EQ(log.records.size(), 4u);
}

}  // namespace
}  // namespace zorvel
