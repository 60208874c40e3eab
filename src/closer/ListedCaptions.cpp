#include "closer/ListedCaptions.h"

namespace zorvel {

void ListedCaptions::add(const std::string& text, EntryKind kind) {
    list_.add(text, kind);
    stale_ = true;
}

void ListedCaptions::addAll(const std::vector<std::string>& texts, EntryKind kind) {
    list_.addAll(texts, kind);
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

const EntryMatcher& ListedCaptions::matcher() {
    if (stale_) {
        matcher_.clear();
        for (int i = 0; i < list_.count(); ++i) {
            matcher_.add(entry(i));
        }
        stale_ = false;
    }
    return matcher_;
}

}  // namespace zorvel
