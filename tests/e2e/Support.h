#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace zorvel::e2e {

using namespace std::chrono_literals;

// What a loaded machine may take for Zorvel to start, or to answer while another program
// competes for the processor; a good run is not slowed by it.
inline constexpr std::chrono::milliseconds kLoadedMachine = 30s;

// Polls `condition` until it holds or the deadline passes.
bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds deadline = 10s);

std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& utf16);
std::string windowText(HWND window);
std::wstring besideDriver(const std::wstring& name);
// A file's bytes; empty when it cannot be read.
std::string readFile(const std::wstring& path);
bool writeFile(const std::wstring& path, const std::string& bytes);
// The lines of a settings file, CR LF split, in UTF-8 whether it is ANSI or UTF-16.
std::vector<std::string> settingsLines(const std::wstring& path);
bool hasLine(const std::vector<std::string>& lines, const std::string& line);
// Every line of `expected` is there, in this order, with any others between (Wine drops the
// single-space lines of the template when it rewrites the file; comments and keys stay).
bool holdsInOrder(const std::vector<std::string>& lines, const std::vector<std::string>& expected);
// Whether a dialog box shows this text in one of its controls.
bool showsText(HWND dialog, const std::string& text);

// One registry value set for a test and put back as it was when this goes away.
class RegistryValue {
  public:
    RegistryValue(HKEY root, const wchar_t* key, const wchar_t* name, DWORD type, const void* data,
                  DWORD size);
    ~RegistryValue();
    RegistryValue(const RegistryValue&) = delete;
    RegistryValue& operator=(const RegistryValue&) = delete;

  private:
    HKEY key_ = nullptr;
    std::wstring name_;
    bool had_ = false;
    DWORD oldType_ = 0;
    std::vector<BYTE> old_;
};

// The pixels of a part of the screen, bottom-up rows of 24-bit colour, as a window shows them.
struct ScreenPixels {
    int width = 0;
    int height = 0;
    std::vector<char> bits;
    BITMAPINFOHEADER header() const;
    bool operator==(const ScreenPixels&) const = default;
};
ScreenPixels screenPixels(const RECT& area);
// The pixels once they stop changing: the same on two looks in a row.
ScreenPixels settledPixels(const RECT& area);
// The window and its visible controls have painted all they were asked to, and the display
// shows it: no update waits, and no control is still black (Wine copies a painted window
// to the display a moment later; until then it shows black).
bool painted(HWND window);
// The pixels of `area` once every one of `windows` has painted, the same on looks a quarter
// second apart; empty when that does not come within what a loaded machine needs.
ScreenPixels paintedPixels(const std::vector<HWND>& windows, const RECT& area);

// A fresh directory under the temporary folder, removed with everything in it.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::wstring& path() const { return path_; }
    std::wstring file(const std::wstring& name) const { return path_ + L"\\" + name; }

  private:
    std::wstring path_;
};

// A child process that is ended, if still running, when this goes away.
class Process {
  public:
    Process() = default;
    Process(const std::wstring& exe, const std::wstring& arguments, const std::wstring& dir = L"");
    ~Process();
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    DWORD id() const { return info_.dwProcessId; }
    HANDLE handle() const { return info_.hProcess; }
    // Why the process could not be created (0 when it was).
    DWORD startError() const { return startError_; }
    bool running() const;
    // Waits until the process has done its start-up work and waits for input.
    bool waitForIdle(std::chrono::milliseconds deadline = 10s) const;
    bool waitForExit(std::chrono::milliseconds deadline = 10s) const;
    // Top-level windows of this process with this title (all of them when empty).
    std::vector<HWND> windows(const std::string& title = {}, bool visibleOnly = false) const;
    HWND waitForWindow(const std::string& title, std::chrono::milliseconds deadline = 10s) const;
    void kill();

  private:
    PROCESS_INFORMATION info_{};
    DWORD startError_ = 0;
};

// The real Zorvel.exe, copied into its own directory and started there.
class Zorvel {
  public:
    explicit Zorvel(bool start = true);
    // Zorvel.exe in `home`, an existing directory (copied there unless it is there already),
    // not started yet.
    explicit Zorvel(const std::wstring& home);
    void start();
    // Starts the process without waiting for its window (a box may come first).
    void launch();
    bool waitForWindow();
    std::wstring settingsFile() const { return home_ + L"\\Zorvel.ini"; }
    // Ends Zorvel through its exit button and waits for the process to be gone.
    bool exit();
    // Asks the window to close, as its close box does.
    void close() const { PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0); }
    bool visible() const { return IsWindowVisible(window_) != FALSE; }
    bool checked(int id) const;
    const TempDir& dir() const { return dir_; }
    Process& process() { return process_; }
    HWND window() const { return window_; }
    HWND control(int id) const { return GetDlgItem(window_, id); }

    // Clicks a control the way its access key or a mouse click would (BM_CLICK), posted so
    // that a modal box opened by the click does not block the test.
    void click(int id) const;
    void setText(int id, const std::string& text) const;
    std::string text(int id) const { return windowText(control(id)); }
    void add(const std::string& caption) const;
    std::vector<std::string> list() const;
    int selection() const;
    void select(int index) const;
    // Waits until the list holds `expected` (each command is posted, so it lands a bit later).
    bool waitForList(const std::vector<std::string>& expected) const;
    HWND focus() const;
    // The window of Zorvel's that holds the mouse capture; none when 0.
    HWND capture() const;
    bool waitForFocus(int id) const;
    // Moves the focus to a control, as the dialog manager's own moves do (posted).
    void focusOn(int id) const;
    // Brings Zorvel to the foreground so that real keyboard input reaches it.
    bool activate() const;
    // Ticks a check box with a real mouse click, as a user would; false if it stays unticked.
    bool tickByMouse(int id) const;
    // The message box Zorvel opened, titled "Atentie".
    HWND waitForMessageBox() const;

  private:
    static bool copyRunning();
    GUITHREADINFO threadInfo() const;
    void describeMissingWindow() const;

    TempDir dir_;
    std::wstring home_ = dir_.path();
    Process process_;
    HWND window_ = nullptr;
};

// Real keyboard and mouse input, as a user would give it.
namespace input {
void key(WORD virtualKey, bool up);
void press(WORD virtualKey);
void chord(WORD modifier, WORD virtualKey);
// Returns once the pointer is there.
void moveTo(POINT screen);
void click(POINT screen, bool doubleClick = false);
void buttonDown();
void buttonUp();
POINT centreOf(HWND window);
}  // namespace input

// Windows opened by the helper program, which reports nothing but its windows; `program`, a
// copy of it under another name, opens them as that program's.
Process openTargets(const std::vector<std::wstring>& requests, const std::wstring& program = L"");
// How many times the helper's windows titled `title` noted `what` in the file at `path`
// (helper request events:PATH).
int noted(const std::wstring& path, const std::string& what, const std::string& title);

}  // namespace zorvel::e2e
