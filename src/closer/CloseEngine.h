#pragma once

#include <cstdint>
#include <deque>
#include <string>

#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/Desktop.h"

namespace zorvel {

// Closes windows one at a time without ever waiting on the user-interface thread: a close
// is asked for, the window is brought to the front, and Alt+F4 goes out only once that very
// window is in front and still bears its title; otherwise it is dropped after a second.
class CloseEngine {
  public:
    static constexpr std::int64_t kGiveUpMs = 1000;
    // A settling focus change can take a granted activation away again; ask once more.
    static constexpr std::int64_t kAskAgainMs = 250;
    // How often the engine looks while a close waits, if no foreground event comes first.
    static constexpr int kPulseMs = 25;

    CloseEngine(Desktop& desktop, Clock& clock, Timer& pulse)
        : desktop_(desktop), clock_(clock), pulse_(pulse) {}

    // Closes the first of `candidates` (all titled with `key`) that is not pending already
    // and may be closed; returns it, or 0 when there is none.
    WindowId closeFirst(const std::vector<WindowId>& candidates, const std::string& key);
    bool pending(WindowId window) const;
    bool busy() const { return !queue_.empty(); }
    // A window came to the front (an event, where the platform sends one).
    void foregroundChanged();
    // The pulse: completes, retries or drops the close in progress.
    void tick();

  private:
    struct Close {
        WindowId window = 0;
        std::string key;
        bool asked = false;
        std::int64_t askedAt = 0;
        std::int64_t lastAsked = 0;
    };

    bool closable(WindowId window, const std::string& key);
    bool inFront(WindowId window);
    // Works through the queue until a close has to wait.
    void pump();
    // One look at the close in front; true when it is over, sent or dropped.
    bool step(Close& close);

    Desktop& desktop_;
    Clock& clock_;
    Timer& pulse_;
    std::deque<Close> queue_;
};

}  // namespace zorvel
