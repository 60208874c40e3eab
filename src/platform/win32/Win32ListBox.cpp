#include "platform/win32/Win32ListBox.h"

#include <vector>

#include "platform/win32/Text.h"

namespace zorvel::win32 {

Win32ListBox::Win32ListBox(HWND box)
    : box_(box), listProc_(reinterpret_cast<WNDPROC>(GetClassLongPtrW(box, GCLP_WNDPROC))) {}

// Reads and adds go straight to the list box's own procedure: the subclasses above it (tool
// tip, mouse tracking) pass list messages on untouched, and under Wine each layer asks the
// server for its data, which made 10,000 entries take seconds.
LRESULT Win32ListBox::listMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return CallWindowProcW(listProc_, box_, message, wParam, lParam);
}

int Win32ListBox::count() const {
    return static_cast<int>(listMessage(LB_GETCOUNT, 0, 0));
}

std::string Win32ListBox::item(int index) const {
    const LRESULT length = listMessage(LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) {
        return {};
    }
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    const LRESULT read = listMessage(LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
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
    listMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void Win32ListBox::addAll(const std::vector<std::string>& texts) {
    // Drawn after every add, 10,000 entries take minutes in a visible list box.
    SendMessageW(box_, WM_SETREDRAW, FALSE, 0);
    for (const std::string& text : texts) {
        add(text);
    }
    SendMessageW(box_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box_, nullptr, TRUE);
}

void Win32ListBox::removeAt(int index) {
    SendMessageW(box_, LB_DELETESTRING, index, 0);
}

void Win32ListBox::clear() {
    SendMessageW(box_, LB_RESETCONTENT, 0, 0);
}

}  // namespace zorvel::win32
