#pragma once

#include <string>

#include "platform/AnsiCodePage.h"

namespace zorvel {

// The settings file beside the executable, as a whole: read at once, replaced at once.
class SettingsStore : public AnsiCodePage {
  public:
    struct Contents {
        enum class State { Read, Missing, Unreadable } state = State::Missing;
        std::string bytes;
    };

    // Unreadable: the file is there but cannot be opened or read (locked, a folder, too big).
    virtual Contents read() const = 0;
    // Creates the file holding exactly `content` unless a file of that name exists already,
    // whatever its attributes. False when nothing was created (it exists, or cannot be).
    virtual bool createNew(const std::string& content) = 0;
    // Puts `content` in place of the file in one step, keeping its attributes, or creates it.
    // False when that failed: the file is then exactly as it was, and nothing else is left.
    virtual bool replace(const std::string& content) = 0;
    // The full path, as the user is told it.
    virtual std::string path() const = 0;
};

}  // namespace zorvel
