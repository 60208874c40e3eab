#pragma once

#include "platform/Controls.h"
#include "platform/Form.h"

namespace zorvel {

// Like a dialog: when the window comes back to the front, the focus returns to the control
// that had it when the window lost it, or to cmdExit when none had it.
class FocusKeeper {
  public:
    FocusKeeper(Form& form, Button& cmdExit) : form_(form), cmdExit_(cmdExit) {}

    void Form_Activate(bool active);

  private:
    Form& form_;
    Button& cmdExit_;
    WindowId focused_ = 0;
};

}  // namespace zorvel
