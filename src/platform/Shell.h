#pragma once

#include <string>

#include "platform/Controls.h"

namespace zorvel {

// The tray icon record, filled before each add.
struct TrayRecord {
    WindowId window = 0;
    unsigned id = 0;
    bool withMessage = false;
    bool withIcon = false;
    bool withTip = false;
    std::string tip;
    // The grey icon of a pause instead of the usual one.
    bool paused = false;
};

enum class TrayCommand { Add, Modify, Delete };

class Shell {
  public:
    virtual ~Shell() = default;
    // The notification-area icon; the callback is the window's private tray message.
    virtual bool notifyIcon(TrayCommand command, const TrayRecord& record) = 0;
    // Opens an address with the program associated with it, in a maximized window.
    virtual void openMaximized(const std::string& address) = 0;
    // Opens a file with the program the user's system opens it with, in a normal window;
    // false when none would (no program for its kind) or it could not start.
    virtual bool openDocument(const std::string& path) = 0;
    // Opens a file in this program, in a normal window; false when it could not start.
    virtual bool openIn(const std::string& program, const std::string& path) = 0;
};

}  // namespace zorvel
