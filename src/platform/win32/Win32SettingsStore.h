#pragma once

#include <string>

#include "platform/SettingsStore.h"

namespace zorvel::win32 {

// Zorvel.ini through the platform's private-profile calls, in UTF-16 at the boundary.
class Win32SettingsStore : public SettingsStore {
  public:
    explicit Win32SettingsStore(const std::string& path);
    // The path of Zorvel.ini in the directory of the running executable.
    static std::string besideExecutable();

    bool createNew(const std::string& content) override;
    std::string read(const std::string& section, const std::string& key,
                     const std::string& fallback, int bufferChars) override;
    void write(const std::string& section, const std::string& key,
               const std::string& value) override;
    void prepareFor(const std::string& text) override;

  private:
    std::wstring path_;
};

}  // namespace zorvel::win32
