#pragma once

#include "platform/Desktop.h"

namespace zorvel::win32 {

class Win32Desktop : public Desktop {
  public:
    WindowId findVisibleTopLevel(const std::string& title) override;
    std::unique_ptr<WindowSnapshot> snapshot() override;
    bool isVisible(WindowId window) override;
    void activate(WindowId window) override;
    WindowId foreground() override;
    bool sendCloseChord(WindowId target) override;
    WindowId windowFromPoint(Point screen) override;
    WindowId parent(WindowId window) override;
    std::string title(WindowId window, int maxChars) override;
};

}  // namespace zorvel::win32
