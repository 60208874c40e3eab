#pragma once

#include "platform/Controls.h"
#include "platform/Form.h"

namespace zorvel {

// chkOnTop switches the main window between topmost ("V") and the normal order ("^").
class OnTopToggle {
  public:
    OnTopToggle(CheckBox& chkOnTop, Button& cmdClose, Form& form)
        : chkOnTop_(chkOnTop), cmdClose_(cmdClose), form_(form) {}

    void chkOnTop_Click();

  private:
    CheckBox& chkOnTop_;
    Button& cmdClose_;
    Form& form_;
};

}  // namespace zorvel
