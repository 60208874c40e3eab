#pragma once

#include <windows.h>

#include "platform/Shell.h"

namespace zorvel::win32 {

class Win32Shell : public Shell {
  public:
    explicit Win32Shell(HINSTANCE instance);
    bool notifyIcon(TrayCommand command, const TrayRecord& record) override;
    void openMaximized(const std::string& address) override;
    bool openDocument(const std::string& path) override;
    bool openIn(const std::string& program, const std::string& path) override;
    void setOwner(HWND owner) { owner_ = owner; }

  private:
    HICON icon_;
    HICON pausedIcon_;
    HWND owner_ = nullptr;
};

}  // namespace zorvel::win32
