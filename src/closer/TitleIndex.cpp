#include "closer/TitleIndex.h"

#include "base/Wildcard.h"

namespace zorvel {

TitleIndex::TitleIndex(Desktop& desktop) : desktop_(desktop) {
    for (const TopWindow& window : desktop.topLevelWindows()) {
        const auto [at, added] = byKey_.try_emplace(desktop.titleKey(window.title));
        at->second.push_back(window.id);
        if (!at->first.empty()) {
            order_.emplace_back(window.id, &at->first);
        }
    }
}

std::vector<WindowId> TitleIndex::windowsFor(const ListEntry& entry) const {
    std::vector<WindowId> found = windowsTitled(entry);
    if (!entry.program.empty()) {
        // Read only for the windows the title matched.
        const EntryMatcher programs(desktop_);
        std::erase_if(found, [&](WindowId window) { return !programs.ofProgram(entry, window); });
    }
    return found;
}

std::vector<WindowId> TitleIndex::windowsTitled(const ListEntry& entry) const {
    // An empty entry would match untitled windows, which nobody listed.
    if (entry.text.empty()) {
        return {};
    }
    const std::string key = desktop_.titleKey(entry.text);
    if (entry.kind == EntryKind::Caption) {
        const auto found = byKey_.find(key);
        return found == byKey_.end() ? std::vector<WindowId>{} : found->second;
    }
    if (!wildcard::broadEnough(key)) {
        return {};
    }
    if (inOrder_.empty()) {
        for (const auto& [window, title] : order_) {
            inOrder_.emplace_back(window, wildcard::codePoints(*title));
        }
    }
    const std::u32string pattern = wildcard::codePoints(key);
    std::vector<WindowId> found;
    for (const auto& [window, title] : inOrder_) {
        if (wildcard::matches(pattern, title)) {
            found.push_back(window);
        }
    }
    return found;
}

}  // namespace zorvel
