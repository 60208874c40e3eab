#include "captions/ListEditor.h"

#include <gtest/gtest.h>

#include "fakes/FakeControls.h"
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
    ListEditor editor{lstCaption, txtCaption, form};
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
        {"stars, quotes, blanks", " ***\"x\" = [y]; ", " ***\"x\" = [y]; "},
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
