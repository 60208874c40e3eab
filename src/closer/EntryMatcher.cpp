#include "closer/EntryMatcher.h"

#include "base/Wildcard.h"

namespace zorvel {

void EntryMatcher::clear() {
    exact_.clear();
    patterns_.clear();
}

void EntryMatcher::add(const ListEntry& entry) {
    std::string key = keyOf(entry.text);
    if (key.empty()) {
        return;
    }
    if (entry.kind == EntryKind::Caption) {
        exact_.try_emplace(std::move(key), entry.text);
    } else if (wildcard::broadEnough(key)) {
        patterns_.emplace_back(wildcard::codePoints(key), entry);
    }
}

std::string EntryMatcher::keyOf(const std::string& text) const {
    // An empty caption would match untitled windows, which nobody listed.
    return text.empty() ? std::string{} : desktop_.titleKey(text);
}

std::optional<ListEntry> EntryMatcher::find(const std::string& titleKey) const {
    if (titleKey.empty()) {
        return std::nullopt;
    }
    if (const auto found = exact_.find(titleKey); found != exact_.end()) {
        return ListEntry{found->second, EntryKind::Caption};
    }
    const std::u32string title =
        patterns_.empty() ? std::u32string{} : wildcard::codePoints(titleKey);
    for (const auto& [pattern, entry] : patterns_) {
        if (wildcard::matches(pattern, title)) {
            return entry;
        }
    }
    return std::nullopt;
}

bool EntryMatcher::matches(const ListEntry& entry, const std::string& titleKey) const {
    const std::string key = keyOf(entry.text);
    if (key.empty() || titleKey.empty()) {
        return false;
    }
    if (entry.kind == EntryKind::Caption) {
        return key == titleKey;
    }
    // A pattern broader than the rule allows matches nothing rather than nearly everything.
    return wildcard::broadEnough(key) && wildcard::matches(key, titleKey);
}

}  // namespace zorvel
