#pragma once

#include "platform/Controls.h"

namespace zorvel {

// The controls of the main window that carry behaviour.
struct FormControls {
    ListBox& lstCaption;
    TextBox& txtCaption;
    TextBox& txtTimp;
    CheckBox& chkMarcaj;
    CheckBox& chkOnTop;
    Button& cmdClose;
    Button& cmdExit;
    Label& Label2;
    Timer& tmrVerifica;
    // Runs only while a close waits for its window or new windows are being watched.
    Timer& tmrRecheck;
    // Runs only while lines of the close record wait to be written.
    Timer& tmrLog;
    // Fires once, at the end of a pause for a while.
    Timer& tmrPause;
};

}  // namespace zorvel
