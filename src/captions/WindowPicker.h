#pragma once

#include "platform/Controls.h"
#include "platform/Desktop.h"
#include "platform/Form.h"
#include "platform/Pointer.h"

namespace zorvel {

// Takes a caption from a window on screen: tick chkMarcaj, release the mouse over the window.
class WindowPicker {
  public:
    WindowPicker(CheckBox& chkMarcaj, Button& cmdClose, ListBox& lstCaption, Form& form,
                 Pointer& pointer, Desktop& desktop)
        : chkMarcaj_(chkMarcaj),
          cmdClose_(cmdClose),
          lstCaption_(lstCaption),
          form_(form),
          pointer_(pointer),
          desktop_(desktop) {}

    // Arms (capture, custom pointer) or disarms (default pointer, capture released).
    void chkMarcaj_Click();
    // The release: the top of the chain under the point gets its title added, then disarms.
    void Form_MouseUp(float x, float y);
    // Takes the capture back while armed and in front: under X a late focus-out of the click
    // that armed the picker cancels it, and the pick would then never come.
    void Form_CaptureLost();

  private:
    // Released over a push button of another program: the entry may press it instead.
    void askForButton(ListEntry& picked, WindowId under, WindowId top);

    CheckBox& chkMarcaj_;
    Button& cmdClose_;
    ListBox& lstCaption_;
    Form& form_;
    Pointer& pointer_;
    Desktop& desktop_;
};

}  // namespace zorvel
