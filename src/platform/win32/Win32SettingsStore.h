#pragma once

#include <string>

#include "platform/SettingsStore.h"

namespace zorvel::win32 {

// Zorvel.ini read and written whole, through paths that no length limit cuts.
class Win32SettingsStore : public SettingsStore {
  public:
    explicit Win32SettingsStore(const std::string& path);
    // The directory of the running executable, without a separator at its end.
    static std::string executableDirectory();
    // The running executable's full path; empty when it cannot be had.
    static std::string executablePath();

    Contents read() const override;
    bool createNew(const std::string& content) override;
    bool replace(const std::string& content) override;
    std::string path() const override { return path_; }
    std::string toUtf8(std::string_view ansi) const override;
    std::optional<std::string> fromUtf8(std::string_view utf8) const override;

  private:
    std::string path_;
    std::wstring filePath_;  // "\\?\" and the full path; empty when it has none
};

}  // namespace zorvel::win32
