#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/Controls.h"
#include "platform/win32/Text.h"

namespace zorvel::win32 {

// BM_SETCHECK does not notify, so a change made by the program runs the handler here.
class Win32CheckBox : public CheckBox {
  public:
    Win32CheckBox(HWND box, std::function<void()> onClick)
        : box_(box), onClick_(std::move(onClick)) {}
    int value() const override;
    void setValue(int value) override;
    std::string caption() const override { return windowText(box_); }
    void setCaption(const std::string& caption) override;

  private:
    HWND box_;
    std::function<void()> onClick_;
};

}  // namespace zorvel::win32
