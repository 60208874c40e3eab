#pragma once

#include <optional>
#include <string>

#include "platform/LogFile.h"

namespace zorvel::fakes {

// The record file in memory; `failing` makes every write fail as a locked or full disk would.
class FakeLogFile : public LogFile {
  public:
    std::optional<std::uint64_t> append(std::string_view header, std::string_view bytes) override;
    std::uint64_t size() override { return bytes ? bytes->size() : 0; }
    bool rotate() override;
    std::string ensureExists() override;
    std::string path() const override { return "C:\\Zorvel\\Zorvel.log"; }

    std::optional<std::string> bytes;  // nullopt: no file
    std::optional<std::string> older;  // the file moved aside
    bool failing = false;
    // The older file is held by a reader: moving this one aside fails.
    bool olderHeld = false;
    int appends = 0;
    int rotations = 0;
};

}  // namespace zorvel::fakes
