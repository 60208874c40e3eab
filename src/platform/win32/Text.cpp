#include "platform/win32/Text.h"

#include <vector>

namespace zorvel::win32 {

std::wstring widen(const std::string& utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring out(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out.data(), length);
    return out;
}

std::string narrow(const wchar_t* utf16, int length) {
    if (length <= 0) {
        return {};
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, utf16, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16, length, out.data(), size, nullptr, nullptr);
    return out;
}

std::string narrow(const std::wstring& utf16) {
    return narrow(utf16.data(), static_cast<int>(utf16.size()));
}

std::string windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    const int read = GetWindowTextW(window, buffer.data(), length + 1);
    return narrow(buffer.data(), read);
}

}  // namespace zorvel::win32
