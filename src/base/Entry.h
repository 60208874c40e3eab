#pragma once

#include <optional>
#include <string>

namespace zorvel {

// What an entry of the caption list stands for: one whole title, or a pattern of titles.
enum class EntryKind { Caption, Pattern };

// A push button of the window that an entry presses instead of closing it.
struct EntryButton {
    // Its control ID, tried first: the standard ones are the same in every language.
    std::optional<int> id{};
    std::string text{};  // as shown, the access key's & removed; empty: by the ID alone
    bool operator==(const EntryButton&) const = default;
};

// Everything about one entry of the list. The list box keeps it as its item, the settings
// file as one numbered set of keys, and the matcher, the menu and the editor take it whole.
struct ListEntry {
    std::string text{};
    EntryKind kind = EntryKind::Caption;
    // The file name of its windows' program; empty: any program.
    std::string program{};
    // None: the window is closed.
    std::optional<EntryButton> button{};
    // Windows closed for it, and the local time of the last ("2026-12-08 10:41:07").
    long long closed = 0;
    std::string lastClosed{};
    // The program of the last window it was picked from or matched; not kept in the file.
    std::string seenProgram{};
    bool operator==(const ListEntry&) const = default;
};

// A control's text as shown: each & that marks the access key goes, && shows one &.
std::string withoutAccessKey(const std::string& text);

// The file-name part of a program's path, as an entry names it.
std::string programFileName(const std::string& program);

}  // namespace zorvel
