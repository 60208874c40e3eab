#pragma once

#include "closer/CloseEngine.h"
#include "closer/ListedCaptions.h"
#include "closer/TitleIndex.h"
#include "platform/Desktop.h"

namespace zorvel {

// The user's close: the window titled like the selected caption gets the close command.
class CloseAction {
  public:
    CloseAction(ListedCaptions& lstCaption, Desktop& desktop, CloseEngine& engine)
        : lstCaption_(lstCaption), desktop_(desktop), engine_(engine) {}

    // Closes the first window titled like the selected entry; the close completes later,
    // once the window is in front.
    void lstCaption_DblClick();
    void cmdClose_Click();

  private:
    ListedCaptions& lstCaption_;
    Desktop& desktop_;
    CloseEngine& engine_;
};

}  // namespace zorvel
