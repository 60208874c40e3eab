#pragma once

#include <windows.h>

#include "platform/Controls.h"

namespace zorvel::win32 {

class Win32Timer : public Timer {
  public:
    Win32Timer(HWND owner, UINT_PTR id, int milliseconds);
    int interval() const override { return interval_; }
    void setInterval(int milliseconds) override;

  private:
    HWND owner_;
    UINT_PTR id_;
    int interval_ = 0;
};

}  // namespace zorvel::win32
