// Opens target windows for the end-to-end tests, one per argument:
//   top:TITLE       a visible top-level window
//   hidden:TITLE    a hidden top-level window
//   nested:TITLE    a top-level window with a panel holding a button
//   owned:OWNER|POPUP  a top-level window and a pop-up window it owns
//   late:TITLE      a visible window that gets its title 100 ms after it is created
//   hiding:TITLE|OTHER  OTHER, then TITLE, which hides itself whenever it is activated
//   opening:TITLE   a window that opens another one whenever it is activated
// (hiding and opening windows come back anew when they are closed)
//   giving:TITLE    a window that, whenever it is activated, hands the foreground back to the
//                   window that was in front when the helper started
//   quiet:TITLE     a window shown without being activated, as pop-ups behind the user's work
//   front:TITLE     a window brought to the front, to type into
//   slow:TITLE      a window that goes only 300 ms after it is asked to close
//   f4:TITLE        a window whose program binds plain F4 to a command (noted as "f4")
//   deaf:TITLE      a window that ignores the close command (SC_CLOSE) but obeys WM_CLOSE
//   nag:TITLE       a window shown without activation with the buttons "&Da" (6), "&Nu" (7) and
//                   "Anuleaza" (2); a click is noted as "clicked ID" and ends the window
//   nagoff:TITLE    the same with "&Nu" disabled; nagbare:TITLE without "&Nu"
//   stubborn:TITLE  a window shown without activation that ignores the first request to close
//                   it (Alt+F4, the close command or WM_CLOSE) and goes at the next one
//   progman:TITLE   a window of the desktop shell's class
//   shownlater:TITLE  a window shown, without activation, 2.5 s after it is created
//   events:PATH     (first) every window appends what it receives to PATH, see note()
//   report:PATH ADDRESS  (alone) stands in for the browser, see report()
// It ends when every visible window it opened is gone; with none, the test ends it.
#include <windows.h>

#include <cwchar>
#include <string>

namespace {

int openWindows = 0;
HWND frontAtStart = nullptr;

enum class Behaviour { Plain, Hiding, Opening, Giving };
constexpr wchar_t kBehaviour[] = L"ZorvelBehaviour";
constexpr wchar_t kTitle[] = L"ZorvelTitle";
constexpr wchar_t kOpened[] = L"ZorvelOpened";
constexpr UINT_PTR kTitleTimer = 1;
constexpr UINT_PTR kGoTimer = 2;
constexpr UINT_PTR kShowTimer = 3;
constexpr wchar_t kSlow[] = L"ZorvelSlow";
constexpr wchar_t kDeaf[] = L"ZorvelDeaf";
constexpr WORD kF4Command = 40001;
// Plain F4, as programs bind it (repeat the last action, go to the address bar): with a key
// posted rather than typed, the Alt of Alt+F4 is not down, and this runs.
HACCEL plainF4 = nullptr;
constexpr wchar_t kStubborn[] = L"ZorvelStubborn";

// Where the windows note what they receive, one line each: what, a tab, the window's title.
HANDLE events = INVALID_HANDLE_VALUE;
// Held by one helper at a time while it notes: Wine's appends from several processes are not
// atomic, and two at once lose a line (6 writers: 8,914 of 12,000 lines kept).
HANDLE noting = nullptr;

void note(HWND window, const char* what) {
    if (events == INVALID_HANDLE_VALUE) {
        return;
    }
    wchar_t title[256]{};
    GetWindowTextW(window, title, 256);
    char utf8[1024]{};
    WideCharToMultiByte(CP_UTF8, 0, title, -1, utf8, sizeof(utf8), nullptr, nullptr);
    const std::string line = std::string(what) + '\t' + utf8 + '\n';
    DWORD written = 0;
    WaitForSingleObject(noting, INFINITE);
    WriteFile(events, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    ReleaseMutex(noting);
}

HWND makeWindow(const std::wstring& title, int slot, HWND owner, bool visible);

Behaviour behaviourOf(HWND window) {
    return static_cast<Behaviour>(reinterpret_cast<INT_PTR>(GetPropW(window, kBehaviour)));
}

// Shown without being activated, so that only a later activation sets it off.
void openBehaving(const std::wstring& title, int slot, Behaviour behaviour) {
    HWND window = makeWindow(title, slot, nullptr, false);
    SetPropW(window, kBehaviour, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(behaviour)));
    ShowWindow(window, SW_SHOWNA);
    ++openWindows;
}

// What the awkward targets do when they are brought to the front.
void onActivated(HWND window) {
    if (behaviourOf(window) == Behaviour::Hiding) {
        Sleep(10);  // some work first, as real programs do
        ShowWindow(window, SW_HIDE);
    } else if (behaviourOf(window) == Behaviour::Opening && !GetPropW(window, kOpened)) {
        SetPropW(window, kOpened, window);  // once: each new window takes the activation
        makeWindow(L"Deschisa la activare", 3, nullptr, true);
    } else if (behaviourOf(window) == Behaviour::Giving) {
        SetForegroundWindow(frontAtStart);
    }
}

// What the tests count: typed characters, the F4 command, the close command, close requests
// and activations.
void noteReceived(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR) {
        note(window, "char");
    } else if (message == WM_COMMAND && LOWORD(wParam) == kF4Command) {
        note(window, "f4");
    } else if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) {
        note(window, "command");
    } else if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && lParam != 0) {
        note(window, ("clicked " + std::to_string(LOWORD(wParam))).c_str());
    } else if (message == WM_CLOSE) {
        note(window, "close");
    } else if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) {
        note(window, "activate");
    }
}

bool asksToClose(UINT message, WPARAM wParam) {
    return message == WM_CLOSE || (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE);
}

LRESULT CALLBACK targetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    noteReceived(window, message, wParam, lParam);
    if (asksToClose(message, wParam) && RemovePropW(window, kStubborn) != nullptr) {
        note(window, "ignored");
        return 0;
    }
    if (message == WM_CLOSE && GetPropW(window, kSlow) != nullptr) {
        SetTimer(window, kGoTimer, 300, nullptr);
        return 0;
    }
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE &&
        GetPropW(window, kDeaf) != nullptr) {
        return 0;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && lParam != 0) {
        DestroyWindow(window);  // answered
        return 0;
    }
    if (message == WM_TIMER && wParam == kGoTimer) {
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_TIMER && wParam == kShowTimer) {
        KillTimer(window, kShowTimer);
        ShowWindow(window, SW_SHOWNA);
        ++openWindows;
        return 0;
    }
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) {
        onActivated(window);
    } else if (message == WM_TIMER && wParam == kTitleTimer) {
        KillTimer(window, kTitleTimer);
        SetWindowTextW(window, static_cast<const wchar_t*>(GetPropW(window, kTitle)));
    } else if (message == WM_DESTROY && (behaviourOf(window) == Behaviour::Hiding ||
                                         behaviourOf(window) == Behaviour::Opening)) {
        wchar_t title[256]{};
        GetWindowTextW(window, title, 256);
        openBehaving(title, 2, behaviourOf(window));
    }
    if (message == WM_DESTROY && GetParent(window) == nullptr && --openWindows == 0) {
        PostQuitMessage(0);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND makeWindow(const std::wstring& title, int slot, HWND owner, bool visible) {
    // An owned window is a pop-up, as dialog boxes are: GetParent then names its owner.
    const DWORD frame = owner != nullptr ? WS_POPUP | WS_CAPTION | WS_SYSMENU : WS_OVERLAPPEDWINDOW;
    const DWORD style = frame | (visible ? WS_VISIBLE : 0);
    const int x = 560 + (slot % 2) * 340;
    const int y = 20 + (slot / 2) * 190;
    HWND window = CreateWindowExW(0, L"ZorvelTestTarget", title.c_str(), style, x, y, 320, 170,
                                  owner, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (visible && owner == nullptr) {
        ++openWindows;
    }
    return window;
}

void openNested(const std::wstring& title, int slot) {
    HWND top = makeWindow(title, slot, nullptr, true);
    HWND panel = CreateWindowExW(WS_EX_CONTROLPARENT, L"STATIC", L"Panou",
                                 WS_CHILD | WS_VISIBLE | SS_GRAYRECT | SS_NOTIFY, 10, 10, 280, 100,
                                 top, nullptr, nullptr, nullptr);
    CreateWindowExW(0, L"BUTTON", L"Buton adanc", WS_CHILD | WS_VISIBLE, 20, 20, 200, 50, panel,
                    nullptr, nullptr, nullptr);
}

// A nag asking its question with buttons; `nu`: whether "&Nu" is there, and enabled.
void openNag(const std::wstring& title, int slot, bool nu, bool nuEnabled) {
    HWND window = makeWindow(title, slot, nullptr, false);
    const auto button = [window](const wchar_t* text, int id, int x, bool enabled) {
        HWND made =
            CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, x, 80, 90,
                            30, window, reinterpret_cast<HMENU>(INT_PTR{id}), nullptr, nullptr);
        EnableWindow(made, enabled ? TRUE : FALSE);
    };
    button(L"&Da", IDYES, 10, true);
    if (nu) {
        button(L"&Nu", IDNO, 110, nuEnabled);
    }
    button(L"Anuleaza", IDCANCEL, 210, true);
    ShowWindow(window, SW_SHOWNA);
    ++openWindows;
}

void open(const std::wstring& request, int slot) {
    const size_t colon = request.find(L':');
    const std::wstring kind = request.substr(0, colon);
    const std::wstring title = colon == std::wstring::npos ? L"" : request.substr(colon + 1);
    if (kind == L"top") {
        makeWindow(title, slot, nullptr, true);
    } else if (kind == L"hidden") {
        makeWindow(title, slot, nullptr, false);
    } else if (kind == L"nested") {
        openNested(title, slot);
    } else if (kind == L"late") {
        HWND window = makeWindow(L"", slot, nullptr, true);
        SetPropW(window, kTitle, _wcsdup(title.c_str()));
        SetTimer(window, kTitleTimer, 100, nullptr);
    } else if (kind == L"hiding") {
        const size_t bar = title.find(L'|');
        makeWindow(title.substr(bar + 1), slot + 1, nullptr, true);
        openBehaving(title.substr(0, bar), slot, Behaviour::Hiding);
    } else if (kind == L"opening") {
        openBehaving(title, slot, Behaviour::Opening);
    } else if (kind == L"giving") {
        openBehaving(title, slot, Behaviour::Giving);
    } else if (kind == L"quiet" || kind == L"slow" || kind == L"deaf" || kind == L"f4" ||
               kind == L"stubborn") {
        HWND window = makeWindow(title, slot, nullptr, false);
        if (kind == L"slow" || kind == L"deaf" || kind == L"stubborn") {
            SetPropW(window, kind == L"slow" ? kSlow : kind == L"deaf" ? kDeaf : kStubborn, window);
        } else if (kind == L"f4" && plainF4 == nullptr) {
            ACCEL f4{FVIRTKEY, VK_F4, kF4Command};
            plainF4 = CreateAcceleratorTableW(&f4, 1);
        }
        ShowWindow(window, SW_SHOWNA);
        ++openWindows;
    } else if (kind == L"nag" || kind == L"nagoff" || kind == L"nagbare") {
        openNag(title, slot, kind != L"nagbare", kind == L"nag");
    } else if (kind == L"front") {
        HWND window = makeWindow(title, slot, nullptr, true);
        SetForegroundWindow(window);
    } else if (kind == L"progman") {
        CreateWindowExW(0, L"Progman", title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 200,
                        100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ++openWindows;
    } else if (kind == L"shownlater") {
        SetTimer(makeWindow(title, slot, nullptr, false), kShowTimer, 2500, nullptr);
    } else if (kind == L"owned") {
        const size_t bar = title.find(L'|');
        HWND owner = makeWindow(title.substr(0, bar), slot, nullptr, true);
        HWND popup = makeWindow(title.substr(bar + 1), slot, owner, true);
        SetWindowPos(popup, HWND_TOP, 0, 0, 200, 100, SWP_NOMOVE);
    }
}

}  // namespace

// Stands in for the web browser: writes the address it was given and how it was asked to
// show its window, then ends.
int report(const std::wstring& path, const std::wstring& address) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoW(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : -1;
    const std::wstring line = address + L"\n" + std::to_wstring(show) + L"\n";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size() * sizeof(wchar_t)), &written,
              nullptr);
    CloseHandle(file);
    return 0;
}

int wmain(int argc, wchar_t** argv) {
    const std::wstring first = argc > 1 ? argv[1] : L"";
    if (first.rfind(L"report:", 0) == 0) {
        return report(first.substr(7), argc > 2 ? argv[2] : L"");
    }
    frontAtStart = GetForegroundWindow();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = targetProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    windowClass.lpszClassName = L"ZorvelTestTarget";
    RegisterClassW(&windowClass);
    windowClass.lpszClassName = L"Progman";
    RegisterClassW(&windowClass);
    int opened = 1;
    if (first.rfind(L"events:", 0) == 0) {
        events = CreateFileW(argv[1] + 7, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_ALWAYS, 0, nullptr);
        noting = CreateMutexW(nullptr, FALSE, L"ZorvelHelperEvents");
        opened = 2;
    }
    for (int i = opened; i < argc; ++i) {
        open(argv[i], i - opened);
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (plainF4 != nullptr && message.hwnd != nullptr &&
            TranslateAcceleratorW(message.hwnd, plainF4, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
