#include "closer/CloseAction.h"

#include <string>

namespace zorvel {

void CloseAction::lstCaption_DblClick() {
    const int selected = lstCaption_.selectedIndex();
    if (selected != -1) {
        close(lstCaption_.item(selected), TitleIndex(desktop_));
    }
}

void CloseAction::close(const std::string& caption, const TitleIndex& titles) {
    const std::string key = lstCaption_.keyOf(caption);
    if (!key.empty()) {
        engine_.closeFirst(titles.windowsWithKey(key), key);
    }
}

void CloseAction::cmdClose_Click() {
    if (lstCaption_.selectedIndex() != -1) {
        lstCaption_DblClick();
    }
}

}  // namespace zorvel
