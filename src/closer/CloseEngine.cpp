#include "closer/CloseEngine.h"

#include <algorithm>
#include <utility>

#include "closer/NagButton.h"

namespace zorvel {

bool CloseEngine::closeInBackground(WindowId window, const ListEntry& entry, CloseTrigger trigger) {
    if (handling(window) || (trigger == CloseTrigger::Appeared && refused(window)) ||
        !mayClose(window, entry, trigger)) {
        return false;
    }
    return sendCommand(window, entry, trigger);
}

WindowId CloseEngine::closeForUser(const std::vector<WindowId>& candidates,
                                   const ListEntry& entry) {
    for (WindowId window : candidates) {
        if (handling(window) || !mayClose(window, entry, CloseTrigger::User)) {
            continue;
        }
        activations_.push_back(Activation{window, entry});
        if (activations_.size() == 1) {
            pumpActivations();
        }
        return window;
    }
    return 0;
}

bool CloseEngine::handling(WindowId window) const {
    return awaited_.contains(window) ||
           std::any_of(activations_.begin(), activations_.end(),
                       [window](const Activation& a) { return a.window == window; });
}

void CloseEngine::tick() {
    pumpActivations();
    watchOutcomes();
}

void CloseEngine::forgetGone() {
    const auto gone = [this](WindowId window) {
        return !desktop_.isVisible(window) && !handling(window);
    };
    std::erase_if(refusing_, gone);
    std::erase_if(aboveUs_, gone);
    std::erase_if(noButton_, gone);
}

void CloseEngine::finishAll() {
    sendWaitingActivations();
    const std::int64_t now = clock_.milliseconds();
    for (auto& [window, awaited] : awaited_) {
        if (!awaited.closeRequested && closable(window, awaited.entry)) {
            desktop_.sendClose(window);
        }
        const bool gone = !desktop_.isVisible(window);
        record(awaited.trigger, gone ? CloseOutcome::Closed : CloseOutcome::NotClosed,
               awaited.entry, std::move(awaited.title), std::move(awaited.program),
               gone ? std::optional<std::int64_t>(now - awaited.sentAt) : std::nullopt);
    }
    awaited_.clear();
}

void CloseEngine::sendWaitingActivations() {
    for (const Activation& activation : activations_) {
        const WindowId window = activation.window;
        // Sent where it is, and only once: no close request follows it at the end.
        if (!awaited_.contains(window) && closable(window, activation.entry) &&
            sendCommand(window, activation.entry, CloseTrigger::User)) {
            awaited_.at(window).closeRequested = true;
        }
    }
    activations_.clear();
}

bool CloseEngine::closable(WindowId window, const ListEntry& entry) {
    // Our own windows and the shell's are never closed, whatever the list holds.
    return window != 0 && desktop_.isVisible(window) && !desktop_.isOurs(window) &&
           !desktop_.isShell(window) &&
           matcher_.matches(entry, desktop_.titleKey(desktop_.wholeTitle(window)), window);
}

bool CloseEngine::mayClose(WindowId window, const ListEntry& entry, CloseTrigger trigger) {
    if (!closable(window, entry)) {
        return false;
    }
    // Input to a process above ours is dropped by the system: sending it is pointless.
    if (desktop_.runsAboveUs(window)) {
        if (aboveUs_.insert(window).second) {
            record(trigger, CloseOutcome::HigherRights, entry, desktop_.wholeTitle(window),
                   desktop_.programName(window));
        }
        return false;
    }
    return true;
}

bool CloseEngine::sendCommand(WindowId window, const ListEntry& entry, CloseTrigger trigger) {
    std::string title = desktop_.wholeTitle(window);
    std::string program = desktop_.programName(window);
    const bool sent = entry.button ? press(window, entry, trigger, title, program)
                                   : desktop_.sendCloseCommand(window);
    if (!sent) {
        return false;
    }
    // The user chose the answer: a window still there after it gets nothing more.
    awaited_.emplace(window, Awaited{entry, trigger, std::move(title), std::move(program),
                                     clock_.milliseconds(), entry.button.has_value()});
    keepPulsing();
    return true;
}

bool CloseEngine::press(WindowId window, const ListEntry& entry, CloseTrigger trigger,
                        const std::string& title, const std::string& program) {
    const std::optional<PushButton> button = buttonToPress(desktop_, window, *entry.button);
    if (button && desktop_.pressButton(button->window)) {
        return true;
    }
    // The window is left alone; said once, though later looks try again.
    if (noButton_.insert(window).second) {
        record(trigger, CloseOutcome::ButtonNotFound, entry, title, program);
    }
    return false;
}

bool CloseEngine::inFront(WindowId window) {
    // Its own thread has taken the activation when the window in front is the window itself
    // or one its thread opened or showed meanwhile. The command is addressed to the found
    // window, so a pop-up the program opens on activation cannot receive it.
    const WindowId front = desktop_.foreground();
    return front == window || (front != 0 && desktop_.sameThread(front, window));
}

void CloseEngine::pumpActivations() {
    while (!activations_.empty()) {
        if (!step(activations_.front())) {
            keepPulsing();
            return;
        }
        activations_.pop_front();
    }
}

bool CloseEngine::step(Activation& activation) {
    const std::int64_t now = clock_.milliseconds();
    if (!activation.asked) {
        if (!closable(activation.window, activation.entry)) {
            return true;
        }
        activation.asked = true;
        activation.askedAt = activation.lastAsked = now;
        desktop_.requestForeground(activation.window);
    }
    if (inFront(activation.window)) {
        // Checked again at the last moment: hidden, gone or renamed meanwhile gets nothing.
        if (closable(activation.window, activation.entry)) {
            sendCommand(activation.window, activation.entry, CloseTrigger::User);
        }
        return true;
    }
    if (now - activation.askedAt >= kGiveUpMs || !desktop_.isVisible(activation.window)) {
        return true;
    }
    if (now - activation.lastAsked >= kAskAgainMs) {
        activation.lastAsked = now;
        desktop_.requestForeground(activation.window);
    }
    return false;
}

void CloseEngine::watchOutcomes() {
    const std::int64_t now = clock_.milliseconds();
    for (auto it = awaited_.begin(); it != awaited_.end();) {
        it = over(it->first, it->second, now - it->second.sentAt) ? awaited_.erase(it) : ++it;
    }
}

bool CloseEngine::over(WindowId window, Awaited& awaited, std::int64_t elapsed) {
    if (!desktop_.isVisible(window)) {
        record(awaited.trigger, CloseOutcome::Closed, awaited.entry, std::move(awaited.title),
               std::move(awaited.program), elapsed);
        return true;
    }
    if (elapsed >= kOutcomeMs) {
        if (refusing_.insert(window).second) {
            record(awaited.trigger, CloseOutcome::NotClosed, awaited.entry,
                   std::move(awaited.title), std::move(awaited.program));
        }
        return true;
    }
    if (elapsed >= kCloseRequestMs && !awaited.closeRequested) {
        awaited.closeRequested = true;
        // Only while it still bears a listed title: it may have become something else.
        if (closable(window, awaited.entry)) {
            desktop_.sendClose(window);
        }
    }
    return false;
}

void CloseEngine::record(CloseTrigger trigger, CloseOutcome outcome, const ListEntry& entry,
                         std::string title, std::string program, std::optional<std::int64_t> ms) {
    recorder_.record(
        CloseRecord{trigger, outcome, entry, std::move(title), std::move(program), ms});
}

void CloseEngine::keepPulsing() {
    if (pulse_.interval() == 0) {
        pulse_.setInterval(kPulseMs);
    }
}

}  // namespace zorvel
