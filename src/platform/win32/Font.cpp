#include "platform/win32/Font.h"

#include <cmath>

namespace zorvel::win32 {

HFONT createFont(HWND window, double points, bool bold, bool italic) {
    const UINT dpi = GetDpiForWindow(window);
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::lround(points * dpi / 72.0));
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = italic ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(font.lfFaceName, L"MS Sans Serif", LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

}  // namespace zorvel::win32
