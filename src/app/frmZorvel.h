#pragma once

#include "app/Pause.h"
#include "app/StartWithWindows.h"
#include "app/Tray.h"
#include "captions/ListEditor.h"
#include "captions/WindowPicker.h"
#include "closer/CloseAction.h"
#include "closer/CloseEngine.h"
#include "closer/CloseLog.h"
#include "closer/EntryCounts.h"
#include "closer/EntryMenu.h"
#include "closer/ListedCaptions.h"
#include "closer/Sweep.h"
#include "closer/Watcher.h"
#include "dressing/FocusKeeper.h"
#include "dressing/LinkLabel.h"
#include "dressing/OnTopToggle.h"
#include "dressing/PointerKeeper.h"
#include "platform/Autostart.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/Desktop.h"
#include "platform/Form.h"
#include "platform/FormControls.h"
#include "platform/FormEvents.h"
#include "platform/Instance.h"
#include "platform/LogFile.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/WindowWatch.h"
#include "settings/Settings.h"

namespace zorvel {

// The platform services the program uses besides its own controls.
struct Services {
    Form& form;
    Desktop& desktop;
    Shell& shell;
    SettingsStore& settings;
    Instance& instance;
    Clock& clock;
    WindowWatch& watch;
    LogFile& log;
    Autostart& autostart;
};

// The main window's behaviour: routes each event to the unit that owns it.
class frmZorvel : public FormEvents {
  public:
    frmZorvel(const FormControls& controls, const Services& services);

    void Form_Load() override;
    bool Form_Unload() override;
    void Form_MouseMove(float x, float y) override;
    void Form_MouseUp(float x, float y) override { picker_.Form_MouseUp(x, y); }
    void Form_CaptureLost() override { picker_.Form_CaptureLost(); }
    void Form_Activate(bool active) override { focus_.Form_Activate(active); }
    bool Form_SetPointer(bool overSurface) override {
        return pointer_.Form_SetPointer(overSurface);
    }
    void Form_SessionEnding() override;
    void cmdExit_Click() override { requestExit(); }
    void cmdAdauga_Click() override { editor_.cmdAdauga_Click(); }
    void txtCaption_KeyPress(TypedKey key) override { editor_.txtCaption_KeyPress(key); }
    void cmdModifica_Click() override { editor_.cmdModifica_Click(); }
    void cmdSterge_Click() override { editor_.cmdSterge_Click(); }
    void cmdStergeLista_Click() override { editor_.cmdStergeLista_Click(); }
    void lstCaption_DblClick() override { closer_.lstCaption_DblClick(); }
    void lstCaption_ContextMenu(Point screen) override {
        entryMenu_.lstCaption_ContextMenu(screen);
    }
    void cmdClose_Click() override { closer_.cmdClose_Click(); }
    void chkMarcaj_Click() override { picker_.chkMarcaj_Click(); }
    void chkOnTop_Click() override { onTop_.chkOnTop_Click(); }
    void txtTimp_Change() override;
    void tmrVerifica_Timer() override;
    void tmrRecheck_Timer() override;
    void tmrLog_Timer() override { log_.tmrLog_Timer(); }
    void tmrPause_Timer() override;
    void Label2_Click() override { link_.Label2_Click(); }
    void Label2_MouseMove() override { link_.Label2_MouseMove(); }
    void resettingControl_MouseMove() override { link_.hoverReset(); }
    void mnuOpen_Click() override { tray_.mnuOpen_Click(); }
    void mnuLog_Click() override;
    void mnuPauseTenMinutes_Click() override { pauseFor(Pause::kTenMinutesMs); }
    void mnuPauseOneHour_Click() override { pauseFor(Pause::kOneHourMs); }
    void mnuPauseUntilResumed_Click() override { pauseFor(std::nullopt); }
    void mnuResume_Click() override;
    void mnuExit_Click() override { requestExit(); }
    void mnuStartWithWindows_Click() override { startWithWindows_.mnuStartWithWindows_Click(); }
    void trayIcon_Notify(TrayClick click) override;
    void taskbarCreated() override { tray_.taskbarCreated(); }

    // The settings file was written, by hand or by another program.
    void settingsFile_Change() { settings_.merge(); }

    // Where the outcome of every close goes.
    CloseRecorder& closeRecorder() { return counts_; }

  private:
    void requestExit();
    // The ending branch of an unload: false once the settings are saved or the user gave them
    // up after a failed save, true when the user chose to stay.
    bool endOrStay();
    // Before the program ends: closes under way are finished and every line written.
    void finishRecord();
    // A message about the settings file, naming it.
    std::string aboutSettingsFile(const char* text) const;

    // Automatic closing, the instant one included, runs while the interval is not 0 and no
    // pause is on.
    void followInterval();
    void pauseFor(std::optional<std::int64_t> milliseconds);
    // The end of a pause: one look at once closes what appeared meanwhile.
    void resumed();
    // The tray and its menu show whether a pause is on.
    void showPause();

    Services s_;
    Timer& tmrVerifica_;
    Timer& tmrRecheck_;
    ListedCaptions captions_;
    // Before the engine, which records every close in it.
    CloseLog log_;
    EntryCounts counts_;
    CloseEngine engine_;
    Watcher watcher_;
    ListEditor editor_;
    CloseAction closer_;
    EntryMenu entryMenu_;
    Sweep sweep_;
    IntervalBox intervalBox_;
    Settings settings_;
    Tray tray_;
    PointerKeeper pointer_;
    WindowPicker picker_;
    OnTopToggle onTop_;
    LinkLabel link_;
    FocusKeeper focus_;
    StartWithWindows startWithWindows_;
    Pause pause_;
    bool blnExitRequested_ = false;
};

}  // namespace zorvel
