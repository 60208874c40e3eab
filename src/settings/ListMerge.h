#pragma once

#include <utility>
#include <vector>

#include "base/Entry.h"

namespace zorvel::merge {

// Their value where only they changed it since the base; otherwise ours, so that a change
// made in the window stands against one made in the file.
template <typename T>
T threeWay(const T& base, const T& theirs, const T& ours) {
    return theirs != base && ours == base ? theirs : ours;
}

// What the list (ours) must go through to hold the file's changes as well.
struct ListChanges {
    std::vector<std::pair<int, ListEntry>> updated;  // its index in ours, and what it becomes
    std::vector<int> removed;                        // indexes in ours, in ascending order
    std::vector<ListEntry> added;
};

// Entries are told apart by kind and text, and the n-th of equal ones by n. Added in the file:
// added. Removed there: removed, unless the window changed its program or action meanwhile
// (a count raised by a close is no choice of the user's). Removed in the window: stays so.
// Kept by both: each key beside it merged on its own.
ListChanges mergeLists(const std::vector<ListEntry>& base, const std::vector<ListEntry>& theirs,
                       const std::vector<ListEntry>& ours);

}  // namespace zorvel::merge
