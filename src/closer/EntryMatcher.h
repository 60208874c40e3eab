#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "base/Entry.h"
#include "platform/Controls.h"
#include "platform/Desktop.h"

namespace zorvel {

// Answers whether a window matches a list entry: its title exact or by pattern, and, when the
// entry names a program, the window's program that one. Titles are compared by their keys
// (Desktop::titleKey) and entries are folded the same way. Exact entries are one hash look-up;
// patterns are tried after them, in the order they were added. A window's program is read
// only when an entry naming one has its title, and at most once per question.
class EntryMatcher {
  public:
    explicit EntryMatcher(Desktop& desktop) : desktop_(desktop) {}

    void clear();
    void add(const ListEntry& entry);
    // The entry the window of this title key matches: an exact one first, then the first
    // pattern that does; of entries alike, one naming the window's program first.
    std::optional<ListEntry> find(const std::string& titleKey, WindowId window) const;
    // Whether the window of this title key matches this one entry, listed or not.
    bool matches(const ListEntry& entry, const std::string& titleKey, WindowId window) const;
    // Whether the window is of the program the entry names; any window when it names none.
    bool ofProgram(const ListEntry& entry, WindowId window) const;

  private:
    struct Listed {
        ListEntry entry;
        std::string programKey;  // empty: any program
    };
    // The window's program, read when first asked.
    class ProgramOf;

    // The key of an entry's text; an empty entry, which nobody listed, has none.
    std::string keyOf(const std::string& text) const;
    std::string programKey(const std::string& program) const;
    static bool ofProgram(const Listed& listed, ProgramOf& program);

    Desktop& desktop_;
    std::unordered_map<std::string, std::vector<Listed>> exact_;  // key, entries of that title
    std::vector<std::pair<std::u32string, Listed>> patterns_;     // folded pattern, entry
};

}  // namespace zorvel
