#pragma once

#include "platform/Controls.h"

namespace zorvel {

// What the desktop reports about other programs' top-level windows.
enum class WindowEvent { Created, Shown, Renamed, Foreground };

class WindowEventSink {
  public:
    virtual ~WindowEventSink() = default;
    // Delivered from the message queue, never from inside the platform's callback.
    virtual void windowEvent(WindowId window, WindowEvent event) = 0;
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
