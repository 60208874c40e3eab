#include "dressing/FocusKeeper.h"

#include <gtest/gtest.h>

#include "fakes/FakeControls.h"
#include "fakes/FakeForm.h"

namespace zorvel {
namespace {

class FocusKeeperTest : public ::testing::Test {
  protected:
    fakes::FakeForm form;
    fakes::FakeButton cmdExit;
    FocusKeeper keeper{form, cmdExit};
};

TEST_F(FocusKeeperTest, TheFocusReturnsToTheControlThatHadItWhenTheWindowLeftTheFront) {
    form.focused = 0x42;
    keeper.Form_Activate(false);
    form.focused = 0;  // the control in front elsewhere took it
    keeper.Form_Activate(true);
    EXPECT_EQ(form.focused, 0x42u);
    EXPECT_EQ(cmdExit.focusCount, 0);
}

TEST_F(FocusKeeperTest, WithoutAFocusedControlTheFocusGoesToCmdExit) {
    keeper.Form_Activate(true);
    EXPECT_EQ(cmdExit.focusCount, 1);
    form.focused = 0;
    keeper.Form_Activate(false);
    keeper.Form_Activate(true);
    EXPECT_EQ(cmdExit.focusCount, 2);
}

TEST_F(FocusKeeperTest, EachDeactivationRemembersAfresh) {
    form.focused = 0x42;
    keeper.Form_Activate(false);
    keeper.Form_Activate(true);
    form.focused = 0x43;
    keeper.Form_Activate(false);
    form.focused = 0;
    keeper.Form_Activate(true);
    EXPECT_EQ(form.focused, 0x43u);
}

}  // namespace
}  // namespace zorvel
