#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/SettingsStore.h"

namespace zorvel::fakes {

// A settings file held in memory byte for byte, with the failures a real one meets. Its ANSI
// code page is Latin-1: a character beyond it does not fit.
class MemoryStore : public SettingsStore {
  public:
    MemoryStore() = default;  // no file yet
    explicit MemoryStore(std::string_view bytes) : bytes_(bytes) {}

    Contents read() const override;
    bool createNew(const std::string& content) override;
    bool replace(const std::string& content) override;
    std::string path() const override { return "C:\\Zorvel\\Zorvel.ini"; }
    std::string toUtf8(std::string_view ansi) const override;
    std::optional<std::string> fromUtf8(std::string_view utf8) const override;

    bool exists() const { return bytes_.has_value(); }
    // The file's bytes; empty when there is none.
    std::string bytes() const { return bytes_.value_or(""); }
    void remove() { bytes_.reset(); }
    // Someone else writes the file.
    void put(std::string_view bytes) { bytes_ = bytes; }

    // No file can be created or replaced here (an existing one can still be read).
    bool directoryReadOnly = false;
    // The file is there but cannot be read.
    bool readFails = false;
    int replaces = 0;

  private:
    std::optional<std::string> bytes_;
};

}  // namespace zorvel::fakes
