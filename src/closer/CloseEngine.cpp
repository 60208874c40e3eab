#include "closer/CloseEngine.h"

#include <algorithm>

namespace zorvel {

WindowId CloseEngine::closeFirst(const std::vector<WindowId>& candidates, const std::string& key) {
    for (WindowId window : candidates) {
        if (pending(window) || !closable(window, key)) {
            continue;
        }
        // Input to a process above ours is dropped: activating it would only steal the
        // user's focus, again on every tick.
        if (desktop_.runsAboveUs(window)) {
            continue;
        }
        queue_.push_back(Close{window, key});
        if (queue_.size() == 1) {
            pump();
        }
        return window;
    }
    return 0;
}

bool CloseEngine::pending(WindowId window) const {
    return std::any_of(queue_.begin(), queue_.end(),
                       [window](const Close& c) { return c.window == window; });
}

void CloseEngine::foregroundChanged() {
    // Whatever came to the front may be the waiting window or one of its program's.
    pump();
}

void CloseEngine::tick() {
    pump();
}

bool CloseEngine::inFront(WindowId window) {
    // Its own thread has taken the activation when the window in front is the window itself
    // or one its thread opened or showed meanwhile. The chord is addressed to the found
    // window, so a pop-up the program opens on activation cannot receive it.
    const WindowId front = desktop_.foreground();
    return front == window || (front != 0 && desktop_.sameThread(front, window));
}

bool CloseEngine::closable(WindowId window, const std::string& key) {
    // Our own windows are never closed, whatever the list holds.
    return window != 0 && desktop_.isVisible(window) && !desktop_.isOurs(window) &&
           desktop_.titleKey(desktop_.wholeTitle(window)) == key;
}

void CloseEngine::pump() {
    while (busy()) {
        if (!step(queue_.front())) {
            if (pulse_.interval() == 0) {
                pulse_.setInterval(kPulseMs);
            }
            return;
        }
        queue_.pop_front();
    }
}

bool CloseEngine::step(Close& close) {
    const std::int64_t now = clock_.milliseconds();
    if (!close.asked) {
        if (!closable(close.window, close.key)) {
            return true;
        }
        close.asked = true;
        close.askedAt = close.lastAsked = now;
        desktop_.requestForeground(close.window);
    }
    if (inFront(close.window)) {
        // Checked again at the last moment: hidden, gone or renamed meanwhile gets nothing.
        if (closable(close.window, close.key)) {
            desktop_.sendCloseChord(close.window);
        }
        return true;
    }
    if (now - close.askedAt >= kGiveUpMs || !desktop_.isVisible(close.window)) {
        return true;
    }
    if (now - close.lastAsked >= kAskAgainMs) {
        close.lastAsked = now;
        desktop_.requestForeground(close.window);
    }
    return false;
}

}  // namespace zorvel
