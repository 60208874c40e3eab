#include "app/frmZorvel.h"

#include <string>

#include "base/Texts.h"

namespace zorvel {

frmZorvel::frmZorvel(const FormControls& c, const Services& s)
    : s_(s),
      tmrVerifica_(c.tmrVerifica),
      tmrRecheck_(c.tmrRecheck),
      captions_(c.lstCaption, s.desktop),
      log_(s.log, s.clock, c.tmrLog),
      counts_(captions_, s.clock, log_),
      engine_(s.desktop, s.clock, c.tmrRecheck, counts_),
      watcher_(captions_, s.desktop, engine_, s.clock, c.tmrRecheck, s.watch),
      editor_(captions_, c.txtCaption, s.form, s.desktop),
      closer_(captions_, s.desktop, engine_),
      entryMenu_(captions_, s.form, s.desktop),
      sweep_(captions_, engine_, s.desktop),
      intervalBox_(c.txtTimp, c.tmrVerifica),
      settings_(s.settings, captions_, c.txtTimp, c.tmrVerifica),
      tray_(s.form, s.shell),
      pointer_(s.form, c.chkMarcaj),
      picker_(c.chkMarcaj, c.cmdClose, captions_, s.form, pointer_, s.desktop),
      onTop_(c.chkOnTop, c.cmdClose, s.form),
      link_(c.Label2, pointer_, s.shell),
      focus_(s.form, c.cmdExit),
      startWithWindows_(s.autostart, s.form),
      pause_(s.clock, c.tmrPause) {}

void frmZorvel::Form_Load() {
    // Only a guard known to be ours makes this the one copy: a guard that cannot be had may
    // well be held by a copy with other rights, and two copies overwrite each other's list.
    if (s_.instance.claimGuard() != GuardClaim::Ours) {
        s_.instance.warnAlreadyRunning();
        s_.instance.restoreRunningCopy();
        s_.instance.endNow();
        return;
    }
    s_.form.setTopmost(true);
    if (!settings_.load()) {
        s_.form.warn(aboutSettingsFile(texts::kSettingsUnreadable), texts::kAttention);
    }
    followInterval();
}

void frmZorvel::txtTimp_Change() {
    intervalBox_.txtTimp_Change();
    followInterval();
}

void frmZorvel::followInterval() {
    watcher_.setEnabled(tmrVerifica_.interval() > 0 && !pause_.active());
}

void frmZorvel::tmrVerifica_Timer() {
    if (!pause_.active()) {
        sweep_.tmrVerifica_Timer();
    }
}

void frmZorvel::pauseFor(std::optional<std::int64_t> milliseconds) {
    pause_.start(milliseconds);
    followInterval();
    showPause();
}

void frmZorvel::mnuResume_Click() {
    pause_.resume();
    resumed();
}

void frmZorvel::tmrPause_Timer() {
    if (pause_.tmrPause_Timer()) {
        resumed();
    }
}

void frmZorvel::resumed() {
    followInterval();
    showPause();
    // Every window that came meanwhile, not one per entry at the next tick, which may be
    // half a minute away.
    watcher_.lookAtAll();
}

void frmZorvel::showPause() {
    tray_.showPaused(pause_.active(), pause_.tip());
    s_.form.showPaused(pause_.active());
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
        finishRecord();
        return endOrStay();
    }
    tray_.hideToTray();
    return true;
}

bool frmZorvel::endOrStay() {
    // The icon goes first: an Exit chosen from it again while the question is open would
    // unload the window under the question.
    tray_.removeIcon();
    const std::string question =
        aboutSettingsFile(texts::kSettingsNotSaved) + texts::kSettingsNotSavedChoices;
    while (!settings_.save()) {
        const TryAnswer answer = s_.form.askTryAgainOrContinue(question, texts::kAttention);
        if (answer == TryAnswer::Continue) {
            return false;  // the user gives up the edits; the file stays as it was
        }
        if (answer == TryAnswer::Cancel) {
            // The list lives only in the window: staying keeps every edit.
            blnExitRequested_ = false;
            tray_.restoreIcon();
            s_.form.show();
            return true;
        }
    }
    return false;
}

void frmZorvel::Form_MouseMove(float, float) {
    // Tray notifications come as a message of their own, so a movement is only a movement.
    link_.hoverReset();
    pointer_.Form_MouseMove();
}

void frmZorvel::Form_SessionEnding() {
    // The session ends without an unload: without this every edit since the start is lost.
    // A box would hold the session up, so a failed save goes untold here.
    finishRecord();
    tray_.removeIcon();
    static_cast<void>(settings_.save());
}

void frmZorvel::finishRecord() {
    // A close still under way would neither end nor leave its line once the program is gone.
    engine_.finishAll();
    log_.finish();
}

void frmZorvel::mnuLog_Click() {
    // The editor shows what happened until now, and finds a file even before the first close.
    log_.flush();
    const std::string path = s_.log.path();
    if (const std::string why = s_.log.ensureExists(); !why.empty()) {
        s_.form.warn(std::string(texts::kLogNotMade) + '\n' + path + '\n' + why, texts::kAttention);
        return;
    }
    // With no program for .log files the shell opens nothing: the system's editor then.
    if (!s_.shell.openDocument(path) && !s_.shell.openIn("notepad.exe", path)) {
        s_.form.warn(std::string(texts::kLogNotOpened) + '\n' + path, texts::kAttention);
    }
}

void frmZorvel::trayIcon_Notify(TrayClick click) {
    link_.hoverReset();
    if (click == TrayClick::RightUp) {
        // The login entry may have been changed by someone else meanwhile.
        startWithWindows_.showState();
    }
    tray_.iconNotify(click);
}

std::string frmZorvel::aboutSettingsFile(const char* text) const {
    return std::string(text) + '\n' + s_.settings.path();
}

void frmZorvel::requestExit() {
    blnExitRequested_ = true;
    s_.form.unload();
}

}  // namespace zorvel
