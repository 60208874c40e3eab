#include <gtest/gtest.h>

#include "base/Texts.h"
#include "dressing/LinkLabel.h"
#include "dressing/OnTopToggle.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeForm.h"
#include "fakes/FakePointer.h"
#include "fakes/FakeShell.h"

namespace zorvel {
namespace {

// Notes the toggle's caption at the moment the stacking call is made.
struct CaptionAtStackingForm : fakes::FakeForm {
    void setTopmost(bool topmost) override {
        captionsAtCall.push_back(chkOnTop->caption());
        FakeForm::setTopmost(topmost);
    }
    const CheckBox* chkOnTop = nullptr;
    std::vector<std::string> captionsAtCall;
};

class OnTopToggleTest : public ::testing::Test {
  protected:
    OnTopToggleTest() {
        chkOnTop.checked = 1;
        chkOnTop.text = texts::kOnTop;
        chkOnTop.onClick = [this] { toggle.chkOnTop_Click(); };
        form.chkOnTop = &chkOnTop;
    }

    fakes::FakeCheckBox chkOnTop;
    fakes::FakeButton cmdClose;
    CaptionAtStackingForm form;
    OnTopToggle toggle{chkOnTop, cmdClose, form};
};

TEST_F(OnTopToggleTest, EachClickSetsTheCaptionFirstThenTheStackingAndFocusesClose) {
    chkOnTop.setValue(0);
    EXPECT_EQ(chkOnTop.text, "^");
    chkOnTop.setValue(1);
    EXPECT_EQ(chkOnTop.text, "V");
    EXPECT_EQ(form.topmostCalls, (std::vector<bool>{false, true}));
    EXPECT_EQ(form.captionsAtCall, (std::vector<std::string>{"^", "V"}));
    EXPECT_EQ(cmdClose.focusCount, 2);
}

TEST_F(OnTopToggleTest, AnyValueButOneMeansNotTopmost) {
    chkOnTop.setValue(2);
    EXPECT_EQ(chkOnTop.text, "^");
    EXPECT_EQ(form.topmostCalls, std::vector<bool>{false});
}

class LinkLabelTest : public ::testing::Test {
  protected:
    fakes::FakeLabel label2;
    fakes::FakePointer pointer;
    fakes::FakeShell shell;
    LinkLabel link{label2, pointer, shell};
};

TEST_F(LinkLabelTest, HoverTurnsBoldWithTheCustomPointerLoadedOnEveryMove) {
    link.Label2_MouseMove();
    link.Label2_MouseMove();
    EXPECT_EQ(label2.points, 8);
    EXPECT_TRUE(label2.isBold);
    EXPECT_EQ(pointer.style, PointerStyle::Custom);
    EXPECT_EQ(pointer.loads, 2);
}

TEST_F(LinkLabelTest, TheResetBringsBackThePlainLookAndTheDefaultPointer) {
    link.Label2_MouseMove();
    link.hoverReset();
    EXPECT_EQ(label2.points, 10);
    EXPECT_FALSE(label2.isBold);
    EXPECT_EQ(pointer.style, PointerStyle::Default);
    link.hoverReset();  // resetting a plain label changes nothing
    EXPECT_EQ(label2.points, 10);
    EXPECT_EQ(pointer.loads, 1);
}

TEST_F(LinkLabelTest, AClickOpensTheHomePageAndLeavesTheLabelAsItWas) {
    link.Label2_MouseMove();
    link.Label2_Click();
    EXPECT_EQ(shell.opened, std::vector<std::string>{texts::kHomePage});
    EXPECT_EQ(label2.points, 8);
    EXPECT_TRUE(label2.isBold);
    EXPECT_EQ(pointer.style, PointerStyle::Custom);
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(LinkLabelTest, TheLabelShowsTheAddressItOpensWithoutTheScheme) {
    EXPECT_EQ(std::string("http://") + texts::kHomePageShown, texts::kHomePage);
}

}  // namespace
}  // namespace zorvel
