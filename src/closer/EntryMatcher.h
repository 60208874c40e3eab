#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/Controls.h"
#include "platform/Desktop.h"

namespace zorvel {

// One entry of the caption list.
struct ListEntry {
    std::string text;
    EntryKind kind = EntryKind::Caption;
    bool operator==(const ListEntry&) const = default;
};

// Answers whether a window title matches a list entry, exact or pattern. Titles are compared
// by their keys (Desktop::titleKey) and entries are folded the same way. Exact entries are
// one hash look-up; patterns are tried after them, in the order they were added.
class EntryMatcher {
  public:
    explicit EntryMatcher(Desktop& desktop) : desktop_(desktop) {}

    void clear();
    void add(const ListEntry& entry);
    // The entry a title key matches: an exact one first, then the first pattern that does.
    std::optional<ListEntry> find(const std::string& titleKey) const;
    // Whether the title key matches this one entry, listed or not.
    bool matches(const ListEntry& entry, const std::string& titleKey) const;

  private:
    // The key of an entry's text; an empty entry, which nobody listed, has none.
    std::string keyOf(const std::string& text) const;

    Desktop& desktop_;
    std::unordered_map<std::string, std::string> exact_;          // key, entry text
    std::vector<std::pair<std::u32string, ListEntry>> patterns_;  // folded pattern, entry
};

}  // namespace zorvel
