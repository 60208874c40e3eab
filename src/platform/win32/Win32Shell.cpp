#include "platform/win32/Win32Shell.h"

#include <shellapi.h>

#include "platform/win32/ControlIds.h"
#include "platform/win32/Text.h"

namespace zorvel::win32 {

namespace {

// ShellExecute answers with a number above 32 when the program started.
bool opened(HINSTANCE result) {
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace

namespace {

HICON smallIcon(HINSTANCE instance, int id) {
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON,
                                         GetSystemMetrics(SM_CXSMICON),
                                         GetSystemMetrics(SM_CYSMICON), LR_SHARED));
}

}  // namespace

Win32Shell::Win32Shell(HINSTANCE instance)
    : icon_(smallIcon(instance, kWindowIcon)), pausedIcon_(smallIcon(instance, kPausedIcon)) {}

bool Win32Shell::notifyIcon(TrayCommand command, const TrayRecord& record) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = reinterpret_cast<HWND>(record.window);
    data.uID = record.id;
    if (record.withMessage) {
        data.uFlags |= NIF_MESSAGE;
        data.uCallbackMessage = kTrayMessage;
    }
    if (record.withIcon) {
        data.uFlags |= NIF_ICON;
        data.hIcon = record.paused ? pausedIcon_ : icon_;
    }
    if (record.withTip) {
        data.uFlags |= NIF_TIP;
        lstrcpynW(data.szTip, widen(record.tip).c_str(), ARRAYSIZE(data.szTip));
    }
    const DWORD message = command == TrayCommand::Add      ? NIM_ADD
                          : command == TrayCommand::Modify ? NIM_MODIFY
                                                           : NIM_DELETE;
    return Shell_NotifyIconW(message, &data) != FALSE;
}

void Win32Shell::openMaximized(const std::string& address) {
    ShellExecuteW(owner_, L"open", widen(address).c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
}

bool Win32Shell::openDocument(const std::string& path) {
    return opened(
        ShellExecuteW(owner_, L"open", widen(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
}

bool Win32Shell::openIn(const std::string& program, const std::string& path) {
    const std::wstring quoted = L"\"" + widen(path) + L"\"";
    return opened(ShellExecuteW(owner_, L"open", widen(program).c_str(), quoted.c_str(), nullptr,
                                SW_SHOWNORMAL));
}

}  // namespace zorvel::win32
