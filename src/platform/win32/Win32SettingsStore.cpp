#include "platform/win32/Win32SettingsStore.h"

#include <windows.h>

#include <optional>
#include <string_view>

#include "platform/win32/Text.h"
#include "settings/Settings.h"

namespace zorvel::win32 {

namespace {

constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
// A settings file is a few kilobytes; anything this big is left as it is.
constexpr LONGLONG kLargestConverted = 16LL * 1024 * 1024;
constexpr DWORD kLongestPath = 32768;

std::wstring modulePath() {
    std::wstring path(MAX_PATH, L'\0');
    while (path.size() <= kLongestPath) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);  // cut: try a larger buffer
    }
    return {};
}

// Whether the ANSI code page holds every character of `text`, with no best-fit stand-ins.
bool fitsAnsiCodePage(const std::wstring& text) {
    if (text.empty() || GetACP() == CP_UTF8) {
        return true;
    }
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr,
                                         0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(size), '\0');
    BOOL usedDefault = FALSE;
    const int converted = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length,
                                              ansi.data(), size, nullptr, &usedDefault);
    return converted > 0 && !usedDefault;
}

std::optional<std::string> readAll(HANDLE file) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || size.QuadPart > kLargestConverted) {
        return std::nullopt;
    }
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        (!ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size())) {
        return std::nullopt;
    }
    return bytes;
}

// The file's text as the profile calls would read it: ANSI, or UTF-8 after its mark.
std::string toUtf16Le(std::string_view bytes) {
    UINT codePage = CP_ACP;
    if (bytes.starts_with(kUtf8Mark)) {
        bytes.remove_prefix(kUtf8Mark.size());
        codePage = CP_UTF8;
    }
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length);
    std::string out(kUtf16LeMark);
    for (wchar_t unit : wide) {
        out += static_cast<char>(unit & 0xFF);
        out += static_cast<char>((unit >> 8) & 0xFF);
    }
    return out;
}

void replaceContents(HANDLE file, LONGLONG oldSize, const std::string& bytes) {
    LARGE_INTEGER newSize{};
    newSize.QuadPart = static_cast<LONGLONG>(bytes.size());
    // Claim the space first: on a full disk this fails before any byte is overwritten.
    if (!SetFilePointerEx(file, newSize, nullptr, FILE_BEGIN) || !SetEndOfFile(file)) {
        LARGE_INTEGER restore{};
        restore.QuadPart = oldSize;
        SetFilePointerEx(file, restore, nullptr, FILE_BEGIN);
        SetEndOfFile(file);
        return;
    }
    SetFilePointerEx(file, LARGE_INTEGER{}, nullptr, FILE_BEGIN);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace

Win32SettingsStore::Win32SettingsStore(const std::string& path) : path_(widen(path)) {}

std::string Win32SettingsStore::besideExecutable() {
    const std::wstring module = modulePath();
    // A drive's root gives "C:", and settingsPath adds the one separator.
    return settingsPath(narrow(module.substr(0, module.find_last_of(L'\\'))));
}

bool Win32SettingsStore::createNew(const std::string& content) {
    // CREATE_NEW fails on any existing file, hidden, system and read-only ones included.
    HANDLE file = CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const bool complete =
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
        written == content.size();
    CloseHandle(file);
    if (!complete) {
        DeleteFileW(path_.c_str());  // a cut template would be worse than none
    }
    return complete;
}

std::string Win32SettingsStore::read(const std::string& section, const std::string& key,
                                     const std::string& fallback, int bufferChars) {
    if (bufferChars <= 0) {
        return {};
    }
    std::wstring buffer(static_cast<size_t>(bufferChars), L'\0');
    const DWORD length = GetPrivateProfileStringW(widen(section).c_str(), widen(key).c_str(),
                                                  widen(fallback).c_str(), buffer.data(),
                                                  static_cast<DWORD>(bufferChars), path_.c_str());
    return narrow(buffer.data(), static_cast<int>(length));
}

void Win32SettingsStore::write(const std::string& section, const std::string& key,
                               const std::string& value) {
    WritePrivateProfileStringW(widen(section).c_str(), widen(key).c_str(), widen(value).c_str(),
                               path_.c_str());
}

void Win32SettingsStore::prepareFor(const std::string& text) {
    if (fitsAnsiCodePage(widen(text))) {
        return;
    }
    // Read-only, locked or impossible to create: the writes that follow fail the same way.
    HANDLE file = CreateFileW(path_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    // With a byte-order mark the profile calls read and write the file in Unicode.
    const std::optional<std::string> bytes = readAll(file);
    if (bytes && !bytes->starts_with(kUtf16LeMark) && !bytes->starts_with(kUtf16BeMark)) {
        replaceContents(file, static_cast<LONGLONG>(bytes->size()), toUtf16Le(*bytes));
    }
    CloseHandle(file);
}

}  // namespace zorvel::win32
