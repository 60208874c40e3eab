#include "settings/ListMerge.h"

#include <algorithm>
#include <compare>
#include <cstddef>
#include <map>
#include <string>

namespace zorvel::merge {

namespace {

struct Key {
    EntryKind kind;
    std::string text;
    int occurrence;
    auto operator<=>(const Key&) const = default;
};

using Keyed = std::map<Key, std::size_t>;

Keyed keyed(const std::vector<ListEntry>& entries) {
    std::map<std::pair<EntryKind, std::string>, int> seen;
    Keyed out;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const ListEntry& entry = entries[i];
        const int occurrence = seen[{entry.kind, entry.text}]++;
        out.emplace(Key{entry.kind, entry.text, occurrence}, i);
    }
    return out;
}

ListEntry mergedEntry(const ListEntry& base, const ListEntry& theirs, ListEntry ours) {
    ours.program = threeWay(base.program, theirs.program, ours.program);
    ours.button = threeWay(base.button, theirs.button, ours.button);
    ours.closed = threeWay(base.closed, theirs.closed, ours.closed);
    ours.lastClosed = threeWay(base.lastClosed, theirs.lastClosed, ours.lastClosed);
    return ours;
}

bool chosenDifferently(const ListEntry& base, const ListEntry& ours) {
    return base.program != ours.program || base.button != ours.button;
}

}  // namespace

ListChanges mergeLists(const std::vector<ListEntry>& base, const std::vector<ListEntry>& theirs,
                       const std::vector<ListEntry>& ours) {
    const Keyed inBase = keyed(base);
    const Keyed inTheirs = keyed(theirs);
    const Keyed inOurs = keyed(ours);
    ListChanges changes;
    for (const auto& [key, at] : inTheirs) {
        const auto wasThere = inBase.find(key);
        const auto isHere = inOurs.find(key);
        if (isHere == inOurs.end()) {
            if (wasThere == inBase.end()) {
                changes.added.push_back(theirs[at]);
            }
        } else if (wasThere != inBase.end()) {
            const ListEntry& now = ours[isHere->second];
            ListEntry merged = mergedEntry(base[wasThere->second], theirs[at], now);
            if (merged != now) {
                changes.updated.emplace_back(static_cast<int>(isHere->second), std::move(merged));
            }
        }
    }
    for (const auto& [key, at] : inOurs) {
        const auto wasThere = inBase.find(key);
        if (wasThere != inBase.end() && !inTheirs.contains(key) &&
            !chosenDifferently(base[wasThere->second], ours[at])) {
            changes.removed.push_back(static_cast<int>(at));
        }
    }
    std::sort(changes.removed.begin(), changes.removed.end());
    return changes;
}

}  // namespace zorvel::merge
