#pragma once

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace zorvel::win32 {

// The "\\?\" form, which every file call takes at any length. Empty when the path cannot be
// made full: then every call fails and nothing is written anywhere.
std::wstring extendedPath(const std::wstring& path);

// ReadFile and WriteFile move at most a DWORD at a time, and may move less than asked.
template <typename Move>
bool inChunks(std::size_t total, Move move) {
    constexpr DWORD kChunk = 1 << 24;
    for (std::size_t at = 0; at < total;) {
        DWORD moved = 0;
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(kChunk, total - at));
        if (!move(at, wanted, moved) || moved == 0) {
            return false;
        }
        at += moved;
    }
    return true;
}

bool writeAll(HANDLE file, std::string_view bytes);

}  // namespace zorvel::win32
