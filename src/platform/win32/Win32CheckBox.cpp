#include "platform/win32/Win32CheckBox.h"

#include "platform/win32/Text.h"

namespace zorvel::win32 {

int Win32CheckBox::value() const {
    return SendMessageW(box_, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void Win32CheckBox::setValue(int value) {
    const int wanted = value == 1 ? 1 : 0;
    if (wanted == this->value()) {
        return;
    }
    SendMessageW(box_, BM_SETCHECK, wanted ? BST_CHECKED : BST_UNCHECKED, 0);
    onClick_();
}

void Win32CheckBox::setCaption(const std::string& caption) {
    SetWindowTextW(box_, widen(caption).c_str());
}

}  // namespace zorvel::win32
