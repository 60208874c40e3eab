#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Controls.h"

namespace zorvel {

// The titles of the visible top-level windows, read once, for looking many captions up.
class WindowSnapshot {
  public:
    virtual ~WindowSnapshot() = default;
    // Every window whose whole title equals `title` as the platform compares titles (case
    // ignored), in stacking order, topmost first.
    virtual std::vector<WindowId> windowsTitled(const std::string& title) const = 0;
};

// The other windows of the desktop.
class Desktop {
  public:
    virtual ~Desktop() = default;
    // The first visible top-level window, in stacking order, whose whole title equals
    // `title` by the platform's title comparison (case ignored); 0 when there is none.
    virtual WindowId findVisibleTopLevel(const std::string& title) = 0;
    virtual std::unique_ptr<WindowSnapshot> snapshot() = 0;
    virtual bool isVisible(WindowId window) = 0;
    virtual void activate(WindowId window) = 0;
    virtual WindowId foreground() = 0;
    // Sends Alt+F4 without waiting, only if `target` is the foreground window at that moment.
    virtual bool sendCloseChord(WindowId target) = 0;
    virtual WindowId windowFromPoint(Point screen) = 0;
    virtual WindowId parent(WindowId window) = 0;
    // The title, cut to `maxChars` UTF-16 units; empty when there is none or it cannot be read.
    virtual std::string title(WindowId window, int maxChars) = 0;
};

}  // namespace zorvel
