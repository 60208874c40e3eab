#include "platform/win32/Win32TextBox.h"

#include "platform/win32/Text.h"

namespace zorvel::win32 {

void Win32TextBox::setText(const std::string& text) {
    SetWindowTextW(edit_, widen(text).c_str());
}

}  // namespace zorvel::win32
