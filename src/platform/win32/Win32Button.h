#pragma once

#include <windows.h>

#include "platform/Controls.h"

namespace zorvel::win32 {

class Win32Button : public Button {
  public:
    explicit Win32Button(HWND button) : button_(button) {}
    void focus() override { SetFocus(button_); }

  private:
    HWND button_;
};

}  // namespace zorvel::win32
