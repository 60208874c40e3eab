#pragma once

#include "platform/Controls.h"

namespace zorvel {

// A button released on the tray icon; anything else the icon reports is Other.
enum class TrayClick { LeftUp, RightUp, Other };

// A character typed into a text box, as its key handler tells them apart.
enum class TypedKey { Enter, Other };

// Every event the main window and its controls raise, named after control and event.
// Mouse coordinates are pixels: the window's own relative to its client area.
class FormEvents {
  public:
    virtual ~FormEvents() = default;
    virtual void Form_Load() = 0;
    // Returns true to refuse the unload (the window stays, hidden).
    virtual bool Form_Unload() = 0;
    virtual void Form_MouseMove(float x, float y) = 0;
    virtual void Form_MouseUp(float x, float y) = 0;
    // The window lost the mouse capture to the system (a cancelled mode), not by releasing it.
    virtual void Form_CaptureLost() = 0;
    virtual void Form_Activate(bool active) = 0;
    // The platform asks for the pointer to show over the window's surface or the link label
    // (`overSurface`) or elsewhere; returns true when a pointer was shown.
    virtual bool Form_SetPointer(bool overSurface) = 0;
    virtual void Form_SessionEnding() = 0;
    virtual void cmdExit_Click() = 0;
    virtual void cmdAdauga_Click() = 0;
    virtual void txtCaption_KeyPress(TypedKey key) = 0;
    virtual void cmdModifica_Click() = 0;
    virtual void cmdSterge_Click() = 0;
    virtual void cmdStergeLista_Click() = 0;
    virtual void lstCaption_DblClick() = 0;
    // The list's context menu is asked for, for the selected entry (a right click selects the
    // entry under it first), to open at this point of the screen.
    virtual void lstCaption_ContextMenu(Point screen) = 0;
    virtual void cmdClose_Click() = 0;
    virtual void chkMarcaj_Click() = 0;
    virtual void chkOnTop_Click() = 0;
    virtual void txtTimp_Change() = 0;
    virtual void tmrVerifica_Timer() = 0;
    virtual void tmrRecheck_Timer() = 0;
    virtual void tmrLog_Timer() = 0;
    virtual void tmrPause_Timer() = 0;
    virtual void Label2_Click() = 0;
    virtual void Label2_MouseMove() = 0;
    // chkMarcaj, cmdClose and cmdExit share the label's hover reset.
    virtual void resettingControl_MouseMove() = 0;
    virtual void mnuOpen_Click() = 0;
    virtual void mnuLog_Click() = 0;
    virtual void mnuPauseTenMinutes_Click() = 0;
    virtual void mnuPauseOneHour_Click() = 0;
    virtual void mnuPauseUntilResumed_Click() = 0;
    virtual void mnuResume_Click() = 0;
    virtual void mnuExit_Click() = 0;
    virtual void mnuStartWithWindows_Click() = 0;
    virtual void trayIcon_Notify(TrayClick click) = 0;
    virtual void taskbarCreated() = 0;
};

}  // namespace zorvel
