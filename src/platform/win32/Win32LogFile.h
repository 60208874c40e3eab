#pragma once

#include <string>

#include "platform/LogFile.h"

namespace zorvel::win32 {

// Zorvel.log, opened for one batch at a time and shared with any reader meanwhile.
class Win32LogFile : public LogFile {
  public:
    explicit Win32LogFile(const std::string& path);

    std::optional<std::uint64_t> append(std::string_view header, std::string_view bytes) override;
    std::uint64_t size() override;
    bool rotate() override;
    std::string ensureExists() override;
    std::string path() const override { return path_; }

  private:
    std::string path_;
    std::wstring filePath_;  // "\\?\" and the full path; empty when it has none
};

}  // namespace zorvel::win32
