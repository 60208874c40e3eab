#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/SettingsStore.h"

namespace zorvel::fakes {

// A settings file held in memory byte for byte, read and written by the platform's
// private-profile rules: section and key names compared without regard to case; a value
// trimmed of surrounding blanks and of one pair of enclosing quotes and cut to the read
// buffer; the first section and the first key of a name win; a written key replaces its
// line, a new key goes after the last line of its section and a new section at the end;
// every other line (comments, blank lines, the single-space lines) stays as it is.
// The ANSI code page is modelled as Latin-1: in an ANSI file a character beyond it becomes
// '?'. A file starting with FF FE is UTF-16LE and holds every character.
class MemoryStore : public SettingsStore {
  public:
    MemoryStore() = default;  // no file yet
    explicit MemoryStore(std::string_view bytes);

    bool createNew(const std::string& content) override;
    std::string read(const std::string& section, const std::string& key,
                     const std::string& fallback, int bufferChars) override;
    void write(const std::string& section, const std::string& key,
               const std::string& value) override;
    void prepareFor(const std::string& text) override;

    bool exists() const { return exists_; }
    bool unicode() const { return unicode_; }
    std::string bytes() const;
    // The file's lines as UTF-8, whatever its encoding.
    const std::string& text() const { return text_; }
    void remove();

    struct Write {
        std::string section;
        std::string key;
        std::string value;
        bool operator==(const Write&) const = default;
    };
    std::vector<Write> writes;
    // No file can be created here (an existing one can still be written).
    bool directoryReadOnly = false;

  private:
    struct Line {
        std::size_t begin = 0;  // the text without its line break is [begin, end)
        std::size_t end = 0;
        std::size_t next = 0;  // where the following line begins
        std::size_t from = 0;  // the text without surrounding blanks is [from, to)
        std::size_t to = 0;
        bool isKey = false;
        std::string keyName;         // as written
        std::size_t valueBegin = 0;  // the value is [valueBegin, to)
    };

    void setBytes(std::string_view bytes);
    void setText(std::string text);
    std::string stored(const std::string& text) const;
    Line lineAt(std::size_t begin) const;
    void parse();
    bool canHaveFile();
    void replaceValue(const Line& line, const std::string& value);
    void insertAt(std::size_t at, const std::string& lines);

    std::string text_;
    bool exists_ = false;
    bool unicode_ = false;
    std::vector<Line> lines_;
    // Folded "section\nkey" to the line of that key; folded section to its last line.
    std::unordered_map<std::string, std::size_t> keyLines_;
    std::unordered_map<std::string, std::size_t> sectionEnds_;
};

}  // namespace zorvel::fakes
