#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Desktop.h"

namespace zorvel::fakes {

// A desktop of windows in stacking order, topmost first.
class FakeDesktop : public Desktop {
  public:
    struct Window {
        WindowId id = 0;
        std::string title;
        bool visible = true;
        WindowId parent = 0;  // parent of a child, or owner of a pop-up
    };

    WindowId open(const std::string& title, bool visible = true, WindowId parent = 0);
    void close(WindowId window);
    bool exists(WindowId window) const;

    WindowId findVisibleTopLevel(const std::string& title) override;
    std::unique_ptr<WindowSnapshot> snapshot() override;
    bool isVisible(WindowId window) override;
    void activate(WindowId window) override;
    WindowId foreground() override { return foregroundWindow; }
    bool sendCloseChord(WindowId target) override;
    WindowId windowFromPoint(Point screen) override;
    WindowId parent(WindowId window) override;
    std::string title(WindowId window, int maxChars) override;

    std::vector<Window> windows;
    WindowId foregroundWindow = 0;
    bool refuseForeground = false;
    std::function<void(WindowId)> onActivate;
    // Windows that received the chord, in order (0: the bare desktop); it closes them.
    std::vector<WindowId> chords;
    int lookups = 0;
    int snapshots = 0;
    WindowId underPointer = 0;
    Point lastPoint;

  private:
    const Window* find(WindowId window) const;
    WindowId nextId_ = 0x1000;
};

}  // namespace zorvel::fakes
