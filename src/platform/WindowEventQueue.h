#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/WindowWatch.h"

namespace zorvel {

// Window events waiting for the message queue: one entry per window whatever happens to it
// meanwhile, and never more than `capacity` windows, so a program that opens thousands of
// windows a second costs bounded memory and work. What does not fit is counted as lost.
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
        }
        at->second |= bit(event);
        return wasEmpty;
    }

    // Hands at most `most` windows to `deliver(window, event)`, each of its events once, in
    // the order the windows first came; then reports lost events once.
    template <typename Deliver, typename Lost>
    void drain(std::size_t most, Deliver deliver, Lost lost) {
        const std::size_t taken = order_.size() < most ? order_.size() : most;
        std::vector<std::pair<WindowId, unsigned>> batch;
        batch.reserve(taken);
        for (std::size_t i = 0; i < taken; ++i) {
            const WindowId window = order_[i];
            batch.emplace_back(window, flags_[window]);
            flags_.erase(window);
        }
        order_.erase(order_.begin(), order_.begin() + static_cast<std::ptrdiff_t>(taken));
        for (const auto& [window, flags] : batch) {
            for (WindowEvent event : kEvents) {
                if ((flags & bit(event)) != 0) {
                    deliver(window, event);
                }
            }
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
    static unsigned bit(WindowEvent event) { return 1U << static_cast<unsigned>(event); }

    std::size_t capacity_;
    std::vector<WindowId> order_;
    std::unordered_map<WindowId, unsigned> flags_;
    bool lost_ = false;
};

}  // namespace zorvel
