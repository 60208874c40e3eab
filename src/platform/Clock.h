#pragma once

#include <cstdint>

namespace zorvel {

// The wall-clock time where the user is, as a record shows it.
struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    // Monotonic: only differences between its readings mean anything.
    virtual std::int64_t milliseconds() = 0;
    virtual LocalTime localTime() = 0;
};

}  // namespace zorvel
