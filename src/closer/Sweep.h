#pragma once

#include "closer/CloseEngine.h"
#include "closer/ListedCaptions.h"
#include "platform/Controls.h"
#include "platform/Desktop.h"

namespace zorvel {

// Every tick closes, for each entry from the last to the first, one window that bears it:
// the windows that were open before the watch could see them appear.
class Sweep {
  public:
    Sweep(ListedCaptions& lstCaption, CloseEngine& engine, Desktop& desktop)
        : lstCaption_(lstCaption), engine_(engine), desktop_(desktop) {}

    void tmrVerifica_Timer();

  private:
    ListedCaptions& lstCaption_;
    CloseEngine& engine_;
    Desktop& desktop_;
};

// The interval typed into txtTimp becomes the timer's, keystroke by keystroke.
class IntervalBox {
  public:
    IntervalBox(TextBox& txtTimp, Timer& tmrVerifica)
        : txtTimp_(txtTimp), tmrVerifica_(tmrVerifica) {}

    void txtTimp_Change();

  private:
    TextBox& txtTimp_;
    Timer& tmrVerifica_;
};

}  // namespace zorvel
