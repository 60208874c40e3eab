#include "closer/Watcher.h"

#include <algorithm>

namespace zorvel {

void Watcher::setEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    if (enabled) {
        watch_.start(*this);
    } else {
        watch_.stop();
        newWindows_.clear();
    }
}

void Watcher::windowEvent(WindowId window, WindowEvent event) {
    if (!enabled_ || window == 0) {
        return;
    }
    if (event == WindowEvent::Foreground) {
        engine_.foregroundChanged();
    }
    if (!look(window) && event == WindowEvent::Created) {
        watchNew(window);
    }
}

void Watcher::eventsLost() {
    if (!enabled_) {
        return;
    }
    for (const TopWindow& window : desktop_.topLevelWindows()) {
        const std::string key = desktop_.titleKey(window.title);
        if (captions_.listsKey(key)) {
            engine_.closeFirst({window.id}, key);
        }
    }
}

void Watcher::tick() {
    const std::int64_t now = clock_.milliseconds();
    std::erase_if(newWindows_, [&](NewWindow& w) {
        if (now - w.born >= kNewWindowWatchMs) {
            return true;
        }
        if (now < w.nextLook) {
            return false;
        }
        // The wait grows with the window's age: a quarter of it, never under one pulse.
        w.nextLook = now + std::max<std::int64_t>(CloseEngine::kPulseMs, (now - w.born) / 4);
        return look(w.window);
    });
}

bool Watcher::look(WindowId window) {
    if (engine_.pending(window)) {
        return true;
    }
    if (!desktop_.isVisible(window)) {
        // Hidden for now, perhaps shown in a moment; one that no longer exists is
        // dropped when its watch ends.
        return false;
    }
    const std::string key = desktop_.titleKey(desktop_.wholeTitle(window));
    return captions_.listsKey(key) && engine_.closeFirst({window}, key) != 0;
}

void Watcher::watchNew(WindowId window) {
    if (std::any_of(newWindows_.begin(), newWindows_.end(),
                    [window](const NewWindow& w) { return w.window == window; })) {
        return;
    }
    if (newWindows_.size() == kMostWatched) {
        newWindows_.pop_front();
    }
    const std::int64_t now = clock_.milliseconds();
    newWindows_.push_back(NewWindow{window, now, now + CloseEngine::kPulseMs});
    if (pulse_.interval() == 0) {
        pulse_.setInterval(CloseEngine::kPulseMs);
    }
}

}  // namespace zorvel
