#include "app/frmZorvel.h"

namespace zorvel {

frmZorvel::frmZorvel(const FormControls& c, const Services& s)
    : s_(s),
      editor_(c.lstCaption, c.txtCaption, s.form),
      closer_(c.lstCaption, s.desktop),
      sweep_(c.lstCaption, closer_, s.desktop),
      intervalBox_(c.txtTimp, c.tmrVerifica),
      settings_(s.settings, c.lstCaption, c.txtTimp, c.tmrVerifica),
      tray_(s.form, s.shell),
      picker_(c.chkMarcaj, c.cmdClose, c.lstCaption, s.form, s.desktop),
      onTop_(c.chkOnTop, c.cmdClose, s.form),
      link_(c.Label2, s.form, s.shell) {}

void frmZorvel::Form_Load() {
    if (s_.instance.anotherIsRunning()) {
        s_.instance.warnAlreadyRunning();
        s_.instance.restoreRunningCopy();
        s_.instance.endNow();
        return;
    }
    s_.form.setTopmost(true);
    settings_.load();
}

bool frmZorvel::Form_Unload() {
    if (blnExitRequested_) {
        tray_.removeIcon();
        settings_.save();
        return false;
    }
    tray_.hideToTray();
    return true;
}

void frmZorvel::Form_MouseMove(float, float) {
    // Tray notifications come as a message of their own, so a movement is only a movement.
    link_.hoverReset();
}

void frmZorvel::Form_SessionEnding() {
    // The session ends without an unload: without this every edit since the start is lost.
    tray_.removeIcon();
    settings_.save();
}

void frmZorvel::trayIcon_Notify(TrayClick click) {
    link_.hoverReset();
    tray_.iconNotify(click);
}

void frmZorvel::requestExit() {
    blnExitRequested_ = true;
    s_.form.unload();
}

}  // namespace zorvel
