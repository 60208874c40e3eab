#include "platform/win32/Win32SettingsStore.h"

#include <windows.h>

#include "platform/win32/FileIo.h"
#include "platform/win32/Text.h"

namespace zorvel::win32 {

namespace {

constexpr DWORD kLongestPath = 32768;
// Far beyond any list a person keeps; a larger file is not read into memory.
constexpr LONGLONG kLargestFile = 1LL << 30;
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                  FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                  FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

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

bool readAll(HANDLE file, std::string& bytes) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || size.QuadPart > kLargestFile) {
        return false;
    }
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    return inChunks(bytes.size(), [&](std::size_t at, DWORD wanted, DWORD& read) {
        return ReadFile(file, bytes.data() + at, wanted, &read, nullptr) != FALSE;
    });
}

// A new file holding exactly `bytes`, on the disk when this returns true; a file this made
// but could not fill is removed, as a cut one would be worse than none.
bool writeFile(const std::wstring& path, DWORD creation, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, creation,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool complete = writeAll(file, bytes) && FlushFileBuffers(file);
    CloseHandle(file);
    if (!complete) {
        DeleteFileW(path.c_str());
    }
    return complete;
}

}  // namespace

Win32SettingsStore::Win32SettingsStore(const std::string& path)
    : path_(path), filePath_(extendedPath(widen(path))) {}

std::string Win32SettingsStore::executableDirectory() {
    // A drive's root gives "C:": whoever adds the file name adds the one separator.
    const std::wstring module = modulePath();
    return narrow(module.substr(0, module.find_last_of(L'\\')));
}

std::string Win32SettingsStore::executablePath() {
    return narrow(modulePath());
}

SettingsStore::Contents Win32SettingsStore::read() const {
    HANDLE file = CreateFileW(filePath_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return {missing ? Contents::State::Missing : Contents::State::Unreadable, {}};
    }
    Contents contents{Contents::State::Read, {}};
    if (!readAll(file, contents.bytes)) {
        contents = {Contents::State::Unreadable, {}};
    }
    CloseHandle(file);
    return contents;
}

bool Win32SettingsStore::createNew(const std::string& content) {
    // CREATE_NEW fails on any existing file, hidden, system and read-only ones included.
    return writeFile(filePath_, CREATE_NEW, content);
}

bool Win32SettingsStore::replace(const std::string& content) {
    if (filePath_.empty()) {
        return false;
    }
    // Written whole and flushed beside the file, then renamed over it: a failure at any step
    // leaves the old file as it was.
    const std::wstring temporary =
        filePath_ + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    const DWORD old = GetFileAttributesW(filePath_.c_str());
    const DWORD attributes =
        old == INVALID_FILE_ATTRIBUTES ? FILE_ATTRIBUTE_NORMAL : (old & kKeptAttributes);
    const bool replaced = writeFile(temporary, CREATE_ALWAYS, content) &&
                          (attributes == FILE_ATTRIBUTE_NORMAL ||
                           SetFileAttributesW(temporary.c_str(), attributes)) &&
                          MoveFileExW(temporary.c_str(), filePath_.c_str(),
                                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!replaced) {
        SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(temporary.c_str());
    }
    return replaced;
}

std::string Win32SettingsStore::toUtf8(std::string_view ansi) const {
    if (ansi.empty()) {
        return {};
    }
    const int size = static_cast<int>(ansi.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, wide.data(), length);
    return narrow(wide);
}

std::optional<std::string> Win32SettingsStore::fromUtf8(std::string_view utf8) const {
    const std::wstring wide = widen(std::string(utf8));
    if (wide.empty() || GetACP() == CP_UTF8) {
        return narrow(wide);
    }
    const int length = static_cast<int>(wide.size());
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr,
                                         0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(size), '\0');
    BOOL usedDefault = FALSE;
    const int converted = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length,
                                              ansi.data(), size, nullptr, &usedDefault);
    if (converted != size || usedDefault) {
        return std::nullopt;
    }
    return ansi;
}

}  // namespace zorvel::win32
