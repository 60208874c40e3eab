#include "platform/win32/Text.h"

#include <vector>

#include "base/Utf.h"

namespace zorvel::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the W calls take UTF-16");

std::wstring widen(const std::string& utf8) {
    return utf::toWide<wchar_t>(utf8);
}

std::string narrow(const wchar_t* utf16, int length) {
    return length <= 0 ? std::string() : utf::fromWide(utf16, static_cast<std::size_t>(length));
}

std::string narrow(const std::wstring& utf16) {
    return utf::fromWide(utf16.data(), utf16.size());
}

std::string windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    const int read = GetWindowTextW(window, buffer.data(), length + 1);
    return narrow(buffer.data(), read);
}

std::string systemMessage(DWORD error) {
    wchar_t text[512]{};
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, error, 0, text, 512, nullptr);
    while (length > 0 && (text[length - 1] == L'\r' || text[length - 1] == L'\n')) {
        --length;
    }
    return length > 0 ? narrow(text, static_cast<int>(length)) : "error " + std::to_string(error);
}

}  // namespace zorvel::win32
