// How fast the real Zorvel.exe closes listed pop-ups that another process opens, and whether
// its window keeps answering meanwhile: close latency, answers while listed windows never
// answer, and under a sweep of 1,000 captions every second. Run under Wine by bench/run.sh;
// it prints a table.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "Reaction.h"

namespace {

using namespace zorvel::bench;

constexpr wchar_t kListed[] = L"Reclama de proba";
constexpr wchar_t kUnlisted[] = L"Fereastra nelistata";

// Pop-ups of this process: when each was created and when it was told to close.
struct Popup {
    Clock::time_point created;
    Clock::time_point listedFrom;  // shown with its title: from here Zorvel can see it
    double closedAfterMs = -1;
    double closedAfterListedMs = -1;
    bool painted = false;  // closed before this, it was never drawn (message boxes: not seen)
    bool closedUnpainted = false;
    const char* kind = "";
};
std::vector<Popup> popups;
int unlistedTouched = 0;

// What a closer may send a window: the close request, the close command, or keys.
bool closing(UINT message, WPARAM wParam) {
    return message == WM_CLOSE || message == WM_SYSKEYDOWN ||
           (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE);
}

LRESULT CALLBACK popupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto index = static_cast<size_t>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (closing(message, wParam)) {
        if (index == 0) {
            ++unlistedTouched;
        } else if (message == WM_CLOSE && popups[index - 1].closedAfterMs < 0) {
            popups[index - 1].closedAfterMs = msSince(popups[index - 1].created);
            popups[index - 1].closedAfterListedMs = msSince(popups[index - 1].listedFrom);
            popups[index - 1].closedUnpainted = !popups[index - 1].painted;
        }
    }
    if (message == WM_PAINT && index > 0) {
        popups[index - 1].painted = true;
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
                "from seen: median, p95; closed before drawn");
    for (const char* kind : {"visible", "shown later", "titled later", "message box", "all"}) {
        std::vector<double> fromCreated;
        std::vector<double> fromSeen;
        int total = 0;
        int undrawn = 0;
        for (const Popup& p : popups) {
            if (std::string(kind) == "all" || std::string(kind) == p.kind) {
                ++total;
                undrawn += p.closedUnpainted ? 1 : 0;
                if (p.closedAfterMs >= 0) {
                    fromCreated.push_back(p.closedAfterMs);
                    fromSeen.push_back(p.closedAfterListedMs);
                }
            }
        }
        std::printf("%-14s %3zu/%-3d %8.1f %8.1f %8.1f   %8.1f %8.1f   %3d\n", kind,
                    fromCreated.size(), total, percentile(fromCreated, 0.5),
                    percentile(fromCreated, 0.95), percentile(fromCreated, 1.0),
                    percentile(fromSeen, 0.5), percentile(fromSeen, 0.95), undrawn);
    }
    std::printf("unlisted windows that got WM_CLOSE, SC_CLOSE or a key: %d\n", unlistedTouched);
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

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const double scale = argc > 1 ? std::max(0.05, _wtof(argv[1])) : 1.0;
    registerClass(L"ZorvelBenchPopup", popupProc);
    if (wanted(argc, argv, L"latency")) {
        latency(static_cast<int>(200 * scale));
    }
    if (wanted(argc, argv, L"responsiveness")) {
        responsiveness(30 * scale);
    }
    if (wanted(argc, argv, L"sweep")) {
        sweepLoad(30 * scale);
    }
    return 0;
}
