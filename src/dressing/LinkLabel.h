#pragma once

#include "platform/Controls.h"
#include "platform/Pointer.h"
#include "platform/Shell.h"

namespace zorvel {

// Label2 behaves like a hyperlink to the home page.
class LinkLabel {
  public:
    LinkLabel(Label& label2, Pointer& pointer, Shell& shell)
        : label2_(label2), pointer_(pointer), shell_(shell) {}

    // Pointer over the label: 8-point bold and the custom pointer, loaded afresh.
    void Label2_MouseMove();
    // Pointer over the window's surface or chkMarcaj, cmdClose, cmdExit: 10-point regular.
    void hoverReset();
    void Label2_Click();

  private:
    Label& label2_;
    Pointer& pointer_;
    Shell& shell_;
};

}  // namespace zorvel
