#include "closer/CloseAction.h"

#include <string>

namespace zorvel {

void CloseAction::lstCaption_DblClick() {
    const int selected = lstCaption_.selectedIndex();
    if (selected == -1) {
        return;
    }
    const ListedEntry entry = lstCaption_.entryOf(lstCaption_.item(selected));
    if (!entry.key.empty()) {
        engine_.closeForUser(TitleIndex(desktop_).windowsWithKey(entry.key), entry);
    }
}

void CloseAction::cmdClose_Click() {
    if (lstCaption_.selectedIndex() != -1) {
        lstCaption_DblClick();
    }
}

}  // namespace zorvel
