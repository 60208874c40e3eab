#include "captions/ListEditor.h"

#include <gtest/gtest.h>

#include "fakes/FakeControls.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeForm.h"

namespace zorvel {
namespace {

using Items = std::vector<std::string>;

class ListEditorTest : public ::testing::Test {
  protected:
    void type(const std::string& text) { txtCaption.value = text; }
    void add(const std::string& text) {
        type(text);
        editor.cmdAdauga_Click();
    }

    fakes::FakeListBox lstCaption;
    fakes::FakeTextBox txtCaption;
    fakes::FakeForm form;
    fakes::FakeDesktop desktop;
    ListEditor editor{lstCaption, txtCaption, form, desktop};
};

TEST_F(ListEditorTest, AddKeepsTheListSortedIgnoringCaseAndKeepsDuplicates) {
    add("b");
    add("A");
    add("Reclama");
    add("reclama");
    add("  ");
    EXPECT_EQ(lstCaption.items, (Items{"  ", "A", "b", "reclama", "Reclama"}));
    EXPECT_EQ(txtCaption.value, "");
    EXPECT_EQ(txtCaption.focusCount, 5);
}

TEST_F(ListEditorTest, AddWithAnEmptyBoxAddsNothingButStillClearsAndFocuses) {
    editor.cmdAdauga_Click();
    EXPECT_TRUE(lstCaption.items.empty());
    EXPECT_EQ(txtCaption.focusCount, 1);
}

TEST_F(ListEditorTest, EnterAddsAndOtherKeysDoNot) {
    type("Oferta speciala");
    editor.txtCaption_KeyPress(TypedKey::Other);
    EXPECT_TRUE(lstCaption.items.empty());
    editor.txtCaption_KeyPress(TypedKey::Enter);
    EXPECT_EQ(lstCaption.items, (Items{"Oferta speciala"}));
    EXPECT_EQ(txtCaption.value, "");
}

TEST_F(ListEditorTest, ModifyMovesTheSelectedEntryIntoTheBoxFullySelected) {
    add("Alfa");
    add("Beta");
    lstCaption.select(1);
    editor.cmdModifica_Click();
    EXPECT_EQ(lstCaption.items, (Items{"Alfa"}));
    EXPECT_EQ(txtCaption.value, "Beta");
    EXPECT_TRUE(txtCaption.allSelected);
    EXPECT_EQ(lstCaption.selected, -1);

    editor.txtCaption_KeyPress(TypedKey::Enter);
    EXPECT_EQ(lstCaption.items, (Items{"Alfa", "Beta"}));
}

// Edited, an entry keeps what else it is; only the entry taken back, and only once.
TEST_F(ListEditorTest, AModifiedEntryKeepsItsProgramButtonAndCount) {
    ListEntry nag{"Actualizare",        EntryKind::Caption, "nag.exe", EntryButton{7, "Nu"}, 4,
                  "2026-12-08 10:41:07"};
    lstCaption.add(nag);
    lstCaption.select(0);
    editor.cmdModifica_Click();
    type("Actualizare noua");
    editor.cmdAdauga_Click();
    type("Alta");
    editor.cmdAdauga_Click();
    nag.text = "Actualizare noua";
    EXPECT_EQ(lstCaption.entry(0), nag);
    EXPECT_EQ(lstCaption.entry(1), ListEntry{"Alta"});
}

TEST_F(ListEditorTest, ModifyWithoutSelectionOnlySelectsTheBoxText) {
    add("Alfa");
    type("in lucru");
    editor.cmdModifica_Click();
    EXPECT_EQ(lstCaption.items, (Items{"Alfa"}));
    EXPECT_EQ(txtCaption.value, "in lucru");
    EXPECT_TRUE(txtCaption.allSelected);
}

TEST_F(ListEditorTest, DeleteAsksAndRemovesOnlyOnYes) {
    add("Alfa");
    add("Beta");
    lstCaption.select(0);
    form.answer = Answer::No;
    editor.cmdSterge_Click();
    EXPECT_EQ(lstCaption.items, (Items{"Alfa", "Beta"}));
    ASSERT_EQ(form.questions.size(), 1u);
    EXPECT_EQ(form.questions[0], "Atentie: Sinteti sigur ca doriti stergerea ?");

    form.answer = Answer::Yes;
    editor.cmdSterge_Click();
    EXPECT_EQ(lstCaption.items, (Items{"Beta"}));
    EXPECT_EQ(txtCaption.focusCount, 4);
}

TEST_F(ListEditorTest, DeleteWithoutSelectionAsksNothing) {
    add("Alfa");
    editor.cmdSterge_Click();
    EXPECT_TRUE(form.questions.empty());
    EXPECT_EQ(lstCaption.items, (Items{"Alfa"}));
}

TEST_F(ListEditorTest, YesRemovesTheEntryAskedAboutEvenIfATickMovedTheSelection) {
    add("Alfa");
    add("Beta");
    add("Gama");
    lstCaption.select(2);
    form.answer = Answer::Yes;
    form.whileAsking = [this] { lstCaption.select(0); };
    editor.cmdSterge_Click();
    EXPECT_EQ(lstCaption.items, (Items{"Alfa", "Beta"}));
}

TEST_F(ListEditorTest, YesFindsTheEntryAskedAboutWhenAnAddShiftedIt) {
    add("Beta");
    add("Gama");
    lstCaption.select(0);
    form.answer = Answer::Yes;
    form.whileAsking = [this] { lstCaption.add("Alfa"); };
    editor.cmdSterge_Click();
    EXPECT_EQ(lstCaption.items, (Items{"Alfa", "Gama"}));
}

using Kinds = std::vector<EntryKind>;
constexpr EntryKind kCaption = EntryKind::Caption;
constexpr EntryKind kPattern = EntryKind::Pattern;

TEST_F(ListEditorTest, TextWithWildcardsAsksAndTheAnswerDecidesTheEntry) {
    struct Row {
        const char* name;
        std::string typed;
        Answer answer;
        Items items;
        Kinds kinds;
        std::string leftInBox;
        size_t questions;
        size_t warnings;
    };
    const Row rows[] = {
        {"YesAddsAPattern", "Oferta *", Answer::Yes, {"Oferta *"}, {kPattern}, "", 1, 0},
        {"NoAddsTheExactText", "Oferta *", Answer::No, {"Oferta *"}, {kCaption}, "", 1, 0},
        {"CancelAddsNothing", "Oferta ?", Answer::Cancel, {}, {}, "Oferta ?", 1, 0},
        {"ABroadPatternIsRefusedUnasked", "* - *", Answer::No, {}, {}, "* - *", 0, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        lstCaption.clear();
        form.questions.clear();
        form.warnings.clear();
        form.answer = row.answer;
        add(row.typed);
        EXPECT_EQ(form.questions.size(), row.questions);
        EXPECT_EQ(lstCaption.items, row.items);
        EXPECT_EQ(lstCaption.kinds(), row.kinds);
        EXPECT_EQ(txtCaption.value, row.leftInBox);
        ASSERT_EQ(form.warnings.size(), row.warnings);
        if (row.warnings != 0) {
            EXPECT_NE(form.warnings[0].find("cel putin 3 litere sau cifre la rand"),
                      std::string::npos);
        }
    }
}

TEST_F(ListEditorTest, PlainTextIsAddedExactWithoutAQuestion) {
    add("Oferta speciala");
    EXPECT_TRUE(form.questions.empty());
    EXPECT_EQ(lstCaption.kinds(), (Kinds{kCaption}));
}

TEST_F(ListEditorTest, TheQuestionCountsTheMatchingWindowsOfOthersAndNamesFive) {
    for (const char* title : {"Oferta 1234", "Alta Oferta", "Oferta", "oferta speciala"}) {
        desktop.open(title);
    }
    desktop.open("Oferta ascunsa", false);
    desktop.find(desktop.open("Oferta Zorvel"))->ours = true;
    desktop.find(desktop.open("Oferta shell"))->shell = true;
    form.answer = Answer::Cancel;
    add("Oferta *");
    ASSERT_EQ(form.questions.size(), 1u);
    const std::string& asked = form.questions[0];
    EXPECT_TRUE(asked.starts_with("Atentie: Folositi textul ca model ?")) << asked;
    EXPECT_TRUE(asked.ends_with("Acum se potrivesc 2 ferestre:\nOferta 1234\noferta speciala"))
        << asked;

    for (int i = 0; i < 6; ++i) {
        desktop.open("Oferta " + std::to_string(i));
    }
    form.questions.clear();
    add("Oferta *");
    EXPECT_NE(form.questions[0].find("Acum se potrivesc 8 ferestre:"), std::string::npos);
    EXPECT_TRUE(
        form.questions[0].ends_with("\nOferta 1234\noferta speciala\nOferta 0\nOferta "
                                    "1\nOferta 2\n..."))
        << form.questions[0];

    form.questions.clear();
    add("Nimic *");
    EXPECT_TRUE(form.questions[0].ends_with("Acum nu se potriveste nicio fereastra."));
}

TEST_F(ListEditorTest, ThePreviewShowsEachTitleOnOneLineCutTo60Characters) {
    desktop.open("Oferta\r\nde azi\t!");
    desktop.open("Oferta " + std::string(53, 'x') + "y");
    form.answer = Answer::Cancel;
    add("Oferta*");
    ASSERT_EQ(form.questions.size(), 1u);
    EXPECT_TRUE(
        form.questions[0].ends_with(":\nOferta  de azi !\nOferta " + std::string(53, 'x') + "..."))
        << form.questions[0];
}

TEST_F(ListEditorTest, ModifyOnAPatternGivesItsTextBackAndAddingItAsksAgain) {
    form.answer = Answer::Yes;
    add("Oferta *");
    lstCaption.select(0);
    editor.cmdModifica_Click();
    EXPECT_EQ(txtCaption.value, "Oferta *");
    EXPECT_TRUE(lstCaption.items.empty());
    form.answer = Answer::No;
    editor.cmdAdauga_Click();
    EXPECT_EQ(form.questions.size(), 2u);
    EXPECT_EQ(lstCaption.kinds(), (Kinds{kCaption}));
}

TEST_F(ListEditorTest, ClearEmptiesWithoutAskingOrMovingFocus) {
    add("Alfa");
    add("Beta");
    const int focusBefore = txtCaption.focusCount;
    editor.cmdStergeLista_Click();
    EXPECT_TRUE(lstCaption.items.empty());
    EXPECT_TRUE(form.questions.empty());
    EXPECT_EQ(txtCaption.focusCount, focusBefore);
}

std::string times(const std::string& text, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        out += text;
    }
    return out;
}

// The list holds what the settings file will give back: one line, at most 255 UTF-16 units,
// cut between characters; everything else exactly as typed.
TEST_F(ListEditorTest, AddTakesTheTextAsTheFileWillHoldIt) {
    const std::string face = "\xF0\x9F\x98\x80";  // two UTF-16 units
    const struct {
        const char* name;
        std::string typed;
        std::string listed;
    } cases[] = {
        {"breaks and tabs", "\tA\r\nB\nC\rD\t", " A  B C D "},
        {"stars, quotes, blanks", " ***\"xyz\" = [y]; ", " ***\"xyz\" = [y]; "},
        {"300 letters", std::string(300, 'a'), std::string(255, 'a')},
        {"pair that fits", std::string(253, 'a') + face + "b", std::string(253, 'a') + face},
        {"pair that would be split", std::string(254, 'a') + face, std::string(254, 'a')},
        {"300 Romanian letters", times("\xC8\x99", 300), times("\xC8\x99", 255)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        lstCaption.clear();
        add(c.typed);
        EXPECT_EQ(lstCaption.items, Items{c.listed});
        EXPECT_EQ(txtCaption.value, "");
    }
}

}  // namespace
}  // namespace zorvel
