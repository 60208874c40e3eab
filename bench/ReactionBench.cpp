// How fast the real Zorvel.exe closes listed pop-ups that another process opens, and whether
// its window keeps answering meanwhile: close latency, answers while windows refuse to come
// to the front, during a flood of new windows, and under a sweep of 1,000 captions every
// second. Run under Wine by bench/run.sh; it prints a table.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "../tests/e2e/Support.h"
#include "Measure.h"
#include "platform/win32/ControlIds.h"

namespace {

using namespace zorvel::e2e;
using Clock = std::chrono::steady_clock;

constexpr wchar_t kListed[] = L"Reclama de proba";
constexpr wchar_t kUnlisted[] = L"Fereastra nelistata";

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double percentile(std::vector<double> values, double p) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<size_t>(p * values.size()))];
}

// Zorvel.exe started in a fresh directory with the given settings.
struct Running {
    explicit Running(const std::string& settings) : zorvel(false) {
        writeFile(zorvel.settingsFile(), settings);
        zorvel.start();
    }
    Zorvel zorvel;
};

std::string settingsWith(int intervalSeconds, const std::vector<std::string>& captions) {
    std::string text = "[OPTIUNI]\r\nInterval_de_timp=" + std::to_string(intervalSeconds) +
                       "\r\nNr_ferestre=" + std::to_string(captions.size()) +
                       "\r\n[FERESTRE_DE_INCHIS]\r\n";
    for (size_t i = 0; i < captions.size(); ++i) {
        text += "Caption" + std::to_string(i + 1) + "=" + captions[i] + "\r\n";
    }
    return text;
}

// Pop-ups of this process: when each was created and when it was told to close.
struct Popup {
    Clock::time_point created;
    Clock::time_point listedFrom;  // shown with its title: from here Zorvel can see it
    double closedAfterMs = -1;
    double closedAfterListedMs = -1;
    const char* kind = "";
};
std::vector<Popup> popups;
int unlistedTouched = 0;

LRESULT CALLBACK popupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto index = static_cast<size_t>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_CLOSE || message == WM_SYSKEYDOWN) {
        if (index == 0) {
            ++unlistedTouched;
        } else if (message == WM_CLOSE && popups[index - 1].closedAfterMs < 0) {
            popups[index - 1].closedAfterMs = msSince(popups[index - 1].created);
            popups[index - 1].closedAfterListedMs = msSince(popups[index - 1].listedFrom);
        }
    }
    if (message == WM_TIMER) {  // the late part of a pop-up: its title, or being shown
        KillTimer(window, wParam);
        if (wParam == 1) {
            SetWindowTextW(window, kListed);
        } else {
            ShowWindow(window, SW_SHOWNA);
        }
        popups[index - 1].listedFrom = Clock::now();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND openWindow(const wchar_t* title, bool visible, size_t index) {
    HWND window = CreateWindowExW(0, L"ZorvelBenchPopup", title,
                                  WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0), 600, 300, 200,
                                  120, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, static_cast<LONG_PTR>(index));
    return window;
}

void pumpFor(double milliseconds) {
    const auto until = Clock::now() + std::chrono::duration<double, std::milli>(milliseconds);
    while (Clock::now() < until) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }
}

// A message box on a thread of its own; its pop-up closes when MessageBox returns.
void messageBox(size_t index) {
    std::thread([index] {
        MessageBoxW(nullptr, L"Oferta!", kListed, MB_OK);
        popups[index].closedAfterMs = msSince(popups[index].created);
        popups[index].closedAfterListedMs = popups[index].closedAfterMs;
    }).detach();
}

void openPopup(size_t index, std::mt19937& random) {
    Popup& popup = popups[index];
    popup.created = popup.listedFrom = Clock::now();
    switch (index % 4) {
        case 0:
            popup.kind = "visible";
            openWindow(kListed, true, index + 1);
            break;
        case 1:
            popup.kind = "shown later";
            SetTimer(openWindow(kListed, false, index + 1), 2, 100, nullptr);
            break;
        case 2:
            popup.kind = "titled later";
            SetTimer(openWindow(L"", true, index + 1), 1, 100, nullptr);
            break;
        default:
            popup.kind = "message box";
            messageBox(index);
            break;
    }
    if (random() % 3 == 0) {
        openWindow(kUnlisted, true, 0);
    }
}

void latency(int count) {
    Running running(settingsWith(30, {"Reclama de proba"}));
    popups.assign(static_cast<size_t>(count), Popup{});
    std::mt19937 random(7);
    pumpFor(500);
    for (size_t i = 0; i < popups.size(); ++i) {
        openPopup(i, random);
        pumpFor(50 + random() % 250);
    }
    pumpFor(2000);
    std::printf("\nclose latency, %d pop-ups, interval 30 s (ms)\n", count);
    std::printf("%-14s %7s %8s %8s %8s   %s\n", "kind", "closed", "median", "p95", "max",
                "from seen: median, p95");
    for (const char* kind : {"visible", "shown later", "titled later", "message box", "all"}) {
        std::vector<double> fromCreated;
        std::vector<double> fromSeen;
        int total = 0;
        for (const Popup& p : popups) {
            if (std::string(kind) == "all" || std::string(kind) == p.kind) {
                ++total;
                if (p.closedAfterMs >= 0) {
                    fromCreated.push_back(p.closedAfterMs);
                    fromSeen.push_back(p.closedAfterListedMs);
                }
            }
        }
        std::printf("%-14s %3zu/%-3d %8.1f %8.1f %8.1f   %8.1f %8.1f\n", kind, fromCreated.size(),
                    total, percentile(fromCreated, 0.5), percentile(fromCreated, 0.95),
                    percentile(fromCreated, 1.0), percentile(fromSeen, 0.5),
                    percentile(fromSeen, 0.95));
    }
    std::printf("unlisted windows that got WM_CLOSE or a key: %d\n", unlistedTouched);
}

// Posts a character to txtCaption every 100 ms and times how long Zorvel takes to handle it.
std::vector<double> probe(const Zorvel& zorvel, double seconds) {
    HWND box = zorvel.control(zorvel::win32::kTxtCaption);
    std::vector<double> answers;
    const auto end = Clock::now() + std::chrono::duration<double>(seconds);
    while (Clock::now() < end) {
        const auto before = SendMessageW(box, WM_GETTEXTLENGTH, 0, 0);
        const auto posted = Clock::now();
        PostMessageW(box, WM_CHAR, 'x', 1);
        while (SendMessageW(box, WM_GETTEXTLENGTH, 0, 0) == before && msSince(posted) < 10000) {
            Sleep(1);
        }
        answers.push_back(msSince(posted));
        pumpFor(100);
    }
    return answers;
}

void printProbe(const char* what, const std::vector<double>& answers) {
    std::printf("%-52s %5zu probes, median %6.1f ms, p99 %6.1f ms, max %7.1f ms\n", what,
                answers.size(), percentile(answers, 0.5), percentile(answers, 0.99),
                percentile(answers, 1.0));
}

// Windows on a thread that never reads its queue: they never take an activation.
void refusingWindows(int count) {
    std::thread([count] {
        for (int i = 0; i < count; ++i) {
            openWindow(kListed, true, 0);
        }
        Sleep(INFINITE);
    }).detach();
}

void responsiveness(double seconds) {
    Running running(settingsWith(1, {"Reclama de proba"}));
    refusingWindows(50);
    printProbe("\n50 listed windows refusing the front, interval 1 s:",
               probe(running.zorvel, seconds));
}

void sweepLoad(double seconds) {
    std::vector<std::string> captions;
    for (int i = 0; i < 1000; ++i) {
        captions.push_back("Reclama inexistenta " + std::to_string(i));
    }
    // Open before Zorvel starts: what is measured is the sweep, not the watch meeting them.
    for (int i = 0; i < 300; ++i) {
        openWindow((L"Fereastra de proba " + std::to_wstring(i)).c_str(), true, 0);
    }
    Running running(settingsWith(1, captions));
    printProbe("1,000 captions, 300 windows, interval 1 s:", probe(running.zorvel, seconds));
}

void flood(int count) {
    Running running(settingsWith(30, {"Reclama de proba"}));
    HANDLE process =
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, running.zorvel.process().id());
    pumpFor(500);
    popups.assign(1, Popup{});
    std::atomic<bool> burstDone = false;
    const auto start = Clock::now();
    double burstMs = 0;
    // Another thread opens them, so that Zorvel can be probed throughout the burst.
    std::thread burst([&] {
        for (int i = 0; i < count; ++i) {
            openWindow(kUnlisted, false, 0);
        }
        popups[0].created = popups[0].listedFrom = Clock::now();
        burstMs = msSince(start);
        openWindow(kListed, true, 1);
        burstDone = true;
        MSG message;
        while (popups[0].closedAfterMs < 0 && GetMessageW(&message, nullptr, 0, 0) > 0) {
            DispatchMessageW(&message);
        }
    });
    std::vector<double> answers;
    while (!burstDone) {
        const std::vector<double> more = probe(running.zorvel, 0.05);
        answers.insert(answers.end(), more.begin(), more.end());
    }
    const auto burstEnd = Clock::now();
    // Drained once Zorvel uses no more than a tenth of a processor.
    double last = zorvel::bench::processorSeconds(process);
    double drainedMs = -1;
    while (msSince(burstEnd) < 20000) {
        const std::vector<double> more = probe(running.zorvel, 0.5);
        answers.insert(answers.end(), more.begin(), more.end());
        const double now = zorvel::bench::processorSeconds(process);
        if (now - last < 0.05) {
            drainedMs = msSince(burstEnd);
            break;
        }
        last = now;
    }
    burst.join();
    std::printf(
        "\nflood of %d windows opened in %.0f ms by another thread: the listed pop-up "
        "after it closed in %.1f ms; quiet again %.0f ms after the burst\n",
        count, burstMs, popups[0].closedAfterMs, drainedMs);
    printProbe("answers during and after the flood:", answers);
    CloseHandle(process);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const double scale = argc > 1 ? std::max(0.05, _wtof(argv[1])) : 1.0;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = popupProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ZorvelBenchPopup";
    RegisterClassW(&windowClass);
    latency(static_cast<int>(200 * scale));
    responsiveness(30 * scale);
    sweepLoad(30 * scale);
    flood(5000);
    return 0;
}
