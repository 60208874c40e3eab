#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "platform/Autostart.h"

namespace zorvel::win32 {

// The entry "Zorvel" under the user's own Run key.
class Win32Autostart : public Autostart {
  public:
    explicit Win32Autostart(std::string programPath) : programPath_(std::move(programPath)) {}

    std::string programPath() override { return programPath_; }
    std::optional<std::string> entry() override;
    bool setEntry(const std::string& command) override;
    bool removeEntry() override;
    std::string pathKey(const std::string& path) override;

  private:
    std::string programPath_;
};

}  // namespace zorvel::win32
