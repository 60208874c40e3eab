#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/WindowWatch.h"

namespace zorvel::fakes {

// A desktop of windows in stacking order, topmost first.
class FakeDesktop : public Desktop {
  public:
    struct Window {
        WindowId id = 0;
        std::string title;
        bool visible = true;
        WindowId parent = 0;  // parent of a child, or owner of a pop-up
        bool ours = false;
        bool shell = false;
        bool elevated = false;
        WindowId thread = 0;  // 0: a thread of its own
        std::string program = "reclame.exe";
        // A program whose own handling drops the close command: only the request closes it.
        bool ignoresCommand = false;
        bool refusesClose = false;
        // A child control: a push button when `push`, else another kind of control.
        int controlId = 0;
        bool push = false;
        bool enabled = true;
    };

    WindowId open(const std::string& title, bool visible = true, WindowId parent = 0);
    // A push button (or, not `push`, another control) of `window`.
    WindowId addButton(WindowId window, int controlId, const std::string& text, bool push = true);
    void close(WindowId window);
    bool exists(WindowId window) const;
    Window* find(WindowId window);

    std::vector<TopWindow> topLevelWindows() override;
    std::string titleKey(const std::string& title) override;
    std::string wholeTitle(WindowId window) override;
    bool isVisible(WindowId window) override;
    bool isOurs(WindowId window) override;
    bool isShell(WindowId window) override;
    std::string programName(WindowId window) override;
    bool runsAboveUs(WindowId window) override;
    void requestForeground(WindowId window) override;
    WindowId foreground() override { return foregroundWindow; }
    bool sameThread(WindowId a, WindowId b) override;
    bool sendCloseCommand(WindowId target) override;
    bool sendClose(WindowId target) override;
    std::vector<PushButton> pushButtons(WindowId window) override;
    std::optional<PushButton> asPushButton(WindowId window) override;
    bool pressButton(WindowId button) override;
    WindowId windowFromPoint(Point screen) override;
    WindowId parent(WindowId window) override;
    std::string title(WindowId window, int maxChars) override;

    // Hands the foreground to the window last asked for, as a slow program's thread does.
    void grantForeground();

    std::vector<Window> windows;
    WindowId foregroundWindow = 0;
    bool refuseForeground = false;
    // Like another program's window under Wine: it comes to the front only once granted.
    bool deferForeground = false;
    WindowId askedForeground = 0;
    int foregroundRequests = 0;
    std::function<void(WindowId)> onActivate;
    std::function<void(WindowId)> onCommand;
    // Windows that received the close command, in order; it closes its window.
    std::vector<WindowId> commands;
    // Windows that received the plain close request.
    std::vector<WindowId> closeRequests;
    // Commands sent while the window's program was not in front: the user's close must never.
    int commandsOutOfFront = 0;
    // Buttons pressed, in order.
    std::vector<WindowId> presses;
    int snapshots = 0;
    WindowId underPointer = 0;
    Point lastPoint;

  private:
    WindowId nextId_ = 0x1000;
};

class FakeClock : public Clock {
  public:
    std::int64_t milliseconds() override { return now; }
    LocalTime localTime() override { return local; }
    std::int64_t now = 100000;
    LocalTime local{2026, 12, 8, 9, 5, 7, 42};
};

class FakeWindowWatch : public WindowWatch {
  public:
    void start(WindowEventSink& s) override { sink = &s; }
    void stop() override { sink = nullptr; }
    WindowEventSink* sink = nullptr;
};

}  // namespace zorvel::fakes
