#pragma once

#include <cstdint>

namespace zorvel {

// A monotonic clock in milliseconds: only differences between its readings mean anything.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::int64_t milliseconds() = 0;
};

}  // namespace zorvel
