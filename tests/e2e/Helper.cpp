// Opens target windows for the end-to-end tests, one per argument:
//   top:TITLE       a visible top-level window
//   hidden:TITLE    a hidden top-level window
//   nested:TITLE    a top-level window with a panel holding a button
//   owned:OWNER|POPUP  a top-level window and a pop-up window it owns
//   report:PATH ADDRESS  (alone) stands in for the browser, see report()
// It ends when every visible window it opened is gone; with none, the test ends it.
#include <windows.h>

#include <string>

namespace {

int openWindows = 0;

LRESULT CALLBACK targetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
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
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = targetProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    windowClass.lpszClassName = L"ZorvelTestTarget";
    RegisterClassW(&windowClass);
    for (int i = 1; i < argc; ++i) {
        open(argv[i], i - 1);
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
