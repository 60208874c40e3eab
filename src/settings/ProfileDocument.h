#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/AnsiCodePage.h"

namespace zorvel {

// A settings file's text, read by the private-profile rules: section and key names compared
// without regard to case, blanks around names and values dropped, one pair of enclosing
// quotes removed, values cut to 255 UTF-16 units, the first section and the first key of a
// name taken. Setting a key replaces its line, or adds one after the last line of its
// section, or a section at the end; every other line is written back as it was read.
class ProfileDocument {
  public:
    // Utf8NoMark: UTF-8 without a byte-order mark, as editors save a file that was plain ASCII.
    enum class Encoding { Ansi, Utf16Le, Utf8, Utf8NoMark };
    struct Entry {
        std::string key;  // as the file spells it
        std::string value;
    };

    ProfileDocument() = default;  // an empty file
    // Nothing when the bytes are not text in a known encoding or hold no section and no key:
    // such a file is not a settings file this program may rewrite.
    static std::optional<ProfileDocument> parse(std::string_view bytes,
                                                const AnsiCodePage& codePage);

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // The section's keys, the first of each name, in the order of the file.
    std::vector<Entry> entries(std::string_view section) const;
    // Stores the value so that a read gives it back whole: quoted when its ends need it.
    void set(std::string_view section, std::string_view key, std::string_view value);
    // Takes the key's line out; nothing when the section has no such key.
    void remove(std::string_view section, std::string_view key);

    // The file as it was read, in its encoding; an ANSI file whose text no longer fits its
    // code page, or would read back as UTF-8, becomes UTF-16LE with a byte-order mark.
    std::string bytes(const AnsiCodePage& codePage) const;
    Encoding encoding() const { return encoding_; }

  private:
    struct Line {
        std::string text;                // without its line break
        std::string lineBreak;           // as read: CR LF, LF, or none at the end of the file
        std::vector<std::string> added;  // keys set after this line; empty: removed
        bool removed = false;
    };
    // Where a key's line is: a line read from the file, or one set after it.
    static constexpr std::size_t kRead = static_cast<std::size_t>(-1);
    struct Place {
        std::size_t line = 0;
        std::size_t added = kRead;
    };
    struct Section {
        std::size_t lastLine = 0;
        std::vector<std::string> keys;  // folded, in the order of the file
    };

    void addLines(std::string_view text);
    void index(std::size_t line);
    const std::string& textAt(Place place) const;
    std::string& textAt(Place place);
    std::string text() const;

    std::vector<Line> lines_;
    Encoding encoding_ = Encoding::Ansi;
    bool hasEntries_ = false;
    // Of the section being read: its folded name, and whether it is the first of that name.
    std::string current_;
    bool counted_ = false;
    std::unordered_map<std::string, Place> keys_;  // folded "section\nkey"
    std::unordered_map<std::string, Section> sections_;
};

}  // namespace zorvel
