#include "closer/CloseAction.h"

#include <string>

namespace zorvel {

void CloseAction::lstCaption_DblClick() {
    const int selected = lstCaption_.selectedIndex();
    if (selected == -1) {
        return;
    }
    const std::string caption = lstCaption_.item(selected);
    // An empty caption would match untitled windows, which nobody listed.
    hwndFound_ = caption.empty() ? 0 : desktop_.findVisibleTopLevel(caption);
    if (hwndFound_ == 0) {
        return;
    }
    desktop_.activate(hwndFound_);
    // Alt+F4 goes to whatever is in front: if the found window did not get there (refused,
    // hidden or gone meanwhile) the chord would close an innocent window, or the session.
    if (desktop_.foreground() != hwndFound_ || !desktop_.isVisible(hwndFound_)) {
        return;
    }
    desktop_.sendCloseChord(hwndFound_);
}

void CloseAction::cmdClose_Click() {
    if (lstCaption_.selectedIndex() != -1) {
        lstCaption_DblClick();
    }
}

}  // namespace zorvel
