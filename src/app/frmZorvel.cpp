#include "app/frmZorvel.h"

#include <string>

#include "app/Texts.h"

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
    if (!settings_.load()) {
        warnAbout(texts::kSettingsUnreadable);
    }
}

bool frmZorvel::Form_Unload() {
    if (blnExitRequested_) {
        tray_.removeIcon();
        if (!settings_.save()) {
            warnAbout(texts::kSettingsNotSaved);
        }
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
    // A box would hold the session up, so a failed save goes untold here.
    tray_.removeIcon();
    static_cast<void>(settings_.save());
}

void frmZorvel::trayIcon_Notify(int mouseMessage) {
    link_.hoverReset();
    tray_.iconNotify(mouseMessage);
}

void frmZorvel::warnAbout(const char* text) {
    s_.form.warn(std::string(text) + '\n' + s_.settings.path(), texts::kAttention);
}

void frmZorvel::requestExit() {
    blnExitRequested_ = true;
    s_.form.unload();
}

}  // namespace zorvel
