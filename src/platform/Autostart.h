#pragma once

#include <optional>
#include <string>

namespace zorvel {

// The user's own list of programs started at every login, as far as this program's entry.
class Autostart {
  public:
    virtual ~Autostart() = default;
    // This executable's full path.
    virtual std::string programPath() = 0;
    // The command the entry holds; none when there is no entry or it cannot be read.
    virtual std::optional<std::string> entry() = 0;
    virtual bool setEntry(const std::string& command) = 0;
    // Removing an entry that is not there succeeds.
    virtual bool removeEntry() = 0;
    // Two paths name one file when their keys are equal: the file system ignores case.
    virtual std::string pathKey(const std::string& path) = 0;
};

}  // namespace zorvel
