// What the benchmarks of the real Zorvel.exe share: Zorvel started with given settings, a
// message pump, percentiles, and probes of how soon its window answers.
#pragma once

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "../tests/e2e/Support.h"
#include "platform/win32/ControlIds.h"

namespace zorvel::bench {

using Clock = std::chrono::steady_clock;

inline double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

inline double percentile(std::vector<double> values, double p) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<size_t>(p * values.size()))];
}

// Zorvel.exe (the one beside this program) started in a fresh directory with these settings.
struct Running {
    explicit Running(const std::string& settings) : zorvel(false) {
        e2e::writeFile(zorvel.settingsFile(), settings);
        zorvel.start();
    }
    e2e::Zorvel zorvel;
};

inline std::string settingsWith(int intervalSeconds, const std::vector<std::string>& captions) {
    std::string text = "[OPTIUNI]\r\nInterval_de_timp=" + std::to_string(intervalSeconds) +
                       "\r\nNr_ferestre=" + std::to_string(captions.size()) +
                       "\r\n[FERESTRE_DE_INCHIS]\r\n";
    for (size_t i = 0; i < captions.size(); ++i) {
        text += "Caption" + std::to_string(i + 1) + "=" + captions[i] + "\r\n";
    }
    return text;
}

inline void registerClass(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = name;
    RegisterClassW(&windowClass);
}

// Dispatches this thread's messages for a while.
inline void pumpFor(double milliseconds) {
    const auto until = Clock::now() + std::chrono::duration<double, std::milli>(milliseconds);
    while (Clock::now() < until) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }
}

// Posts a character to txtCaption every `gapMs` and times how long Zorvel takes to handle it.
inline std::vector<double> probe(const e2e::Zorvel& zorvel, double seconds, double gapMs = 100) {
    HWND box = zorvel.control(zorvel::win32::kTxtCaption);
    std::vector<double> answers;
    const auto end = Clock::now() + std::chrono::duration<double>(seconds);
    while (Clock::now() < end) {
        if (SendMessageW(box, WM_GETTEXTLENGTH, 0, 0) >= 200) {
            SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));  // it holds 255
        }
        const auto before = SendMessageW(box, WM_GETTEXTLENGTH, 0, 0);
        const auto posted = Clock::now();
        PostMessageW(box, WM_CHAR, 'x', 1);
        while (SendMessageW(box, WM_GETTEXTLENGTH, 0, 0) == before && msSince(posted) < 10000) {
            Sleep(1);
        }
        answers.push_back(msSince(posted));
        pumpFor(gapMs);
    }
    return answers;
}

// Whether the measure named `part` is to run: the second argument names one, or all run.
inline bool wanted(int argc, wchar_t** argv, const wchar_t* part) {
    return argc < 3 || std::wstring(argv[2]) == part;
}

inline void printProbe(const char* what, const std::vector<double>& answers) {
    std::printf("%-52s %5zu probes, median %6.1f ms, p99 %6.1f ms, max %7.1f ms\n", what,
                answers.size(), percentile(answers, 0.5), percentile(answers, 0.99),
                percentile(answers, 1.0));
}

}  // namespace zorvel::bench
