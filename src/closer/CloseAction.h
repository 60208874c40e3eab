#pragma once

#include "closer/CloseEngine.h"
#include "closer/ListedCaptions.h"
#include "closer/TitleIndex.h"
#include "platform/Desktop.h"

namespace zorvel {

// Closes the window titled like the selected caption by sending it Alt+F4.
class CloseAction {
  public:
    CloseAction(ListedCaptions& lstCaption, Desktop& desktop, CloseEngine& engine)
        : lstCaption_(lstCaption), desktop_(desktop), engine_(engine) {}

    void lstCaption_DblClick();
    void cmdClose_Click();
    // The close action on `caption` with the windows of `titles`; the close itself completes
    // later, once the window is in front.
    void close(const std::string& caption, const TitleIndex& titles);

  private:
    ListedCaptions& lstCaption_;
    Desktop& desktop_;
    CloseEngine& engine_;
};

}  // namespace zorvel
