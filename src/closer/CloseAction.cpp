#include "closer/CloseAction.h"

#include <string>

namespace zorvel {

void CloseAction::lstCaption_DblClick() {
    const int selected = lstCaption_.selectedIndex();
    if (selected == -1) {
        return;
    }
    // A pattern closes the first window it matches in the stacking order.
    const ListEntry entry = lstCaption_.entry(selected);
    engine_.closeForUser(TitleIndex(desktop_).windowsFor(entry), entry);
}

void CloseAction::cmdClose_Click() {
    if (lstCaption_.selectedIndex() != -1) {
        lstCaption_DblClick();
    }
}

}  // namespace zorvel
