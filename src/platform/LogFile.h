#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zorvel {

// The record of closes beside the settings file, only ever added to; an editor may read it
// meanwhile.
class LogFile {
  public:
    virtual ~LogFile() = default;
    // Adds `bytes` at the end in one write, `header` before them when the file is new or
    // empty. The file's size afterwards; nullopt when the write failed.
    virtual std::optional<std::uint64_t> append(std::string_view header,
                                                std::string_view bytes) = 0;
    // The file's size now; 0 when there is none.
    virtual std::uint64_t size() = 0;
    // Renames the file to its name followed by ".1", in place of an older one.
    virtual bool rotate() = 0;
    // Creates the file empty unless it is there already. Empty when the file is there;
    // otherwise why it cannot be made, in the system's words.
    virtual std::string ensureExists() = 0;
    // The full path, as the user's editor is given it.
    virtual std::string path() const = 0;
};

}  // namespace zorvel
