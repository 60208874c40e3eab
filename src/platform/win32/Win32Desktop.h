#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <unordered_map>

#include "platform/Desktop.h"

namespace zorvel::win32 {

class Win32Desktop : public Desktop {
  public:
    std::vector<TopWindow> topLevelWindows() override;
    std::string titleKey(const std::string& title) override;
    std::string wholeTitle(WindowId window) override;
    bool isVisible(WindowId window) override;
    bool isOurs(WindowId window) override;
    bool isShell(WindowId window) override;
    std::string programName(WindowId window) override;
    bool runsAboveUs(WindowId window) override;
    void requestForeground(WindowId window) override;
    WindowId foreground() override;
    bool sameThread(WindowId a, WindowId b) override;
    bool sendCloseCommand(WindowId target) override;
    bool sendClose(WindowId target) override;
    std::vector<PushButton> pushButtons(WindowId window) override;
    std::optional<PushButton> asPushButton(WindowId window) override;
    bool pressButton(WindowId button) override;
    WindowId windowFromPoint(Point screen) override;
    WindowId parent(WindowId window) override;
    std::string title(WindowId window, int maxChars) override;

  private:
    std::optional<unsigned long> ourIntegrity_;
    // Of the windows asked about lately, with their process: a handle used again by another
    // process is asked afresh.
    struct Program {
        DWORD process = 0;
        std::string name;
    };
    std::unordered_map<HWND, Program> programs_;
};

}  // namespace zorvel::win32
