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
        unshown_.clear();
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

FirstLook Watcher::firstLook(WindowId window) {
    if (!enabled_ ||
        !captions_.matcher().find(desktop_.titleKey(desktop_.wholeTitle(window)), window)) {
        unshown_.erase(window);
        return FirstLook::InTurn;
    }
    if (desktop_.isVisible(window)) {
        unshown_.erase(window);
        return FirstLook::Now;
    }
    // Most windows show a moment after they are created; hidden, there is nothing to close.
    if (unshown_.size() == kMostWatched) {
        // Bounded: one handed over but never watched stays; dropped, it only loses its turn.
        unshown_.clear();
    }
    unshown_.insert(window);
    return FirstLook::Again;
}

void Watcher::lookAtAll() {
    if (!enabled_) {
        return;
    }
    for (const TopWindow& window : desktop_.topLevelWindows()) {
        if (const auto entry =
                captions_.matcher().find(desktop_.titleKey(window.title), window.id)) {
            engine_.closeInBackground(window.id, *entry, CloseTrigger::Appeared);
        }
    }
}

void Watcher::tick() {
    const std::int64_t now = clock_.milliseconds();
    int looks = kLooksPerPulse;
    std::erase_if(newWindows_, [&](NewWindow& w) {
        if (now - w.born >= kNewWindowWatchMs) {
            return true;
        }
        if (!w.listed) {
            if (now < w.nextLook || looks == 0) {
                return false;
            }
            --looks;
            // The wait grows with the window's age: a quarter of it, never under one pulse.
            w.nextLook = now + std::max<std::int64_t>(CloseEngine::kPulseMs, (now - w.born) / 4);
        }
        return look(w.window);
    });
}

bool Watcher::look(WindowId window) {
    // One close per appearance: a window awaited or refusing needs no further look.
    if (engine_.handling(window) || engine_.refused(window)) {
        return true;
    }
    if (!desktop_.isVisible(window)) {
        // Hidden for now, perhaps shown in a moment; one that no longer exists is
        // dropped when its watch ends.
        return false;
    }
    const auto entry =
        captions_.matcher().find(desktop_.titleKey(desktop_.wholeTitle(window)), window);
    return entry && engine_.closeInBackground(window, *entry, CloseTrigger::Appeared);
}

void Watcher::watchNew(WindowId window) {
    if (std::any_of(newWindows_.begin(), newWindows_.end(),
                    [window](const NewWindow& w) { return w.window == window; })) {
        return;
    }
    if (newWindows_.size() == kMostWatched) {
        // A listed one is the last to go.
        const auto oldest = std::find_if(newWindows_.begin(), newWindows_.end(),
                                         [](const NewWindow& w) { return !w.listed; });
        newWindows_.erase(oldest != newWindows_.end() ? oldest : newWindows_.begin());
    }
    const std::int64_t now = clock_.milliseconds();
    // Most windows are shown a moment after they are created: the next pulse looks again.
    newWindows_.push_back(NewWindow{window, now, now, unshown_.erase(window) > 0});
    if (pulse_.interval() == 0) {
        pulse_.setInterval(CloseEngine::kPulseMs);
    }
}

}  // namespace zorvel
