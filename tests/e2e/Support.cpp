#include "Support.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "base/Utf.h"
#include "platform/win32/ControlIds.h"
#include "platform/win32/Win32Instance.h"

namespace zorvel::e2e {

using zorvel::win32::kMainWindowClass;

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds deadline) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

std::wstring widen(const std::string& utf8) {
    return utf::toWide<wchar_t>(utf8);
}

std::string narrow(const std::wstring& utf16) {
    return utf::fromWide(utf16.data(), utf16.size());
}

std::string windowText(HWND window) {
    // GetWindowText reads only the caption of another process's window, not a control's text.
    wchar_t buffer[1024]{};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer),
                        SMTO_ABORTIFHUNG, 5000, &length);
    return narrow(std::wstring(buffer, static_cast<size_t>(length)));
}

std::wstring besideDriver(const std::wstring& name) {
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path);
    return dir.substr(0, dir.find_last_of(L'\\') + 1) + name;
}

std::string readFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::string bytes(static_cast<size_t>(GetFileSize(file, nullptr)), '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

bool writeFile(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return written == bytes.size();
}

std::vector<std::string> settingsLines(const std::wstring& path) {
    std::string bytes = readFile(path);
    std::string text;
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
        std::wstring wide((bytes.size() - 2) / 2, L'\0');
        memcpy(wide.data(), bytes.data() + 2, wide.size() * 2);
        text = narrow(wide);
    } else {
        const int size = static_cast<int>(bytes.size());
        std::wstring wide(static_cast<size_t>(size), L'\0');
        wide.resize(static_cast<size_t>(
            MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), size)));
        text = narrow(wide);
    }
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

BITMAPINFOHEADER ScreenPixels::header() const {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    return header;
}

ScreenPixels screenPixels(const RECT& area) {
    ScreenPixels pixels;
    pixels.width = area.right - area.left;
    pixels.height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, pixels.width, pixels.height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, pixels.width, pixels.height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER header = pixels.header();
    const int stride = (pixels.width * 3 + 3) & ~3;
    pixels.bits.resize(static_cast<size_t>(stride) * pixels.height);
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(pixels.height), pixels.bits.data(),
              reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

bool hasLine(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool holdsInOrder(const std::vector<std::string>& lines, const std::vector<std::string>& expected) {
    auto at = lines.begin();
    for (const std::string& line : expected) {
        at = std::find(at, lines.end(), line);
        if (at == lines.end()) {
            return false;
        }
        ++at;
    }
    return true;
}

bool showsText(HWND dialog, const std::string& text) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (windowText(child) == text) {
            return true;
        }
    }
    return false;
}

RegistryValue::RegistryValue(HKEY root, const wchar_t* key, const wchar_t* name, DWORD type,
                             const void* data, DWORD size)
    : name_(name) {
    RegCreateKeyExW(root, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
    DWORD oldSize = 0;
    had_ = RegQueryValueExW(key_, name, nullptr, &oldType_, nullptr, &oldSize) == ERROR_SUCCESS;
    old_.resize(oldSize);
    if (had_) {
        RegQueryValueExW(key_, name, nullptr, &oldType_, old_.data(), &oldSize);
    }
    RegSetValueExW(key_, name, 0, type, static_cast<const BYTE*>(data), size);
}

RegistryValue::~RegistryValue() {
    if (had_) {
        RegSetValueExW(key_, name_.c_str(), 0, oldType_, old_.data(),
                       static_cast<DWORD>(old_.size()));
    } else {
        RegDeleteValueW(key_, name_.c_str());
    }
    RegCloseKey(key_);
}

ScreenPixels settledPixels(const RECT& area) {
    ScreenPixels seen = screenPixels(area);
    waitUntil([&] {
        ScreenPixels now = screenPixels(area);
        const bool same = now == seen;
        seen = std::move(now);
        return same;
    });
    return seen;
}

namespace {

// A visible window with an update waiting, or one the display still shows black.
BOOL CALLBACK unpainted(HWND window, LPARAM found) {
    if (!IsWindowVisible(window)) {
        return TRUE;
    }
    RECT place{};
    GetWindowRect(window, &place);
    const ScreenPixels pixels = screenPixels(place);
    if (GetUpdateRect(window, nullptr, FALSE) ||
        std::all_of(pixels.bits.begin(), pixels.bits.end(), [](char c) { return c == 0; })) {
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

bool painted(HWND window) {
    bool found = false;
    unpainted(window, reinterpret_cast<LPARAM>(&found));
    if (!found) {
        EnumChildWindows(window, unpainted, reinterpret_cast<LPARAM>(&found));
    }
    return !found;
}

ScreenPixels paintedPixels(const std::vector<HWND>& windows, const RECT& area) {
    ScreenPixels seen;
    auto lastLook = std::chrono::steady_clock::now();
    const bool settled = waitUntil(
        [&] {
            if (!std::all_of(windows.begin(), windows.end(), painted)) {
                seen = {};
                return false;
            }
            const auto now = std::chrono::steady_clock::now();
            if (!seen.bits.empty() && now - lastLook < 250ms) {
                return false;
            }
            ScreenPixels look = screenPixels(area);
            const bool same = look == seen;
            seen = std::move(look);
            lastLook = now;
            return same;
        },
        kLoadedMachine);
    return settled ? seen : ScreenPixels{};
}

TempDir::TempDir() {
    wchar_t base[MAX_PATH]{};
    GetTempPathW(MAX_PATH, base);
    static int counter = 0;
    path_ = std::wstring(base) + L"zorvel-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++counter);
    CreateDirectoryW(path_.c_str(), nullptr);
}

TempDir::~TempDir() {
    std::wstring from = path_ + L'\0';
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    SHFileOperationW(&operation);
}

Process::Process(const std::wstring& exe, const std::wstring& arguments, const std::wstring& dir) {
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    // Wine fails a start with ERROR_INTERNAL_ERROR when the new process vanishes before its
    // loader has reported to the server and without an exit code; a crash in the program's
    // own start-up would give its exception code instead. The program never ran, so starting
    // it again hides nothing of it. Seen once over many full runs; other failures stand.
    for (int start = 0; start < 3; ++start) {
        if (CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           dir.empty() ? nullptr : dir.c_str(), &startup, &info_)) {
            startError_ = 0;
            return;
        }
        startError_ = GetLastError();
        if (startError_ != ERROR_INTERNAL_ERROR) {
            return;
        }
        std::fprintf(stderr, "Wine lost the start of %ls before it ran; starting it again\n",
                     exe.c_str());
    }
}

Process::~Process() {
    kill();
}

Process::Process(Process&& other) noexcept : info_(other.info_), startError_(other.startError_) {
    other.info_ = {};
}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        kill();
        info_ = other.info_;
        startError_ = other.startError_;
        other.info_ = {};
    }
    return *this;
}

bool Process::waitForIdle(std::chrono::milliseconds deadline) const {
    return info_.hProcess != nullptr &&
           WaitForInputIdle(info_.hProcess, static_cast<DWORD>(deadline.count())) == 0;
}

bool Process::running() const {
    return info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Process::waitForExit(std::chrono::milliseconds deadline) const {
    return info_.hProcess != nullptr &&
           WaitForSingleObject(info_.hProcess, static_cast<DWORD>(deadline.count())) ==
               WAIT_OBJECT_0;
}

std::vector<HWND> Process::windows(const std::string& title, bool visibleOnly) const {
    struct Search {
        DWORD process;
        std::string title;
        bool visibleOnly;
        std::vector<HWND> found;
    } search{info_.dwProcessId, title, visibleOnly, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->process && (!s->visibleOnly || IsWindowVisible(window)) &&
                (s->title.empty() || windowText(window) == s->title)) {
                s->found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Process::waitForWindow(const std::string& title, std::chrono::milliseconds deadline) const {
    HWND found = nullptr;
    waitUntil(
        [&] {
            auto all = windows(title, true);
            found = all.empty() ? nullptr : all.front();
            return found != nullptr;
        },
        deadline);
    return found;
}

void Process::kill() {
    if (info_.hProcess == nullptr) {
        return;
    }
    if (running()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
    info_ = {};
}

Zorvel::Zorvel(bool startNow) {
    CopyFileW(besideDriver(L"Zorvel.exe").c_str(), dir_.file(L"Zorvel.exe").c_str(), FALSE);
    if (startNow) {
        start();
    }
}

Zorvel::Zorvel(const std::wstring& home) : home_(home) {
    CopyFileW(besideDriver(L"Zorvel.exe").c_str(), (home_ + L"\\Zorvel.exe").c_str(), TRUE);
}

void Zorvel::start() {
    launch();
    waitForWindow();
}

void Zorvel::launch() {
    // A copy left from an earlier test would turn this one into the "already running" box.
    if (!waitUntil([] { return !copyRunning(); })) {
        std::fprintf(stderr, "an earlier copy of Zorvel still runs\n");
    }
    process_ = Process(home_ + L"\\Zorvel.exe", L"", home_);
    window_ = nullptr;
}

bool Zorvel::copyRunning() {
    HANDLE name = OpenMutexW(SYNCHRONIZE, FALSE, win32::kInstanceName);
    if (name == nullptr) {
        return false;
    }
    CloseHandle(name);
    return true;
}

bool Zorvel::waitForWindow() {
    // A start is allowed what a loaded machine may take; a good start is not slowed by it.
    const bool shown = waitUntil(
        [&] {
            for (HWND window : process_.windows({}, true)) {
                wchar_t name[64]{};
                GetClassNameW(window, name, 64);
                if (lstrcmpW(name, kMainWindowClass) == 0) {
                    window_ = window;
                }
            }
            return window_ != nullptr;
        },
        kLoadedMachine);
    if (!shown) {
        describeMissingWindow();
    }
    return shown;
}

// A start that shows no window is rare and hard to repeat: say what the process was doing.
void Zorvel::describeMissingWindow() const {
    if (process_.handle() == nullptr) {
        std::fprintf(stderr, "Zorvel did not start (error %lu)\n",
                     static_cast<unsigned long>(process_.startError()));
        return;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.handle(), &code);
    std::fprintf(stderr, "Zorvel shows no window: process %lu %s (code %lu)\n",
                 static_cast<unsigned long>(process_.id()),
                 process_.running() ? "running" : "ended", static_cast<unsigned long>(code));
    for (HWND window : process_.windows()) {
        char name[64]{};
        GetClassNameA(window, name, sizeof name);
        std::fprintf(stderr, "  window class \"%s\" title \"%s\" %s\n", name,
                     windowText(window).c_str(), IsWindowVisible(window) ? "visible" : "hidden");
    }
}

bool Zorvel::exit() {
    click(win32::kCmdExit);
    return process_.waitForExit();
}

bool Zorvel::checked(int id) const {
    return SendMessageW(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Zorvel::click(int id) const {
    SendNotifyMessageW(control(id), BM_CLICK, 0, 0);
}

void Zorvel::setText(int id, const std::string& text) const {
    SendMessageW(control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(widen(text).c_str()));
}

void Zorvel::add(const std::string& caption) const {
    setText(win32::kTxtCaption, caption);
    click(win32::kCmdAdauga);
    waitUntil([&] { return text(win32::kTxtCaption).empty(); });
}

std::vector<std::string> Zorvel::list() const {
    HWND box = control(win32::kLstCaption);
    std::vector<std::string> items;
    const int count = static_cast<int>(SendMessageW(box, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t buffer[1024]{};
        SendMessageW(box, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buffer));
        items.push_back(narrow(buffer));
    }
    return items;
}

int Zorvel::selection() const {
    return static_cast<int>(SendMessageW(control(win32::kLstCaption), LB_GETCURSEL, 0, 0));
}

void Zorvel::select(int index) const {
    SendMessageW(control(win32::kLstCaption), LB_SETCURSEL, index, 0);
}

bool Zorvel::waitForList(const std::vector<std::string>& expected) const {
    return waitUntil([&] { return list() == expected; });
}

GUITHREADINFO Zorvel::threadInfo() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info);
    return info;
}

HWND Zorvel::focus() const {
    return threadInfo().hwndFocus;
}

HWND Zorvel::capture() const {
    return threadInfo().hwndCapture;
}

bool Zorvel::waitForFocus(int id) const {
    return waitUntil([&] { return focus() == control(id); });
}

void Zorvel::focusOn(int id) const {
    PostMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control(id)), TRUE);
}

bool Zorvel::activate() const {
    // Asked again now and then: under Wine a focus change still settling from an earlier
    // window can hand the foreground to the desktop after the request was granted.
    auto asked = std::chrono::steady_clock::now() - 1h;
    return waitUntil([&] {
        if (GetForegroundWindow() == window_) {
            return true;
        }
        if (std::chrono::steady_clock::now() - asked > 250ms) {
            SetForegroundWindow(window_);
            asked = std::chrono::steady_clock::now();
        }
        return false;
    });
}

bool Zorvel::tickByMouse(int id) const {
    // Zorvel is brought to the front first so the click does not also change the foreground:
    // under Wine a focus change still settling can cancel the button's press half-way, and the
    // click is then lost. A lost click leaves the box as it was, so it is given again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (!activate()) {
            continue;
        }
        input::click(input::centreOf(control(id)));
        if (waitUntil([&] { return checked(id); }, 3s)) {
            return true;
        }
    }
    return false;
}

HWND Zorvel::waitForMessageBox() const {
    // Some come at start-up, which a loaded machine is given as long for as the window.
    return process_.waitForWindow("Atentie", kLoadedMachine);
}

namespace input {

namespace {

void send(INPUT event) {
    SendInput(1, &event, sizeof(INPUT));
}

}  // namespace

void key(WORD virtualKey, bool up) {
    INPUT event{};
    event.type = INPUT_KEYBOARD;
    event.ki.wVk = virtualKey;
    event.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    send(event);
}

void press(WORD virtualKey) {
    key(virtualKey, false);
    key(virtualKey, true);
}

void chord(WORD modifier, WORD virtualKey) {
    key(modifier, false);
    press(virtualKey);
    key(modifier, true);
}

void moveTo(POINT screen) {
    INPUT event{};
    event.type = INPUT_MOUSE;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    event.mi.dx = static_cast<LONG>((screen.x * 65536LL + width / 2) / width);
    event.mi.dy = static_cast<LONG>((screen.y * 65536LL + height / 2) / height);
    event.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    send(event);
    // Under Wine the pointer can still be where it was for a moment, and a press then lands
    // there; the units of an absolute move may round a pixel off.
    waitUntil([&] {
        POINT at{};
        GetCursorPos(&at);
        return std::abs(at.x - screen.x) <= 1 && std::abs(at.y - screen.y) <= 1;
    });
}

void buttonDown() {
    INPUT event{};
    event.type = INPUT_MOUSE;
    event.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    send(event);
}

void buttonUp() {
    INPUT event{};
    event.type = INPUT_MOUSE;
    event.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    send(event);
}

void click(POINT screen, bool doubleClick) {
    moveTo(screen);
    for (int i = 0; i < (doubleClick ? 2 : 1); ++i) {
        buttonDown();
        buttonUp();
    }
}

POINT centreOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace input

Process openTargets(const std::vector<std::wstring>& requests, const std::wstring& program) {
    std::wstring arguments;
    for (const std::wstring& request : requests) {
        arguments += L"\"" + request + L"\" ";
    }
    Process helper(program.empty() ? besideDriver(L"zorvel_helper.exe") : program, arguments);
    // Its windows are created, shown and activated before it first waits for input; a test
    // that starts clicking earlier races the helper for the foreground.
    helper.waitForIdle();
    return helper;
}

int noted(const std::wstring& path, const std::string& what, const std::string& title) {
    const std::string text = "\n" + readFile(path);
    const std::string line = "\n" + what + "\t" + title + "\n";
    int count = 0;
    for (size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1)) {
        ++count;
    }
    return count;
}

}  // namespace zorvel::e2e
