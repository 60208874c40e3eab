#include "closer/ListedCaptions.h"

namespace zorvel {

void ListedCaptions::add(const std::string& text) {
    list_.add(text);
    stale_ = true;
}

void ListedCaptions::addAll(const std::vector<std::string>& texts) {
    list_.addAll(texts);
    stale_ = true;
}

void ListedCaptions::removeAt(int index) {
    list_.removeAt(index);
    stale_ = true;
}

void ListedCaptions::clear() {
    list_.clear();
    stale_ = true;
}

std::string ListedCaptions::keyOf(const std::string& caption) const {
    // An empty caption would match untitled windows, which nobody listed.
    return caption.empty() ? std::string{} : desktop_.titleKey(caption);
}

const ListedEntry* ListedCaptions::entryFor(const std::string& key) {
    if (stale_) {
        entries_.clear();
        for (int i = 0; i < list_.count(); ++i) {
            ListedEntry entry = entryOf(list_.item(i));
            entries_.try_emplace(entry.key, std::move(entry));
        }
        entries_.erase(std::string{});
        stale_ = false;
    }
    const auto found = key.empty() ? entries_.end() : entries_.find(key);
    return found == entries_.end() ? nullptr : &found->second;
}

}  // namespace zorvel
