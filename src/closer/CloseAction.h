#pragma once

#include "platform/Controls.h"
#include "platform/Desktop.h"

namespace zorvel {

// Closes the window titled like the selected caption by sending it Alt+F4.
class CloseAction {
  public:
    CloseAction(ListBox& lstCaption, Desktop& desktop)
        : lstCaption_(lstCaption), desktop_(desktop) {}

    void lstCaption_DblClick();
    void cmdClose_Click();

    WindowId hwndFound() const { return hwndFound_; }

  private:
    ListBox& lstCaption_;
    Desktop& desktop_;
    WindowId hwndFound_ = 0;
};

}  // namespace zorvel
