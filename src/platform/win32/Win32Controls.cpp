#include "platform/win32/Win32Controls.h"

#include <cmath>
#include <vector>

#include "platform/win32/Text.h"

namespace zorvel::win32 {

std::string windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    const int read = GetWindowTextW(window, buffer.data(), length + 1);
    return narrow(buffer.data(), read);
}

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

void Win32TextBox::setText(const std::string& text) {
    SetWindowTextW(edit_, widen(text).c_str());
}

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

HFONT createFont(HWND window, double points, bool bold) {
    const UINT dpi = GetDpiForWindow(window);
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::lround(points * dpi / 72.0));
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(font.lfFaceName, L"MS Sans Serif", LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

Win32Label::Win32Label(HWND label, double points, bool bold)
    : label_(label), points_(points), bold_(bold) {
    rescale();
}

Win32Label::~Win32Label() {
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
}

void Win32Label::setFont(double points, bool bold) {
    if (points == points_ && bold == bold_) {
        return;  // a repaint on every mouse movement would flicker
    }
    points_ = points;
    bold_ = bold;
    rescale();
}

void Win32Label::rescale() {
    HFONT old = font_;
    font_ = createFont(label_, points_, bold_);
    SendMessageW(label_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    if (old != nullptr) {
        DeleteObject(old);
    }
}

Win32Timer::Win32Timer(HWND owner, UINT_PTR id, int milliseconds) : owner_(owner), id_(id) {
    setInterval(milliseconds);
}

void Win32Timer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    if (milliseconds > 0) {
        SetTimer(owner_, id_, static_cast<UINT>(milliseconds), nullptr);
    } else {
        KillTimer(owner_, id_);
    }
}

}  // namespace zorvel::win32
