#pragma once

#include <algorithm>
#include <cstddef>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/WindowWatch.h"

namespace zorvel {

// Window events waiting for the message queue: one entry per window whatever happens to it
// meanwhile, and never more than `capacity` windows, so a program that opens thousands of
// windows a second costs bounded memory and work. What does not fit is counted as lost.
// Every window gets a first look once, when it is next drained, and again only when renamed
// or when the look asked for it: the windows it puts first leave the queue ahead of the
// others, so that their wait does not grow with a flood, and those it asks to see again stay
// while others wait.
class WindowEventQueue {
  public:
    explicit WindowEventQueue(std::size_t capacity) : capacity_(capacity) {}

    // True when the queue was empty before: the one moment a wake-up must be posted.
    bool push(WindowId window, WindowEvent event) {
        const bool wasEmpty = order_.empty() && !lost_;
        const auto [at, added] = flags_.try_emplace(window, 0U);
        if (added) {
            if (order_.size() == capacity_) {
                flags_.erase(at);
                lost_ = true;
                return wasEmpty;
            }
            order_.push_back(window);
        } else if (event == WindowEvent::Renamed && (at->second & kLooked) != 0) {
            // Its title came after its first look.
            at->second &= ~kLooked;
            lookAgain_.push_back(window);
        }
        at->second |= bit(event);
        return wasEmpty;
    }

    // Gives every window due a look to `look(window)` and hands those it puts first, then at
    // most `most` others in the order they first came, to `deliver(window, event)`, each of its
    // events once; then reports lost events once.
    template <typename Look, typename Deliver, typename Lost>
    void drain(std::size_t most, Look look, Deliver deliver, Lost lost) {
        // Delivered the moment it is found: the looks at the others can wait.
        const auto now = [&](WindowId window) { hand(take(window), deliver); };
        lookAgain(look, now);
        lookNew(look, now);
        const std::vector<std::pair<WindowId, unsigned>> batch = inTurn(most);
        for (const auto& waiting : batch) {
            hand(waiting, deliver);
        }
        if (order_.empty() && lost_) {
            lost_ = false;
            lost();
        }
    }

    bool empty() const { return order_.empty() && !lost_; }

  private:
    static constexpr WindowEvent kEvents[] = {WindowEvent::Foreground, WindowEvent::Created,
                                              WindowEvent::Shown, WindowEvent::Renamed};
    // Looked at, and nothing since calls for another look.
    static constexpr unsigned kLooked = 1U << 31;
    // Looked at, and to be looked at again.
    static constexpr unsigned kAgain = 1U << 30;
    static unsigned bit(WindowEvent event) { return 1U << static_cast<unsigned>(event); }

    std::pair<WindowId, unsigned> take(WindowId window) {
        const auto at = flags_.find(window);
        const std::pair<WindowId, unsigned> taken{window, at->second};
        flags_.erase(at);
        return taken;
    }

    template <typename Deliver>
    static void hand(const std::pair<WindowId, unsigned>& waiting, Deliver deliver) {
        for (WindowEvent event : kEvents) {
            if ((waiting.second & bit(event)) != 0) {
                deliver(waiting.first, event);
            }
        }
    }

    // Whether a window stays in the queue after a look; one put first goes at once.
    template <typename Look, typename Now>
    bool stays(Look look, WindowId window, Now now) {
        switch (look(window)) {
            case FirstLook::Now:
                now(window);
                return false;
            case FirstLook::InTurn:
                flags_[window] = (flags_[window] & ~kAgain) | kLooked;
                return true;
            case FirstLook::Again:
                flags_[window] |= kAgain;
                lookAgain_.push_back(window);
                return true;
        }
        return true;
    }

    // At most `most` looked-at windows in their order, those to be looked at again left in
    // place while others are there; all windows have had their first look.
    std::vector<std::pair<WindowId, unsigned>> inTurn(std::size_t most) {
        std::vector<std::pair<WindowId, unsigned>> batch;
        std::size_t kept = 0;
        std::size_t i = 0;
        for (; i < order_.size() && batch.size() < most; ++i) {
            if ((flags_[order_[i]] & kAgain) != 0) {
                order_[kept++] = order_[i];
            } else {
                batch.push_back(take(order_[i]));
            }
        }
        if (batch.empty()) {
            // Nothing else waits: the receiver looks after them from here.
            for (kept = i = 0; i < order_.size() && batch.size() < most; ++i) {
                batch.push_back(take(order_[i]));
            }
        }
        order_.erase(order_.begin() + static_cast<std::ptrdiff_t>(kept),
                     order_.begin() + static_cast<std::ptrdiff_t>(i));
        looked_ = order_.size();
        return batch;
    }

    // The windows come since the last drain; those put first leave the queue.
    template <typename Look, typename Now>
    void lookNew(Look look, Now now) {
        std::size_t kept = looked_;
        for (std::size_t i = looked_; i < order_.size(); ++i) {
            const WindowId window = order_[i];
            if (stays(look, window, now)) {
                order_[kept++] = window;
            }
        }
        order_.resize(kept);
        looked_ = kept;
    }

    // The windows renamed since their look, or asked to be looked at again.
    template <typename Look, typename Now>
    void lookAgain(Look look, Now now) {
        std::vector<WindowId> again;
        again.swap(lookAgain_);
        for (WindowId window : again) {
            const auto at = flags_.find(window);
            if (at == flags_.end() || (at->second & kLooked) != 0 || stays(look, window, now)) {
                continue;  // delivered meanwhile, or back in its place
            }
            const auto place = std::find(order_.begin(), order_.end(), window);
            looked_ -= place - order_.begin() < static_cast<std::ptrdiff_t>(looked_) ? 1 : 0;
            order_.erase(place);
        }
    }

    std::size_t capacity_;
    std::vector<WindowId> order_;
    std::unordered_map<WindowId, unsigned> flags_;
    // The first `looked_` windows of `order_` have had their first look.
    std::size_t looked_ = 0;
    std::vector<WindowId> lookAgain_;
    bool lost_ = false;
};

}  // namespace zorvel
