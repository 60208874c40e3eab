#include "closer/CloseAction.h"

#include <string>

namespace zorvel {

void CloseAction::lstCaption_DblClick() {
    closeSelected(nullptr);
}

void CloseAction::closeSelected(const WindowSnapshot* titles) {
    const int selected = lstCaption_.selectedIndex();
    if (selected == -1) {
        return;
    }
    const std::string caption = lstCaption_.item(selected);
    hwndFound_ = 0;
    // An empty caption would match untitled windows, which nobody listed. The snapshot only
    // rules captions out: its windows may since have closed, changed title or had their
    // handle reused, so the desktop's own look-up picks the window, as without a snapshot.
    if (!caption.empty() && (titles == nullptr || !titles->windowsTitled(caption).empty())) {
        hwndFound_ = desktop_.findVisibleTopLevel(caption);
    }
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
