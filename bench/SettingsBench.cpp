// Times the settings file with 10,000 captions: the save and the load through the real store
// and a real sorted list box, and beside them the real Zorvel.exe's start-up (until its window
// shows) and exit (until the process is gone, the save included), empty and with the list.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "Measure.h"
#include "platform/win32/ControlIds.h"
#include "platform/win32/Text.h"
#include "platform/win32/Win32ListBox.h"
#include "platform/win32/Win32SettingsStore.h"
#include "settings/Settings.h"
#include "settings/SettingsTemplate.h"

namespace {

using zorvel::bench::freshDirectory;
using zorvel::bench::median;
using zorvel::bench::millisecondsOf;

constexpr int kCaptions = 10000;
constexpr int kDefaultRuns = 5;

class PlainTextBox : public zorvel::TextBox {
  public:
    std::string text() const override { return text_; }
    void setText(const std::string& text) override { text_ = text; }
    void focus() override {}
    void selectAll() override {}

  private:
    std::string text_;
};

class PlainTimer : public zorvel::Timer {
  public:
    int interval() const override { return interval_; }
    void setInterval(int milliseconds) override { interval_ = milliseconds; }

  private:
    int interval_ = 5000;
};

std::wstring besideBench(const wchar_t* name) {
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path);
    return dir.substr(0, dir.find_last_of(L'\\') + 1) + name;
}

// Zorvel.exe's manifest in force, so that controls come from Common Controls v6 as there.
bool useZorvelsControls() {
    const std::wstring exe = besideBench(L"Zorvel.exe");
    ACTCTXW context{};
    context.cbSize = sizeof(context);
    context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.lpSource = exe.c_str();
    context.lpResourceName = MAKEINTRESOURCEW(1);
    HANDLE handle = CreateActCtxW(&context);
    ULONG_PTR cookie = 0;
    return handle != INVALID_HANDLE_VALUE && ActivateActCtx(handle, &cookie);
}

// The list box as the main window holds it: a visible child with a scroll bar.
HWND sortedListBox() {
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 320,
                                  240, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    return CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_SORT | LBS_NOTIFY,
                           0, 0, 300, 200, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// A caption like the ones users pick: a title with a number, some with Romanian letters.
std::string caption(int i) {
    char text[64];
    std::snprintf(text, sizeof text, "Reclama %05d - oferta speciala%s", (i * 7919) % kCaptions,
                  i % 5 == 0 ? " \xC8\x99i \xC8\x9B" : "");
    return text;
}

struct SettingsTimes {
    double save = 0;
    double load = 0;
};

SettingsTimes timeSettings(const std::wstring& dir, int runs) {
    const std::string path =
        zorvel::settingsPath(std::string(dir.begin(), dir.end()));  // an ASCII temporary path
    HWND box = sortedListBox();
    zorvel::win32::Win32ListBox list(box);
    PlainTextBox text;
    PlainTimer timer;
    std::vector<double> saves;
    std::vector<double> loads;
    for (int run = 0; run < runs; ++run) {
        DeleteFileW((dir + L"\\Zorvel.ini").c_str());
        zorvel::win32::Win32SettingsStore store(path);
        zorvel::Settings first(store, list, text, timer);
        list.clear();
        first.load();
        std::vector<zorvel::ListEntry> captions;
        for (int i = 0; i < kCaptions; ++i) {
            captions.push_back({caption(i)});
        }
        list.addAll(captions);
        saves.push_back(millisecondsOf([&] { first.save(); }));
        list.clear();
        zorvel::Settings next(store, list, text, timer);
        loads.push_back(millisecondsOf([&] { next.load(); }));
        if (list.count() != kCaptions) {
            std::fprintf(stderr, "loaded %d of %d captions\n", list.count(), kCaptions);
            std::exit(2);
        }
    }
    DestroyWindow(GetParent(box));
    return {median(saves), median(loads)};
}

HWND mainWindowOf(DWORD process) {
    struct Search {
        DWORD process;
        HWND found;
    } search{process, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t name[64]{};
            GetClassNameW(window, name, 64);
            if (owner == s->process && IsWindowVisible(window) &&
                lstrcmpW(name, zorvel::win32::kMainWindowClass) == 0) {
                s->found = window;
            }
            return s->found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool waitFor(const std::function<bool()>& condition) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

// Start-up until the window shows, and exit through its button until the process is gone.
SettingsTimes timeZorvel(const std::wstring& dir) {
    const std::wstring exe = dir + L"\\Zorvel.exe";
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    SettingsTimes times;
    HWND window = nullptr;
    times.load = millisecondsOf([&] {
        CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       dir.c_str(), &startup, &info);
        // Idle once Form_Load is done and the window shown; no polling to compete with it.
        WaitForInputIdle(info.hProcess, 60000);
        waitFor([&] { return (window = mainWindowOf(info.dwProcessId)) != nullptr; });
    });
    times.save = millisecondsOf([&] {
        SendNotifyMessageW(GetDlgItem(window, zorvel::win32::kCmdExit), BM_CLICK, 0, 0);
        WaitForSingleObject(info.hProcess, 60000);
    });
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return times;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultRuns;
    if (!useZorvelsControls()) {
        std::fprintf(stderr, "cannot use Zorvel.exe's manifest\n");
        return 1;
    }
    const std::wstring dir = freshDirectory(L"zorvel-bench");
    const SettingsTimes settings = timeSettings(dir, runs);

    CopyFileW(besideBench(L"Zorvel.exe").c_str(), (dir + L"\\Zorvel.exe").c_str(), FALSE);
    const std::wstring file = dir + L"\\Zorvel.ini";
    std::vector<double> emptyStart, emptyExit, fullStart, fullExit;
    for (int run = 0; run < runs; ++run) {
        DeleteFileW(file.c_str());
        const SettingsTimes empty = timeZorvel(dir);
        emptyStart.push_back(empty.load);
        emptyExit.push_back(empty.save);
    }
    // The list the in-process save left: 10,000 captions.
    timeSettings(dir, 1);
    for (int run = 0; run < runs; ++run) {
        const SettingsTimes full = timeZorvel(dir);
        fullStart.push_back(full.load);
        fullExit.push_back(full.save);
    }

    std::printf("%d captions, median of %d runs, ms\n", kCaptions, runs);
    std::printf("%-44s %10.1f\n", "Settings::save (real store, real list box)", settings.save);
    std::printf("%-44s %10.1f\n", "Settings::load (real store, real list box)", settings.load);
    std::printf("%-44s %10.1f\n", "Zorvel.exe start-up, template file", median(emptyStart));
    std::printf("%-44s %10.1f\n", "Zorvel.exe start-up, 10,000 captions", median(fullStart));
    std::printf("%-44s %10.1f\n", "Zorvel.exe exit, template file", median(emptyExit));
    std::printf("%-44s %10.1f\n", "Zorvel.exe exit, 10,000 captions", median(fullExit));
    DeleteFileW(file.c_str());
    DeleteFileW((dir + L"\\Zorvel.exe").c_str());
    RemoveDirectoryW(dir.c_str());
    return 0;
}
