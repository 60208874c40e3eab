#pragma once

#include "platform/Form.h"
#include "platform/FormEvents.h"
#include "platform/Shell.h"

namespace zorvel {

// Residence in the notification area: closing hides the window behind a tray icon.
class Tray {
  public:
    Tray(Form& form, Shell& shell) : form_(form), shell_(shell) {}

    // The hiding branch of an unload: fills the record afresh, adds the icon, hides.
    void hideToTray();
    // The ending branch: removes the icon (a never-filled record removes nothing).
    void removeIcon();
    // Puts back an icon removed by an ending that did not happen.
    void restoreIcon();
    // The icon's notification: left-button release shows, right-button release pops the menu.
    void iconNotify(TrayClick click);
    void mnuOpen_Click();
    // The shell's taskbar came back (Explorer restarted): a hidden window needs its icon again.
    void taskbarCreated();

  private:
    Form& form_;
    Shell& shell_;
    TrayRecord nidTray_;
};

}  // namespace zorvel
