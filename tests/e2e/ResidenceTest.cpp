#include <windows.h>

#include <gtest/gtest.h>

#include <shellapi.h>
#include <optional>

#include <atomic>

#include <algorithm>
#include <cstring>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "Support.h"
#include "platform/win32/ControlIds.h"

namespace zorvel::e2e {
namespace {

using namespace zorvel::win32;
using Lines = std::vector<std::string>;

// Stands in for the taskbar: Wine's shell hands every tray-icon call to the first top-level
// window of this class as a WM_COPYDATA whose dwData is the command.
class FakeTaskbar {
  public:
    FakeTaskbar() : thread_([this] { run(); }) {
        waitUntil([this] { return window_.load() != nullptr; });
    }
    ~FakeTaskbar() {
        PostMessageW(window_, WM_CLOSE, 0, 0);
        thread_.join();
    }
    FakeTaskbar(const FakeTaskbar&) = delete;
    FakeTaskbar& operator=(const FakeTaskbar&) = delete;

    int count(DWORD command) const {
        std::lock_guard<std::mutex> lock(mutex_);
        return static_cast<int>(std::count(commands_.begin(), commands_.end(), command));
    }
    // The tip of the icon as last added or changed.
    std::string tip() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return tip_;
    }
    // Icons present now: adds the shell accepted minus deletes of present icons.
    int icons() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return icons_;
    }

  private:
    // Wine's record moves its fields between versions; the tip is the text that starts with
    // the program's name.
    static std::string tipIn(const COPYDATASTRUCT& data) {
        const std::wstring units(static_cast<const wchar_t*>(data.lpData),
                                 data.cbData / sizeof(wchar_t));
        const size_t start = units.find(L"Zorvel");
        if (start == std::wstring::npos) {
            return {};
        }
        return narrow(units.substr(start, units.find(L'\0', start) - start));
    }

    static LRESULT CALLBACK proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<FakeTaskbar*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_COPYDATA && self != nullptr) {
            return self->take(*reinterpret_cast<COPYDATASTRUCT*>(lParam));
        }
        if (message == WM_DESTROY) {
            PostQuitMessage(0);
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    LRESULT take(const COPYDATASTRUCT& data) {
        const ULONG_PTR command = data.dwData;
        std::lock_guard<std::mutex> lock(mutex_);
        commands_.push_back(static_cast<DWORD>(command));
        if (command == NIM_MODIFY) {
            tip_ = tipIn(data);
        } else if (command == NIM_ADD) {
            tip_ = tipIn(data);
            if (icons_ == 1) {
                return FALSE;  // the shell keeps one icon per window and id
            }
            icons_ = 1;
        } else if (command == NIM_DELETE) {
            if (icons_ == 0) {
                return FALSE;
            }
            icons_ = 0;
        }
        return TRUE;
    }

    void run() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = proc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"Shell_TrayWnd";
        RegisterClassW(&windowClass);
        HWND window = CreateWindowExW(WS_EX_TOPMOST, L"Shell_TrayWnd", L"", WS_POPUP, 0, 0, 1, 1,
                                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        window_ = window;
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            DispatchMessageW(&message);
        }
        UnregisterClassW(L"Shell_TrayWnd", GetModuleHandleW(nullptr));
    }

    mutable std::mutex mutex_;
    std::vector<DWORD> commands_;
    std::string tip_;
    int icons_ = 0;
    std::atomic<HWND> window_{nullptr};
    std::thread thread_;
};

// A registry key made for one test and removed, with everything under it, when this goes
// away; a key that was there before is left as it is.
class TemporaryKey {
  public:
    TemporaryKey(HKEY root, const std::wstring& name) : root_(root), name_(name) {
        HKEY key = nullptr;
        DWORD disposition = 0;
        if (RegCreateKeyExW(root, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            &disposition) == ERROR_SUCCESS) {
            created_ = disposition == REG_CREATED_NEW_KEY;
            RegCloseKey(key);
        }
    }
    ~TemporaryKey() {
        if (created_) {
            RegDeleteTreeW(root_, name_.c_str());
            RegDeleteKeyW(root_, name_.c_str());
        }
    }
    TemporaryKey(const TemporaryKey&) = delete;
    TemporaryKey& operator=(const TemporaryKey&) = delete;

  private:
    HKEY root_;
    std::wstring name_;
    bool created_ = false;
};

// The helper takes the user's editor's place for files ending in `extension`, for one test:
// it writes the path it was given and how it was asked to show its window. Under Wine the
// classes root is the machine's alone (the user's own classes are not looked at), so the
// association goes there.
class EditorFor {
  public:
    EditorFor(const std::wstring& extension, const std::wstring& reportPath)
        : command_(L"\"" + besideDriver(L"zorvel_helper.exe") + L"\" \"report:" + reportPath +
                   L"\" \"%1\""),
          extensionKey_(HKEY_CLASSES_ROOT, extension),
          typeKey_(HKEY_CLASSES_ROOT, kType),
          extension_(HKEY_CLASSES_ROOT, extension.c_str(), L"", REG_SZ, kType, sizeof(kType)),
          open_(HKEY_CLASSES_ROOT, (std::wstring(kType) + L"\\shell\\open\\command").c_str(), L"",
                REG_SZ, command_.c_str(),
                static_cast<DWORD>((command_.size() + 1) * sizeof(wchar_t))) {}

  private:
    static constexpr wchar_t kType[] = L"ZorvelTest.document";
    std::wstring command_;
    TemporaryKey extensionKey_;
    TemporaryKey typeKey_;
    RegistryValue extension_;
    RegistryValue open_;
};

// What the helper standing in for a program wrote: its UTF-16 lines.
std::vector<std::wstring> reportedLines(const std::wstring& reportPath) {
    const std::string bytes = readFile(reportPath);
    std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
    memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
    std::vector<std::wstring> lines;
    for (size_t start = 0, end = 0; (end = text.find(L'\n', start)) != std::wstring::npos;
         start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

class ResidenceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(zorvel.window(), nullptr);
        ASSERT_TRUE(waitUntil([&] { return zorvel.text(kTxtTimp) == "0"; }));
    }

    void hide() {
        zorvel.close();
        ASSERT_TRUE(waitUntil([&] { return !zorvel.visible(); }));
        ASSERT_TRUE(waitUntil([&] { return taskbar.icons() == 1; }));
    }

    // What the shell sends when the icon is clicked.
    void iconClick(UINT mouseMessage) const {
        PostMessageW(zorvel.window(), kTrayMessage, 1, mouseMessage);
    }

    static bool menuOpen() {
        HWND menu = FindWindowW(L"#32768", nullptr);
        return menu != nullptr && IsWindowVisible(menu);
    }

    // Opens the tray menu and presses an item's access key until `chosen` holds. The X focus
    // that the hiding took away can come back to Wine only after the menu has taken the
    // foreground; Wine then cancels the menu and the key is lost, so it is given again.
    bool chooseFromTrayMenu(WORD accessKey, const std::function<bool()>& chosen) const {
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (!menuOpen()) {
                iconClick(WM_RBUTTONUP);
            }
            if (!waitUntil([&] { return menuOpen() && GetForegroundWindow() == zorvel.window(); },
                           3s)) {
                continue;
            }
            input::press(accessKey);
            if (waitUntil(chosen, 3s)) {
                return true;
            }
        }
        return false;
    }

    FakeTaskbar taskbar;
    Zorvel zorvel;
};

TEST_F(ResidenceTest, TheCloseBoxHidesToTheTrayAndSweepsGoOn) {
    // Open before it is listed, so that the sweep closes it rather than the watch.
    Process targets = openTargets({L"top:Reclama ascunsa"});
    HWND ad = targets.waitForWindow("Reclama ascunsa");
    ASSERT_NE(ad, nullptr);
    hide();
    zorvel.add("Reclama ascunsa");
    zorvel.setText(kTxtTimp, "1");
    EXPECT_TRUE(zorvel.process().running());
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(ad); }, 5s));
}

TEST_F(ResidenceTest, TheTipIsTheNameFollowedByTheCredit) {
    hide();
    EXPECT_EQ(taskbar.tip(), "Zorvel - realizat de echipa Zorvel");
}

TEST_F(ResidenceTest, ShowingAndHidingAgainLeavesOneIcon) {
    hide();
    iconClick(WM_LBUTTONUP);
    ASSERT_TRUE(waitUntil([&] { return zorvel.visible(); }));
    EXPECT_EQ(taskbar.icons(), 1);
    hide();
    EXPECT_EQ(taskbar.count(NIM_ADD), 2);
    EXPECT_EQ(taskbar.icons(), 1);
    EXPECT_EQ(taskbar.count(NIM_DELETE), 0);
}

TEST_F(ResidenceTest, MouseMovementsAreNeverTakenForTrayClicks) {
    hide();
    for (int x : {514, 517}) {
        PostMessageW(zorvel.window(), WM_MOUSEMOVE, 0, MAKELPARAM(x, 5));
    }
    // The window answers in order: once it has, no movement showed it or opened the menu.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(zorvel.window(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    EXPECT_FALSE(zorvel.visible());
    EXPECT_TRUE(zorvel.process().windows("", true).empty());
}

TEST_F(ResidenceTest, TheTrayMenuExitEndsSavesAndRemovesTheIcon) {
    zorvel.add("Pastrat");
    hide();
    ASSERT_TRUE(chooseFromTrayMenu('E', [&] { return !zorvel.process().running(); }));
    EXPECT_EQ(taskbar.icons(), 0);
    EXPECT_EQ(taskbar.count(NIM_DELETE), 1);
    const Lines saved = settingsLines(zorvel.settingsFile());
    EXPECT_TRUE(holdsInOrder(saved, {"Nr_ferestre=1", "Caption1=Pastrat"}));
}

TEST_F(ResidenceTest, TheTrayMenuOpenShowsTheWindow) {
    hide();
    EXPECT_TRUE(chooseFromTrayMenu('O', [&] { return zorvel.visible(); }));
    EXPECT_EQ(taskbar.icons(), 1);
}

TEST_F(ResidenceTest, EscapeEndsTheProgramAndSaves) {
    zorvel.add("Prin Esc");
    ASSERT_TRUE(zorvel.activate());
    input::press(VK_ESCAPE);
    ASSERT_TRUE(zorvel.process().waitForExit());
    const Lines saved = settingsLines(zorvel.settingsFile());
    EXPECT_TRUE(hasLine(saved, "Caption1=Prin Esc"));
    EXPECT_EQ(taskbar.count(NIM_ADD), 0);
}

TEST_F(ResidenceTest, ARestartedTaskbarGetsTheIconOfAHiddenWindowBack) {
    hide();
    PostMessageW(zorvel.window(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(waitUntil([&] { return taskbar.count(NIM_ADD) == 2; }));
}

TEST_F(ResidenceTest, TheTrayMenuLogOpensTheRecordMadeFirstInTheUsersEditor) {
    const std::wstring report = zorvel.dir().file(L"editor.txt");
    const std::wstring record = zorvel.dir().file(L"Zorvel.log");
    const EditorFor editor(L".log", report);
    hide();
    ASSERT_EQ(GetFileAttributesW(record.c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_TRUE(chooseFromTrayMenu('L', [&] { return reportedLines(report).size() == 2; }));
    const std::vector<std::wstring> lines = reportedLines(report);
    EXPECT_EQ(CompareStringOrdinal(lines[0].c_str(), -1, record.c_str(), -1, TRUE), CSTR_EQUAL)
        << narrow(lines[0]);
    EXPECT_EQ(lines[1], std::to_wstring(SW_SHOWNORMAL));
    // Nothing was closed yet: the file is there and empty, or holds the mark alone.
    const std::string bytes = readFile(record);
    EXPECT_NE(GetFileAttributesW(record.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(bytes.empty() || bytes == "\xEF\xBB\xBF");
    EXPECT_FALSE(zorvel.visible());
}

TEST_F(ResidenceTest, WithNoProgramForLogFilesTheLogOpensInTheSystemsEditor) {
    HKEY association = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CLASSES_ROOT, L".log", 0, KEY_READ, &association),
              ERROR_FILE_NOT_FOUND);
    PostMessageW(zorvel.window(), WM_COMMAND, kMnuLog, 0);
    HWND editor = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (editor = FindWindowW(L"Notepad", nullptr)) != nullptr; }));
    EXPECT_NE(windowText(editor).find("Zorvel.log"), std::string::npos) << windowText(editor);
    DWORD id = 0;
    GetWindowThreadProcessId(editor, &id);
    HANDLE notepad = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
    TerminateProcess(notepad, 0);
    WaitForSingleObject(notepad, 5000);
    CloseHandle(notepad);
}

TEST_F(ResidenceTest, APauseLeavesAListedPopUpOpenAndResumeClosesItAtOnce) {
    zorvel.add("Reclama in pauza");
    zorvel.setText(kTxtTimp, "30");  // the sweep's next tick is far off
    hide();
    PostMessageW(zorvel.window(), WM_COMMAND, kMnuPauseTenMinutes, 0);
    ASSERT_TRUE(waitUntil([&] { return taskbar.tip().starts_with("Zorvel - pauza pana la "); }))
        << taskbar.tip();
    Process popUp = openTargets({L"quiet:Reclama in pauza"});
    HWND ad = popUp.waitForWindow("Reclama in pauza");
    ASSERT_NE(ad, nullptr);
    EXPECT_FALSE(waitUntil([&] { return !IsWindow(ad); }, 3s));
    // Resume stands where the Pause submenu was: its access key in the real menu.
    ASSERT_TRUE(chooseFromTrayMenu(
        'R', [&] { return taskbar.tip() == "Zorvel - realizat de echipa Zorvel"; }));
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(ad); }, 5s));
}

// The login entry's command; empty when there is none.
std::wstring runEntry() {
    wchar_t value[2048]{};
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                     L"Zorvel", RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) {
        return {};
    }
    return value;
}

TEST_F(ResidenceTest, StartWithWindowsWritesThisProgramAndTakesItBack) {
    // Another copy's entry, put back after the test: it does not count as this one's.
    const std::wstring elsewhere = L"\"C:\\Elsewhere\\Zorvel.exe\"";
    const RegistryValue kept(
        HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", L"Zorvel", REG_SZ,
        elsewhere.c_str(), static_cast<DWORD>((elsewhere.size() + 1) * sizeof(wchar_t)));
    wchar_t exe[MAX_PATH]{};
    GetLongPathNameW(zorvel.dir().file(L"Zorvel.exe").c_str(), exe, MAX_PATH);
    const std::wstring quoted = L"\"" + std::wstring(exe) + L"\"";
    auto entryIs = [](const std::wstring& expected) {
        return waitUntil([&] {
            const std::wstring now = runEntry();
            return CompareStringOrdinal(now.c_str(), -1, expected.c_str(), -1, TRUE) == CSTR_EQUAL;
        });
    };
    PostMessageW(zorvel.window(), WM_COMMAND, kMnuStartWithWindows, 0);
    EXPECT_TRUE(entryIs(quoted));
    PostMessageW(zorvel.window(), WM_COMMAND, kMnuStartWithWindows, 0);
    EXPECT_TRUE(entryIs(L""));
    EXPECT_TRUE(zorvel.process().running());
}

}  // namespace
}  // namespace zorvel::e2e
