#include "app/frmZorvel.h"

namespace zorvel {

frmZorvel::frmZorvel(const FormControls& controls, const Services& services)
    : c_(controls),
      s_(services),
      editor_(controls.lstCaption, controls.txtCaption, services.form),
      closer_(controls.lstCaption, services.desktop) {}

void frmZorvel::Form_Load() {}

bool frmZorvel::Form_Unload() {
    return false;
}

void frmZorvel::Form_MouseMove(float, float) {}

void frmZorvel::Form_MouseUp(float, float) {}

void frmZorvel::Form_SessionEnding() {}

void frmZorvel::cmdExit_Click() {
    blnExitRequested_ = true;
    s_.form.unload();
}

void frmZorvel::chkMarcaj_Click() {}

void frmZorvel::chkOnTop_Click() {}

void frmZorvel::txtTimp_Change() {}

void frmZorvel::tmrVerifica_Timer() {}

void frmZorvel::Label2_Click() {}

void frmZorvel::Label2_MouseMove() {}

void frmZorvel::resettingControl_MouseMove() {}

void frmZorvel::mnuOpen_Click() {}

void frmZorvel::mnuExit_Click() {}

void frmZorvel::trayIcon_Notify(int) {}

void frmZorvel::taskbarCreated() {}

}  // namespace zorvel
