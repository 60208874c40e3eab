#pragma once

#include <windows.h>

#include <string>

#include "platform/Controls.h"
#include "platform/win32/Text.h"

namespace zorvel::win32 {

class Win32TextBox : public TextBox {
  public:
    explicit Win32TextBox(HWND edit) : edit_(edit) {}
    std::string text() const override { return windowText(edit_); }
    void setText(const std::string& text) override;
    void focus() override { SetFocus(edit_); }
    void selectAll() override { SendMessageW(edit_, EM_SETSEL, 0, -1); }

  private:
    HWND edit_;
};

}  // namespace zorvel::win32
