#include "platform/win32/Win32Instance.h"

#include "base/Texts.h"
#include "platform/win32/ControlIds.h"
#include "platform/win32/Text.h"

namespace zorvel::win32 {

namespace {

GuardClaim claimOf(HANDLE mutex, DWORD error) {
    if (mutex == nullptr) {
        return error == ERROR_ACCESS_DENIED ? GuardClaim::Denied : GuardClaim::Failed;
    }
    return error == ERROR_ALREADY_EXISTS ? GuardClaim::HeldByAnother : GuardClaim::Ours;
}

}  // namespace

Win32Instance::Win32Instance() : mutex_(CreateMutexW(nullptr, FALSE, kInstanceName)) {
    claim_ = claimOf(mutex_, GetLastError());
}

Win32Instance::~Win32Instance() {
    if (mutex_ != nullptr) {
        CloseHandle(mutex_);
    }
}

void Win32Instance::warnAlreadyRunning() {
    MessageBoxW(nullptr, widen(texts::kAlreadyRunning).c_str(), widen(texts::kAttention).c_str(),
                MB_OK | MB_ICONSTOP);
}

void Win32Instance::restoreRunningCopy() {
    // Our own window exists already, hidden and with the same title: look for the other
    // process's window of our class, never our own.
    struct Search {
        DWORD self;
        HWND found;
    } search{GetCurrentProcessId(), nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            wchar_t name[64]{};
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (process != s->self && GetClassNameW(window, name, 64) > 0 &&
                lstrcmpW(name, kMainWindowClass) == 0) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) {
        ShowWindow(search.found, SW_SHOWNORMAL);
        SetForegroundWindow(search.found);
    }
}

}  // namespace zorvel::win32
