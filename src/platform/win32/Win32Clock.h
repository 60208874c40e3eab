#pragma once

#include <windows.h>

#include "platform/Clock.h"

namespace zorvel::win32 {

class Win32Clock : public Clock {
  public:
    std::int64_t milliseconds() override { return static_cast<std::int64_t>(GetTickCount64()); }
    LocalTime localTime() override {
        SYSTEMTIME now{};
        GetLocalTime(&now);
        return LocalTime{now.wYear,   now.wMonth,  now.wDay,         now.wHour,
                         now.wMinute, now.wSecond, now.wMilliseconds};
    }
};

}  // namespace zorvel::win32
