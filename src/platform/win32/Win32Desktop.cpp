#include "platform/win32/Win32Desktop.h"

#include <windows.h>

#include <string>
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

// The title as the window manager keeps it: no message to a possibly hung program. A cut
// title could equal a shorter caption, so the buffer grows until the whole fits.
std::wstring wholeTitleOf(HWND window) {
    std::wstring title(256, L'\0');
    for (;;) {
        const int length =
            InternalGetWindowText(window, title.data(), static_cast<int>(title.size()));
        if (length < static_cast<int>(title.size()) - 1) {
            title.resize(static_cast<size_t>(length > 0 ? length : 0));
            return title;
        }
        title.resize(title.size() * 2);
    }
}

// Windows lets a program in the background hand over the foreground only while it shares
// the input state of the thread in front; the sharing ends at once.
// A program in front that has stopped answering would hold our thread in the attach.
bool activateThroughForegroundThread(HWND window) {
    HWND foreground = GetForegroundWindow();
    const DWORD front = GetWindowThreadProcessId(foreground, nullptr);
    const DWORD self = GetCurrentThreadId();
    if (front == 0 || front == self || IsHungAppWindow(foreground) ||
        !AttachThreadInput(self, front, TRUE)) {
        return false;
    }
    const bool activated = SetForegroundWindow(window) != FALSE;
    AttachThreadInput(self, front, FALSE);
    return activated;
}

// The window's process, opened only to be asked about; null when it may not be.
HANDLE processOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
}

// The mandatory integrity level of a process (its label's last sub-authority).
std::optional<unsigned long> integrityOf(HANDLE process) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token)) {
        return std::nullopt;
    }
    DWORD size = 0;
    GetTokenInformation(token, TokenIntegrityLevel, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    std::optional<unsigned long> level;
    if (size != 0 &&
        GetTokenInformation(token, TokenIntegrityLevel, buffer.data(), size, &size) != FALSE) {
        PSID sid = reinterpret_cast<TOKEN_MANDATORY_LABEL*>(buffer.data())->Label.Sid;
        const UCHAR count = *GetSidSubAuthorityCount(sid);
        if (count > 0) {
            level = *GetSidSubAuthority(sid, count - 1U);
        }
    }
    CloseHandle(token);
    return level;
}

std::string readProgramName(HWND window) {
    HANDLE process = processOf(window);
    if (process == nullptr) {
        return {};
    }
    std::wstring path(32768, L'\0');  // long paths too
    DWORD size = static_cast<DWORD>(path.size());
    const bool read = QueryFullProcessImageNameW(process, 0, path.data(), &size) != FALSE;
    CloseHandle(process);
    if (!read) {
        return {};
    }
    path.resize(size);
    return narrow(path.substr(path.find_last_of(L"\\/") + 1));
}

}  // namespace

std::vector<TopWindow> Win32Desktop::topLevelWindows() {
    std::vector<TopWindow> windows;
    EnumWindows(
        [](HWND window, LPARAM list) -> BOOL {
            // A top-level window's own style tells whether it shows: one call, not two.
            if ((GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0) {
                reinterpret_cast<std::vector<TopWindow>*>(list)->push_back(
                    TopWindow{id(window), narrow(wholeTitleOf(window))});
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::string Win32Desktop::titleKey(const std::string& title) {
    // Folded the way the platform compares window titles: case ignored, no locale.
    std::wstring wide = widen(title);
    if (!wide.empty()) {
        LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, wide.data(),
                      static_cast<int>(wide.size()), wide.data(), static_cast<int>(wide.size()),
                      nullptr, nullptr, 0);
    }
    return narrow(wide);
}

std::string Win32Desktop::wholeTitle(WindowId window) {
    return narrow(wholeTitleOf(hwnd(window)));
}

bool Win32Desktop::isVisible(WindowId window) {
    return IsWindowVisible(hwnd(window)) != FALSE;
}

bool Win32Desktop::isOurs(WindowId window) {
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd(window), &process);
    return process == GetCurrentProcessId();
}

bool Win32Desktop::isShell(WindowId window) {
    HWND target = hwnd(window);
    if (target == GetShellWindow() || target == GetDesktopWindow()) {
        return true;
    }
    static constexpr const wchar_t* kShellClasses[] = {L"Progman", L"WorkerW", L"Shell_TrayWnd",
                                                       L"Shell_SecondaryTrayWnd"};
    wchar_t name[32]{};
    if (GetClassNameW(target, name, 32) == 0) {
        return false;
    }
    for (const wchar_t* shellClass : kShellClasses) {
        if (lstrcmpiW(name, shellClass) == 0) {
            return true;
        }
    }
    return false;
}

std::string Win32Desktop::programName(WindowId window) {
    // A window's look may ask several times while it appears; the system is asked once.
    constexpr std::size_t kMostRemembered = 1024;
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd(window), &processId);
    if (const auto known = programs_.find(hwnd(window));
        known != programs_.end() && known->second.process == processId && processId != 0) {
        return known->second.name;
    }
    if (programs_.size() >= kMostRemembered) {
        programs_.clear();
    }
    std::string name = readProgramName(hwnd(window));
    if (!name.empty()) {
        programs_[hwnd(window)] = Program{processId, name};
    }
    return name;
}

bool Win32Desktop::runsAboveUs(WindowId window) {
    if (!ourIntegrity_) {
        ourIntegrity_ = integrityOf(GetCurrentProcess());
    }
    HANDLE process = processOf(hwnd(window));
    if (process == nullptr) {
        return true;
    }
    const std::optional<unsigned long> theirs = integrityOf(process);
    CloseHandle(process);
    return !theirs || !ourIntegrity_ || *theirs > *ourIntegrity_;
}

void Win32Desktop::requestForeground(WindowId window) {
    if (!SetForegroundWindow(hwnd(window))) {
        activateThroughForegroundThread(hwnd(window));
    }
}

WindowId Win32Desktop::foreground() {
    return id(GetForegroundWindow());
}

bool Win32Desktop::sameThread(WindowId a, WindowId b) {
    const DWORD thread = GetWindowThreadProcessId(hwnd(a), nullptr);
    return thread != 0 && thread == GetWindowThreadProcessId(hwnd(b), nullptr);
}

namespace {

// A disabled window has a modal question of its own in front, which a close beneath it would
// cut short.
bool mayBeClosed(HWND window) {
    return IsWindow(window) && IsWindowVisible(window) && IsWindowEnabled(window);
}

}  // namespace

bool Win32Desktop::sendCloseCommand(WindowId target) {
    HWND window = hwnd(target);
    return mayBeClosed(window) && PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0) != FALSE;
}

bool Win32Desktop::sendClose(WindowId target) {
    HWND window = hwnd(target);
    return mayBeClosed(window) && PostMessageW(window, WM_CLOSE, 0, 0) != FALSE;
}

namespace {

// A Button control styled as a push button; check boxes, radio buttons and the rest are not.
bool isPushButton(HWND window) {
    wchar_t name[16]{};
    if (GetClassNameW(window, name, 16) == 0 || lstrcmpiW(name, L"Button") != 0) {
        return false;
    }
    const LONG type = GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

PushButton describe(HWND button) {
    std::wstring text(GetWindowTextLengthW(button) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(button, text.data(), static_cast<int>(text.size()))));
    return PushButton{id(button), GetDlgCtrlID(button), withoutAccessKey(narrow(text)),
                      IsWindowVisible(button) != FALSE && IsWindowEnabled(button) != FALSE};
}

}  // namespace

std::vector<PushButton> Win32Desktop::pushButtons(WindowId window) {
    std::vector<PushButton> buttons;
    EnumChildWindows(
        hwnd(window),
        [](HWND child, LPARAM list) -> BOOL {
            if (isPushButton(child)) {
                reinterpret_cast<std::vector<PushButton>*>(list)->push_back(describe(child));
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&buttons));
    return buttons;
}

std::optional<PushButton> Win32Desktop::asPushButton(WindowId window) {
    if (window == 0 || !isPushButton(hwnd(window))) {
        return std::nullopt;
    }
    return describe(hwnd(window));
}

bool Win32Desktop::pressButton(WindowId target) {
    HWND button = hwnd(target);
    HWND parent = GetParent(button);
    // Checked again at the last moment: a button disabled meanwhile must not be pressed.
    if (parent == nullptr || !isPushButton(button) || !IsWindowVisible(button) ||
        !IsWindowEnabled(button)) {
        return false;
    }
    // What the button itself sends its parent when clicked; a click message to the button
    // would need its dialog to be active, which would take the user's focus.
    return PostMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                        reinterpret_cast<LPARAM>(button)) != FALSE;
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
