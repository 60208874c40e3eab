#include "platform/win32/Win32LogFile.h"

#include <windows.h>

#include "platform/win32/FileIo.h"
#include "platform/win32/Text.h"

namespace zorvel::win32 {

namespace {

// Append-only access writes at the end whatever another writer did meanwhile; the user's
// editor may hold the file open, even rename or delete it.
HANDLE openForAppend(const std::wstring& path) {
    return CreateFileW(path.c_str(), FILE_APPEND_DATA | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

Win32LogFile::Win32LogFile(const std::string& path)
    : path_(path), filePath_(extendedPath(widen(path))) {}

std::optional<std::uint64_t> Win32LogFile::append(std::string_view header, std::string_view bytes) {
    HANDLE file = openForAppend(filePath_);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    bool written = GetFileSizeEx(file, &size) != FALSE;
    if (written && size.QuadPart == 0) {
        written = writeAll(file, header);
        size.QuadPart += static_cast<LONGLONG>(header.size());
    }
    written = written && writeAll(file, bytes);
    CloseHandle(file);
    if (!written) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(size.QuadPart) + bytes.size();
}

std::uint64_t Win32LogFile::size() {
    // Read from the folder, so a reader holding the file without sharing does not hide it.
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (filePath_.empty() ||
        !GetFileAttributesExW(filePath_.c_str(), GetFileExInfoStandard, &data)) {
        return 0;
    }
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool Win32LogFile::rotate() {
    const std::wstring older = filePath_ + L".1";
    return !filePath_.empty() &&
           MoveFileExW(filePath_.c_str(), older.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
}

std::string Win32LogFile::ensureExists() {
    // A file held by a reader that shares no writing is there all the same.
    if (!filePath_.empty() && GetFileAttributesW(filePath_.c_str()) != INVALID_FILE_ATTRIBUTES) {
        return {};
    }
    HANDLE file = openForAppend(filePath_);
    if (file == INVALID_HANDLE_VALUE) {
        return systemMessage(GetLastError());
    }
    CloseHandle(file);
    return {};
}

}  // namespace zorvel::win32
