#pragma once

#include <windows.h>

#include <string>

namespace zorvel::win32 {

// UTF-8 inside the program, UTF-16 at the platform's W calls.
std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& utf16);
std::string narrow(const wchar_t* utf16, int length);
std::string windowText(HWND window);
// The system's own words for an error code, without the line break it ends in.
std::string systemMessage(DWORD error);

}  // namespace zorvel::win32
