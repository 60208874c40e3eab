#pragma once

#include <string>

#include "platform/Controls.h"

namespace zorvel {

// The other windows of the desktop.
class Desktop {
  public:
    virtual ~Desktop() = default;
    // The first visible top-level window, in stacking order, whose whole title equals
    // `title` by the platform's title comparison (case ignored); 0 when there is none.
    virtual WindowId findVisibleTopLevel(const std::string& title) = 0;
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
