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
    // The close action with the windows of `titles` as a first look-up: a caption that no
    // window there bears is passed over without asking the desktop. Null asks every time.
    void closeSelected(const WindowSnapshot* titles);

    WindowId hwndFound() const { return hwndFound_; }

  private:
    ListBox& lstCaption_;
    Desktop& desktop_;
    WindowId hwndFound_ = 0;
};

}  // namespace zorvel
