#include "platform/win32/Win32Autostart.h"

#include <cwchar>

#include "platform/win32/Text.h"

namespace zorvel::win32 {

namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kEntryName[] = L"Zorvel";

}  // namespace

std::optional<std::string> Win32Autostart::entry() {
    // The value can change between asking its size and reading it: asked again then.
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD size = 0;
        if (RegGetValueW(HKEY_CURRENT_USER, kRunKey, kEntryName, RRF_RT_REG_SZ, nullptr, nullptr,
                         &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
        size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
        const LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, kRunKey, kEntryName, RRF_RT_REG_SZ,
                                            nullptr, value.data(), &size);
        if (status == ERROR_SUCCESS) {
            value.resize(wcsnlen(value.c_str(), value.size()));
            return narrow(value);
        }
        if (status != ERROR_MORE_DATA) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

bool Win32Autostart::setEntry(const std::string& command) {
    const std::wstring value = widen(command);
    return RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, kEntryName, REG_SZ, value.c_str(),
                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) ==
           ERROR_SUCCESS;
}

bool Win32Autostart::removeEntry() {
    const LSTATUS status = RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, kEntryName);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

std::string Win32Autostart::pathKey(const std::string& path) {
    // Upper case by no language's rules, as the file system compares names.
    const std::wstring wide = widen(path);
    std::wstring key(wide.size(), L'\0');
    if (!wide.empty() && LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, wide.c_str(),
                                       static_cast<int>(wide.size()), key.data(),
                                       static_cast<int>(key.size()), nullptr, nullptr, 0) == 0) {
        return path;
    }
    return narrow(key);
}

}  // namespace zorvel::win32
