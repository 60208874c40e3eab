#pragma once

#include <windows.h>

namespace zorvel::win32 {

// "MS Sans Serif" at the given size for the window's resolution.
HFONT createFont(HWND window, double points, bool bold, bool italic = false);

}  // namespace zorvel::win32
