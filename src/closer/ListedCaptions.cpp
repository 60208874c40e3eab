#include "closer/ListedCaptions.h"

namespace zorvel {

void ListedCaptions::add(const ListEntry& entry) {
    list_.add(entry);
    stale_ = true;
}

void ListedCaptions::addAll(const std::vector<ListEntry>& entries) {
    list_.addAll(entries);
    stale_ = true;
}

void ListedCaptions::update(int index, const ListEntry& entry) {
    const ListEntry before = list_.entry(index);
    list_.update(index, entry);
    // A count changes at every close: only what matching reads makes the matcher stale.
    stale_ = stale_ || before.program != entry.program || before.button != entry.button;
}

void ListedCaptions::removeAt(int index) {
    list_.removeAt(index);
    stale_ = true;
}

void ListedCaptions::clear() {
    list_.clear();
    stale_ = true;
}

int ListedCaptions::find(const ListEntry& entry) const {
    for (int i = 0; i < list_.count(); ++i) {
        if (list_.item(i) == entry.text && list_.kind(i) == entry.kind) {
            return i;
        }
    }
    return -1;
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
