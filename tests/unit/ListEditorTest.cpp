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

}  // namespace
}  // namespace zorvel
