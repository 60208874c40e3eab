#include "platform/win32/FileIo.h"

namespace zorvel::win32 {

std::wstring extendedPath(const std::wstring& path) {
    if (path.starts_with(L"\\\\?\\")) {
        return path;
    }
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (size == 0 || length == 0 || length >= size) {
        return {};
    }
    full.resize(length);
    return full.starts_with(L"\\\\") ? L"\\\\?\\UNC\\" + full.substr(2) : L"\\\\?\\" + full;
}

bool writeAll(HANDLE file, std::string_view bytes) {
    return inChunks(bytes.size(), [&](std::size_t at, DWORD wanted, DWORD& written) {
        return WriteFile(file, bytes.data() + at, wanted, &written, nullptr) != FALSE;
    });
}

}  // namespace zorvel::win32
