#pragma once

#include "captions/ListEditor.h"
#include "closer/CloseAction.h"
#include "platform/Controls.h"
#include "platform/Desktop.h"
#include "platform/Form.h"
#include "platform/FormEvents.h"

namespace zorvel {

// The controls of the main window that carry behaviour.
struct FormControls {
    ListBox& lstCaption;
    TextBox& txtCaption;
    TextBox& txtTimp;
    CheckBox& chkMarcaj;
    CheckBox& chkOnTop;
    Button& cmdClose;
    Label& Label2;
    Timer& tmrVerifica;
};

// The platform services the program uses besides its own window.
struct Services {
    Form& form;
    Desktop& desktop;
};

// The main window's behaviour: routes each event to the unit that owns it.
class frmZorvel : public FormEvents {
  public:
    frmZorvel(const FormControls& controls, const Services& services);

    void Form_Load() override;
    bool Form_Unload() override;
    void Form_MouseMove(float x, float y) override;
    void Form_MouseUp(float x, float y) override;
    void Form_SessionEnding() override;
    void cmdExit_Click() override;
    void cmdAdauga_Click() override { editor_.cmdAdauga_Click(); }
    void txtCaption_KeyPress(int keyAscii) override { editor_.txtCaption_KeyPress(keyAscii); }
    void cmdModifica_Click() override { editor_.cmdModifica_Click(); }
    void cmdSterge_Click() override { editor_.cmdSterge_Click(); }
    void cmdStergeLista_Click() override { editor_.cmdStergeLista_Click(); }
    void lstCaption_DblClick() override { closer_.lstCaption_DblClick(); }
    void cmdClose_Click() override { closer_.cmdClose_Click(); }
    void chkMarcaj_Click() override;
    void chkOnTop_Click() override;
    void txtTimp_Change() override;
    void tmrVerifica_Timer() override;
    void Label2_Click() override;
    void Label2_MouseMove() override;
    void resettingControl_MouseMove() override;
    void mnuOpen_Click() override;
    void mnuExit_Click() override;
    void trayIcon_Notify(int mouseMessage) override;
    void taskbarCreated() override;

    bool exitRequested() const { return blnExitRequested_; }

  private:
    FormControls c_;
    Services s_;
    ListEditor editor_;
    CloseAction closer_;
    bool blnExitRequested_ = false;
};

}  // namespace zorvel
