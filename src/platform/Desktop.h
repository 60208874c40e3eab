#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Controls.h"

namespace zorvel {

// A visible top-level window and its whole title.
struct TopWindow {
    WindowId id = 0;
    std::string title;
};

// A push button among a window's child windows.
struct PushButton {
    WindowId window = 0;
    int id = 0;           // its control ID
    std::string text;     // as shown, the access key's & removed
    bool usable = false;  // visible and enabled
    bool operator==(const PushButton&) const = default;
};

// The other windows of the desktop.
class Desktop {
  public:
    virtual ~Desktop() = default;
    // The visible top-level windows, in stacking order, topmost first.
    virtual std::vector<TopWindow> topLevelWindows() = 0;
    // Two titles are the same window title when their keys are equal: the platform's own
    // comparison, which ignores case.
    virtual std::string titleKey(const std::string& title) = 0;
    // The whole title, read without sending the window a message; empty when it has none.
    virtual std::string wholeTitle(WindowId window) = 0;
    // False too for a window that no longer exists.
    virtual bool isVisible(WindowId window) = 0;
    // Whether the window belongs to this process.
    virtual bool isOurs(WindowId window) = 0;
    // Whether the window is the desktop's or the shell's own (desktop, taskbar): the close
    // command there opens the shut-down dialog.
    virtual bool isShell(WindowId window) = 0;
    // The file name of the window's program, without its folder; empty when it cannot be read.
    virtual std::string programName(WindowId window) = 0;
    // Whether the window's process runs at a higher integrity level than ours (input to it
    // would be dropped); a process that cannot be asked counts as higher.
    virtual bool runsAboveUs(WindowId window) = 0;
    // Asks for the window to be brought to the front; it may get there later, or never.
    virtual void requestForeground(WindowId window) = 0;
    virtual WindowId foreground() = 0;
    // Whether two windows belong to one thread (one program's user interface).
    virtual bool sameThread(WindowId a, WindowId b) = 0;
    // The close command a typed Alt+F4 asks of a window's default handling, posted to the
    // window itself without waiting. No key is sent: posted keys lack the keyboard's state, so
    // the program's own shortcuts would take them for plain F4. False when the window is gone,
    // hidden or disabled (a question of its own is up).
    virtual bool sendCloseCommand(WindowId target) = 0;
    // The request to close itself, posted, for programs whose own handling drops the close
    // command; false as above.
    virtual bool sendClose(WindowId target) = 0;
    // The push buttons (a Button control styled as one, default or not) among the window's own
    // child windows, at any depth, in their order.
    virtual std::vector<PushButton> pushButtons(WindowId window) = 0;
    // The push button this window is; nothing when it is no push button.
    virtual std::optional<PushButton> asPushButton(WindowId window) = 0;
    // Presses a push button without the focus or the mouse: its click, as its own notification,
    // posted to its parent. False when it is no longer a visible and enabled push button.
    virtual bool pressButton(WindowId button) = 0;
    virtual WindowId windowFromPoint(Point screen) = 0;
    virtual WindowId parent(WindowId window) = 0;
    // The title, cut to at most `maxChars` UTF-16 units; empty when there is none or it
    // cannot be read.
    virtual std::string title(WindowId window, int maxChars) = 0;
};

}  // namespace zorvel
