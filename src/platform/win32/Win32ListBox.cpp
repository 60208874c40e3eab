#include "platform/win32/Win32ListBox.h"

#include <vector>

#include "platform/win32/Text.h"

namespace zorvel::win32 {

int Win32ListBox::count() const {
    return static_cast<int>(SendMessageW(box_, LB_GETCOUNT, 0, 0));
}

std::string Win32ListBox::item(int index) const {
    const LRESULT length = SendMessageW(box_, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) {
        return {};
    }
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    const LRESULT read =
        SendMessageW(box_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
    return read == LB_ERR ? std::string{} : narrow(buffer.data(), static_cast<int>(read));
}

int Win32ListBox::selectedIndex() const {
    return static_cast<int>(SendMessageW(box_, LB_GETCURSEL, 0, 0));
}

void Win32ListBox::select(int index) {
    SendMessageW(box_, LB_SETCURSEL, index, 0);
}

void Win32ListBox::add(const std::string& text) {
    const std::wstring wide = widen(text);
    SendMessageW(box_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void Win32ListBox::removeAt(int index) {
    SendMessageW(box_, LB_DELETESTRING, index, 0);
}

void Win32ListBox::clear() {
    SendMessageW(box_, LB_RESETCONTENT, 0, 0);
}

}  // namespace zorvel::win32
