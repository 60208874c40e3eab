#pragma once

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Shell.h"

namespace zorvel {

// Label2 behaves like a hyperlink to the home page.
class LinkLabel {
  public:
    LinkLabel(Label& label2, Form& form, Shell& shell)
        : label2_(label2), form_(form), shell_(shell) {}

    // Pointer over the label: 8-point bold and the custom pointer, loaded afresh.
    void Label2_MouseMove();
    // Pointer over the window's surface or chkMarcaj, cmdClose, cmdExit: 10-point regular.
    void hoverReset();
    void Label2_Click();

  private:
    Label& label2_;
    Form& form_;
    Shell& shell_;
};

}  // namespace zorvel
