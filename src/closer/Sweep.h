#pragma once

#include "closer/CloseAction.h"
#include "platform/Controls.h"
#include "platform/Desktop.h"

namespace zorvel {

// Every tick runs the close action on each entry, from the last to the first.
class Sweep {
  public:
    Sweep(ListBox& lstCaption, CloseAction& closer, Desktop& desktop)
        : lstCaption_(lstCaption), closer_(closer), desktop_(desktop) {}

    void tmrVerifica_Timer();

  private:
    ListBox& lstCaption_;
    CloseAction& closer_;
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
