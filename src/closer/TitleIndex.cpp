#include "closer/TitleIndex.h"

namespace zorvel {

TitleIndex::TitleIndex(Desktop& desktop) {
    for (const TopWindow& window : desktop.topLevelWindows()) {
        byKey_[desktop.titleKey(window.title)].push_back(window.id);
    }
}

const std::vector<WindowId>& TitleIndex::windowsWithKey(const std::string& key) const {
    static const std::vector<WindowId> kNone;
    const auto found = byKey_.find(key);
    return found == byKey_.end() ? kNone : found->second;
}

}  // namespace zorvel
