// How the real Zorvel.exe closes in the background: typing in another program goes on while
// listed pop-ups close behind it, windows that hand the foreground back are closed without
// being activated, a pop-up that goes slowly is asked once, and a flood of windows from four
// processes does not keep Zorvel from answering. Run under Wine by bench/run.sh, with
// Zorvel.exe and zorvel_helper.exe beside it; it prints a table.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "Measure.h"
#include "Reaction.h"

namespace {

using namespace zorvel::bench;
using namespace zorvel::e2e;

void focus(double seconds, int popUpCount) {
    Running running(settingsWith(30, {"Reclama"}));
    const std::wstring log = running.zorvel.dir().file(L"focus.txt");
    Process editor = openTargets({L"events:" + log, L"front:Editor"});
    HWND typing = editor.waitForWindow("Editor");
    waitUntil([&] {
        SetForegroundWindow(typing);
        return GetForegroundWindow() == typing;
    });
    // A third program's pop-ups, shown behind without activation, spread over the run.
    std::vector<Process> popUps;
    std::thread opener([&] {
        for (int i = 0; i < popUpCount; ++i) {
            popUps.emplace_back(besideDriver(L"zorvel_helper.exe"),
                                L"\"events:" + log + L"\" \"quiet:Reclama\"");
            Sleep(static_cast<DWORD>(seconds * 1000 / popUpCount));
        }
    });
    int typed = 0;
    int away = 0;
    const auto start = Clock::now();
    while (msSince(start) < seconds * 1000) {
        input::press('A');
        ++typed;
        away += GetForegroundWindow() == typing ? 0 : 1;
        std::this_thread::sleep_until(start + std::chrono::milliseconds(20 * typed));
    }
    opener.join();
    int closed = 0;
    for (const Process& popUp : popUps) {
        closed += popUp.waitForExit(5s) ? 1 : 0;
    }
    waitUntil([&] { return noted(log, "char", "Editor") >= typed; }, 5s);
    std::printf(
        "\nfocus: a character typed every 20 ms for %.0f s into another program's window while "
        "%d listed pop-ups of a third appeared behind it\n"
        "  pop-ups closed %d/%d, activated %d times, characters they got %d; characters the "
        "typing window got %d/%d; samples with another window in front %d/%d\n",
        seconds, popUpCount, closed, popUpCount, noted(log, "activate", "Reclama"),
        noted(log, "char", "Reclama"), noted(log, "char", "Editor"), typed, away, typed);
}

void refusing(double seconds, int count) {
    Running running(settingsWith(1, {"Reclama"}));
    const std::wstring log = running.zorvel.dir().file(L"refusing.txt");
    Process front = openTargets({L"front:Birou"});
    HWND desk = front.waitForWindow("Birou");
    waitUntil([&] {
        SetForegroundWindow(desk);
        return GetForegroundWindow() == desk;
    });
    std::vector<std::wstring> requests{L"events:" + log};
    requests.insert(requests.end(), static_cast<size_t>(count), L"giving:Reclama");
    const auto start = Clock::now();
    Process giving = openTargets(requests);
    std::atomic<double> allClosedMs = -1;
    std::thread watch([&] {
        if (giving.waitForExit(std::chrono::milliseconds(static_cast<int>(seconds * 1000)))) {
            allClosedMs = msSince(start);
        }
    });
    const std::vector<double> answers = probe(running.zorvel, seconds);
    watch.join();
    const int left = static_cast<int>(giving.windows("Reclama", true).size());
    const int activations = noted(log, "activate", "Reclama");
    const std::string within =
        allClosedMs < 0 ? "not all in the run"
                        : "all within " + std::to_string(std::lround(allClosedMs)) + " ms";
    std::printf(
        "\n%d listed windows that hand the foreground back when activated, interval 1 s, %.0f s\n"
        "  closed %d/%d (%s), activations %d (%.1f a second)\n",
        count, seconds, count - left, count, within.c_str(), activations, activations / seconds);
    printProbe("  answers meanwhile:", answers);
}

void once(int runs) {
    Running running(settingsWith(1, {"Reclama"}));
    int exact = 0;
    int mostCommands = 0;
    int mostCloses = 0;
    int stayed = 0;
    for (int run = 0; run < runs; ++run) {
        const std::wstring log = running.zorvel.dir().file(L"once" + std::to_wstring(run));
        Process slow = openTargets({L"events:" + log, L"slow:Reclama"});
        stayed += slow.waitForExit(10s) ? 0 : 1;
        const int commands = noted(log, "command", "Reclama");
        const int closes = noted(log, "close", "Reclama");
        exact += commands == 1 && closes == 1 ? 1 : 0;
        mostCommands = std::max(mostCommands, commands);
        mostCloses = std::max(mostCloses, closes);
    }
    std::printf(
        "\na pop-up that goes 300 ms after its first WM_CLOSE, interval 1 s: one SC_CLOSE and one "
        "WM_CLOSE in %d/%d runs (most SC_CLOSE %d, most WM_CLOSE %d, still there after 10 s %d)\n",
        exact, runs, mostCommands, mostCloses, stayed);
}

// Listed pop-ups opened by this process during the flood: when each was asked for, how long
// its creation and showing took, and when it got WM_CLOSE (-1 not yet). Creating a window
// takes tens of milliseconds under the flood, whoever watches.
std::vector<Clock::time_point> listedOpened;
std::vector<double> listedShownMs;
std::vector<double> listedClosedMs;

LRESULT CALLBACK listedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto index = static_cast<size_t>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_CLOSE && index > 0 && listedClosedMs[index - 1] < 0) {
        listedClosedMs[index - 1] = msSince(listedOpened[index - 1]);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void openListed() {
    listedOpened.push_back(Clock::now());
    listedShownMs.push_back(0);
    listedClosedMs.push_back(-1);
    HWND window =
        CreateWindowExW(0, L"ZorvelBenchListed", L"Reclama de proba", WS_OVERLAPPEDWINDOW, 600, 300,
                        200, 120, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, static_cast<LONG_PTR>(listedOpened.size()));
    ShowWindow(window, SW_SHOWNA);
    listedShownMs.back() = msSince(listedOpened.back());
}

// Listed pop-ups among the flood's windows: 500 ms apart from its first window on, so that they
// meet its backlog early and late, from a thread that reads its queue until each has been told
// to close (30 s at most).
void openListedAmong(int count) {
    waitUntil([] { return FindWindowW(L"Static", L"Fereastra nelistata") != nullptr; }, 30s);
    for (int i = 0; i < count; ++i) {
        openListed();
        pumpFor(500);
    }
    const auto until = Clock::now() + 30s;
    while (Clock::now() < until && std::any_of(listedClosedMs.begin(), listedClosedMs.end(),
                                               [](double ms) { return ms < 0; })) {
        pumpFor(50);
    }
}

void flood(int processes, int each, int listed) {
    Running running(settingsWith(30, {"Reclama de proba"}));
    pumpFor(500);
    wchar_t self[MAX_PATH]{};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const double cpuBefore = processorSeconds(running.zorvel.process().handle());
    const auto start = Clock::now();
    std::vector<Process> floods;
    for (int i = 0; i < processes; ++i) {
        floods.emplace_back(self, L"child " + std::to_wstring(each));
    }
    const auto flooding = [&] {
        return std::any_of(floods.begin(), floods.end(),
                           [](const Process& p) { return p.running(); });
    };
    std::thread opener(openListedAmong, listed);
    std::vector<double> answers;
    while (flooding()) {
        const std::vector<double> more = probe(running.zorvel, 0.05, 20);
        answers.insert(answers.end(), more.begin(), more.end());
    }
    const double floodMs = msSince(start);
    opener.join();
    const double cpu = processorSeconds(running.zorvel.process().handle()) - cpuBefore;
    // One never closed counts as waiting for ever.
    std::vector<double> waits;
    std::vector<double> fromShown;
    for (size_t i = 0; i < listedClosedMs.size(); ++i) {
        waits.push_back(listedClosedMs[i] < 0 ? HUGE_VAL : listedClosedMs[i]);
        fromShown.push_back(waits.back() - listedShownMs[i]);
    }
    std::printf(
        "\nflood: %d processes each opening %d windows at full speed, over in %.0f ms, Zorvel "
        "busy %.2f s of processor\n  %d listed pop-ups among them, closed %zd, after (ms) "
        "median %.1f, p95 %.1f, slowest %.1f; from shown: median %.1f, p95 %.1f, slowest %.1f\n",
        processes, each, floodMs, cpu, listed,
        std::count_if(waits.begin(), waits.end(), [](double ms) { return ms < HUGE_VAL; }),
        percentile(waits, 0.5), percentile(waits, 0.95), percentile(waits, 1.0),
        percentile(fromShown, 0.5), percentile(fromShown, 0.95), percentile(fromShown, 1.0));
    printProbe("  answers during the flood (a probe every 20 ms):", answers);
}

// One of the flood's processes: hidden unlisted windows as fast as they come, kept a second.
int floodChild(int count) {
    for (int i = 0; i < count; ++i) {
        CreateWindowExW(0, L"STATIC", L"Fereastra nelistata", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    pumpFor(1000);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 2 && std::wstring(argv[1]) == L"child") {
        return floodChild(_wtoi(argv[2]));
    }
    const double scale = argc > 1 ? std::max(0.05, _wtof(argv[1])) : 1.0;
    registerClass(L"ZorvelBenchListed", listedProc);
    if (wanted(argc, argv, L"focus")) {
        focus(30 * scale, std::max(1, static_cast<int>(30 * scale)));
    }
    if (wanted(argc, argv, L"refusing")) {
        refusing(30 * scale, 50);
    }
    if (wanted(argc, argv, L"once")) {
        once(std::max(1, static_cast<int>(50 * scale)));
    }
    if (wanted(argc, argv, L"flood")) {
        flood(4, 2000, 20);
    }
    return 0;
}
