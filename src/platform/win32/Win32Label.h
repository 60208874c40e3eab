#pragma once

#include <windows.h>

#include "platform/Controls.h"

namespace zorvel::win32 {

class Win32Label : public Label {
  public:
    Win32Label(HWND label, double points, bool bold);
    ~Win32Label() override;
    Win32Label(const Win32Label&) = delete;
    Win32Label& operator=(const Win32Label&) = delete;
    void setFont(double points, bool bold) override;
    // Re-creates the font for a new resolution, keeping its size in points.
    void rescale();

  private:
    HWND label_;
    HFONT font_ = nullptr;
    double points_;
    bool bold_;
};

}  // namespace zorvel::win32
