#include "platform/win32/Win32Label.h"

#include "platform/win32/Font.h"

namespace zorvel::win32 {

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

}  // namespace zorvel::win32
