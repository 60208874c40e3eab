#pragma once

#include "platform/Form.h"
#include "platform/FormEvents.h"
#include "platform/Shell.h"

namespace zorvel {

// Residence in the notification area: closing hides the window behind a tray icon.
class Tray {
  public:
    Tray(Form& form, Shell& shell);

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
    // The grey icon while closing is paused, and the tip saying until when; an icon not yet
    // added shows them once it is.
    void showPaused(bool paused, const std::string& tip);

  private:
    Form& form_;
    Shell& shell_;
    TrayRecord nidTray_;
    bool paused_ = false;
    std::string tip_;
};

}  // namespace zorvel
