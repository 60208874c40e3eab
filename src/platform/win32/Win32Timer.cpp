#include "platform/win32/Win32Timer.h"

namespace zorvel::win32 {

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
