#include "app/frmZorvel.h"

#include <string>

#include "base/Texts.h"

namespace zorvel {

frmZorvel::frmZorvel(const FormControls& c, const Services& s)
    : s_(s),
      tmrVerifica_(c.tmrVerifica),
      tmrRecheck_(c.tmrRecheck),
      captions_(c.lstCaption, s.desktop),
      engine_(s.desktop, s.clock, c.tmrRecheck),
      watcher_(captions_, s.desktop, engine_, s.clock, c.tmrRecheck, s.watch),
      editor_(captions_, c.txtCaption, s.form, s.desktop),
      closer_(captions_, s.desktop, engine_),
      sweep_(captions_, closer_, s.desktop),
      intervalBox_(c.txtTimp, c.tmrVerifica),
      settings_(s.settings, captions_, c.txtTimp, c.tmrVerifica),
      tray_(s.form, s.shell),
      pointer_(s.form, c.chkMarcaj),
      picker_(c.chkMarcaj, c.cmdClose, captions_, s.form, pointer_, s.desktop),
      onTop_(c.chkOnTop, c.cmdClose, s.form),
      link_(c.Label2, pointer_, s.shell),
      focus_(s.form, c.cmdExit) {}

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
    followInterval();
}

void frmZorvel::txtTimp_Change() {
    intervalBox_.txtTimp_Change();
    followInterval();
}

void frmZorvel::followInterval() {
    watcher_.setEnabled(tmrVerifica_.interval() > 0);
}

void frmZorvel::tmrRecheck_Timer() {
    engine_.tick();
    watcher_.tick();
    if (!engine_.busy() && !watcher_.busy()) {
        tmrRecheck_.setInterval(0);
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
    pointer_.Form_MouseMove();
}

void frmZorvel::Form_SessionEnding() {
    // The session ends without an unload: without this every edit since the start is lost.
    // A box would hold the session up, so a failed save goes untold here.
    tray_.removeIcon();
    static_cast<void>(settings_.save());
}

void frmZorvel::trayIcon_Notify(TrayClick click) {
    link_.hoverReset();
    tray_.iconNotify(click);
}

void frmZorvel::warnAbout(const char* text) {
    s_.form.warn(std::string(text) + '\n' + s_.settings.path(), texts::kAttention);
}

void frmZorvel::requestExit() {
    blnExitRequested_ = true;
    s_.form.unload();
}

}  // namespace zorvel
