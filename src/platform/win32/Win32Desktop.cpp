#include "platform/win32/Win32Desktop.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/win32/Text.h"

namespace zorvel::win32 {

namespace {

HWND hwnd(WindowId window) {
    return reinterpret_cast<HWND>(window);
}
WindowId id(HWND window) {
    return reinterpret_cast<WindowId>(window);
}

constexpr ULONGLONG kActivationGraceMs = 1000;
constexpr ULONGLONG kActivationRetryMs = 250;

INPUT key(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

}  // namespace

WindowId Win32Desktop::findVisibleTopLevel(const std::string& title) {
    const std::wstring wide = widen(title);
    // FindWindowEx keeps the platform's own title comparison; walking on past hidden
    // matches keeps an invisible window from shadowing a visible one.
    HWND after = nullptr;
    for (int guard = 0; guard < 100000; ++guard) {
        HWND found = FindWindowExW(nullptr, after, nullptr, wide.c_str());
        if (found == nullptr) {
            return 0;
        }
        if (IsWindowVisible(found)) {
            return id(found);
        }
        after = found;
    }
    return 0;
}

namespace {

// Titles folded the way the platform compares window titles: case ignored, no locale.
std::wstring fold(std::wstring title) {
    if (!title.empty()) {
        LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, title.data(),
                      static_cast<int>(title.size()), title.data(), static_cast<int>(title.size()),
                      nullptr, nullptr, 0);
    }
    return title;
}

class Win32Snapshot : public WindowSnapshot {
  public:
    Win32Snapshot() {
        EnumWindows(
            [](HWND window, LPARAM self) -> BOOL {
                reinterpret_cast<Win32Snapshot*>(self)->take(window);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(this));
    }

    std::vector<WindowId> windowsTitled(const std::string& title) const override {
        auto found = byTitle_.find(fold(widen(title)));
        return found == byTitle_.end() ? std::vector<WindowId>{} : found->second;
    }

  private:
    void take(HWND window) {
        if (!IsWindowVisible(window)) {
            return;
        }
        byTitle_[fold(wholeTitle(window))].push_back(id(window));
    }

    // The title as the window manager keeps it: no message to a possibly hung program. A
    // cut title could equal a shorter caption, so the buffer grows until the whole fits.
    static std::wstring wholeTitle(HWND window) {
        std::wstring title(256, L'\0');
        for (;;) {
            const int length =
                InternalGetWindowText(window, title.data(), static_cast<int>(title.size()));
            if (length < static_cast<int>(title.size()) - 1) {
                title.resize(static_cast<size_t>(std::max(length, 0)));
                return title;
            }
            title.resize(title.size() * 2);
        }
    }

    std::unordered_map<std::wstring, std::vector<WindowId>> byTitle_;
};

}  // namespace

std::unique_ptr<WindowSnapshot> Win32Desktop::snapshot() {
    return std::make_unique<Win32Snapshot>();
}

bool Win32Desktop::isVisible(WindowId window) {
    return IsWindowVisible(hwnd(window)) != FALSE;
}

namespace {

// Windows lets a program in the background hand over the foreground only while it shares
// the input state of the thread in front; the sharing ends at once.
bool activateThroughForegroundThread(HWND window) {
    const DWORD front = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    const DWORD self = GetCurrentThreadId();
    if (front == 0 || front == self || !AttachThreadInput(self, front, TRUE)) {
        return false;
    }
    const bool activated = SetForegroundWindow(window) != FALSE;
    AttachThreadInput(self, front, FALSE);
    return activated;
}

}  // namespace

void Win32Desktop::activate(WindowId window) {
    if (!SetForegroundWindow(hwnd(window)) && !activateThroughForegroundThread(hwnd(window))) {
        return;
    }
    // Another program's window becomes the foreground window only once its own thread has
    // taken the activation; until then the foreground is whatever that thread had active.
    // A focus change still settling can take the activation away again (under Wine it then
    // falls to the desktop), so it is asked for once more while the grace lasts.
    const ULONGLONG start = GetTickCount64();
    ULONGLONG lastAsked = start;
    while (GetForegroundWindow() != hwnd(window) && IsWindow(hwnd(window)) &&
           GetTickCount64() < start + kActivationGraceMs) {
        if (GetTickCount64() >= lastAsked + kActivationRetryMs) {
            SetForegroundWindow(hwnd(window));
            lastAsked = GetTickCount64();
        }
        // Messages other threads send us meanwhile are answered, so that none of them waits
        // on us; posted ones, the timer's among them, wait for the message loop.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_SENDMESSAGE);
        MSG sent;
        PeekMessageW(&sent, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

WindowId Win32Desktop::foreground() {
    return id(GetForegroundWindow());
}

bool Win32Desktop::sendCloseChord(WindowId target) {
    if (target == 0 || GetForegroundWindow() != hwnd(target)) {
        return false;
    }
    INPUT chord[] = {key(VK_MENU, false), key(VK_F4, false), key(VK_F4, true), key(VK_MENU, true)};
    return SendInput(4, chord, sizeof(INPUT)) == 4;
}

WindowId Win32Desktop::windowFromPoint(Point screen) {
    return id(WindowFromPoint(POINT{screen.x, screen.y}));
}

WindowId Win32Desktop::parent(WindowId window) {
    return id(GetParent(hwnd(window)));
}

std::string Win32Desktop::title(WindowId window, int maxChars) {
    if (window == 0 || maxChars <= 0) {
        return {};
    }
    std::vector<wchar_t> buffer(static_cast<size_t>(maxChars) + 1);
    const int read = GetWindowTextW(hwnd(window), buffer.data(), maxChars + 1);
    return narrow(buffer.data(), read);
}

}  // namespace zorvel::win32
