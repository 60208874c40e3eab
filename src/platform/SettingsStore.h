#pragma once

#include <string>

namespace zorvel {

// The settings file beside the executable, through the platform's private-profile calls.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // Creates the file holding exactly `content` unless a file of that name exists already,
    // whatever its attributes. False when nothing was created (it exists, or cannot be).
    virtual bool createNew(const std::string& content) = 0;
    // The key's value, or `fallback` when the file, section or key is missing; at most
    // `bufferChars` - 1 characters, as a read into a buffer of that size.
    virtual std::string read(const std::string& section, const std::string& key,
                             const std::string& fallback, int bufferChars) = 0;
    virtual void write(const std::string& section, const std::string& key,
                       const std::string& value) = 0;
    // Makes sure the file can hold `text` unchanged; a file in the ANSI code page that
    // cannot is converted, every line kept, to UTF-16.
    virtual void prepareFor(const std::string& text) = 0;
};

}  // namespace zorvel
