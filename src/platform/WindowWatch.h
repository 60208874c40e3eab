#pragma once

#include "platform/Controls.h"

namespace zorvel {

// What the desktop reports about other programs' top-level windows.
enum class WindowEvent { Created, Shown, Renamed, Foreground };

// Where a window waiting for delivery goes after a first look at it.
enum class FirstLook {
    InTurn,  // after the windows that came before it
    Now,     // ahead of all others
    Again,   // in turn, unless the next look says now
};

class WindowEventSink {
  public:
    virtual ~WindowEventSink() = default;
    // Delivered from the message queue, never from inside the platform's callback.
    virtual void windowEvent(WindowId window, WindowEvent event) = 0;
    // A first look at each window waiting for delivery, cheap (its title, no more), so that
    // one that matters is not kept waiting behind a flood of others.
    virtual FirstLook firstLook(WindowId window) = 0;
    // More windows changed than the watch could hold: some events were dropped.
    virtual void eventsLost() = 0;
};

// Reports windows of other processes that appear, show, change title or come to the front.
class WindowWatch {
  public:
    virtual ~WindowWatch() = default;
    virtual void start(WindowEventSink& sink) = 0;
    virtual void stop() = 0;
};

}  // namespace zorvel
