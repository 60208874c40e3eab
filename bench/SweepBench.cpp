// Times one tick of the sweep over 1,000 captions in a real sorted list box against 300
// visible top-level windows of another process, as Zorvel.exe meets them: the naive sweep
// (the selection walked through the list, one title search per entry), the earlier one (the
// selection walked, one title snapshot per tick) and ours (the entries read, the selection
// set once, one snapshot per tick).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "Measure.h"
#include "closer/CloseEngine.h"
#include "closer/ListedCaptions.h"
#include "closer/Sweep.h"
#include "closer/TitleIndex.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32ListBox.h"
#include "platform/win32/Win32Timer.h"

namespace {

using zorvel::bench::median;

constexpr int kWindows = 300;
constexpr int kCaptions = 1000;
constexpr int kPatterns = 100;
constexpr int kQualified = 100;
constexpr int kDefaultTicks = 10;
constexpr wchar_t kOwnerArgument[] = L"--own-windows";

std::wstring numbered(const wchar_t* prefix, int n) {
    wchar_t text[64];
    std::swprintf(text, 64, L"%ls %04d", prefix, n);
    return text;
}

std::string ascii(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

// The windows' owner: another process, as the programs whose windows Zorvel closes are.
int ownWindows() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ZorvelBenchWindow";
    RegisterClassW(&windowClass);
    for (int i = 0; i < kWindows; ++i) {
        CreateWindowExW(0, windowClass.lpszClassName, numbered(L"Fereastra de proba", i).c_str(),
                        WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 160, 90, nullptr, nullptr,
                        windowClass.hInstance, nullptr);
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}

PROCESS_INFORMATION startOwner() {
    wchar_t self[MAX_PATH]{};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(self) + L"\" " + kOwnerArgument;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                   &process);
    return process;
}

bool waitForWindows() {
    const std::wstring last = numbered(L"Fereastra de proba", kWindows - 1);
    for (int i = 0; i < 1000 && FindWindowW(nullptr, last.c_str()) == nullptr; ++i) {
        Sleep(20);
    }
    return FindWindowW(nullptr, last.c_str()) != nullptr;
}

// The list box as Zorvel shows it: sorted, visible, a few rows high, in a window of ours.
HWND makeListBox() {
    HWND frame = CreateWindowExW(0, L"STATIC", L"Zorvel bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 400, 400, 340, 200, nullptr, nullptr, nullptr, nullptr);
    return CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", nullptr,
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_SORT | LBS_NOTIFY, 8, 8, 297,
                           69, frame, nullptr, nullptr, nullptr);
}

double millisecondsOf(const std::function<void()>& tick) {
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    tick();
    QueryPerformanceCounter(&end);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 1 && std::wstring(argv[1]) == kOwnerArgument) {
        return ownWindows();
    }
    const int ticks = argc > 1 ? std::max(1, _wtoi(argv[1])) : kDefaultTicks;
    PROCESS_INFORMATION owner = startOwner();
    if (owner.hProcess == nullptr || !waitForWindows()) {
        std::fprintf(stderr, "the window owner did not open its %d windows\n", kWindows);
        return 1;
    }

    zorvel::win32::Win32Desktop desktop;
    zorvel::win32::Win32Clock clock;
    zorvel::win32::Win32ListBox box(makeListBox());
    zorvel::win32::Win32Timer pulse(nullptr, 0, 0);
    zorvel::ListedCaptions list(box, desktop);
    // No caption matches a window: the tick is all reading and nothing gets closed.
    for (int i = 0; i < kCaptions; ++i) {
        list.add(ascii(numbered(L"Reclama inexistenta", i)));
    }
    struct : zorvel::CloseRecorder {
        void record(const zorvel::CloseRecord&) override {}
    } unrecorded;
    zorvel::CloseEngine engine(desktop, clock, pulse, unrecorded);
    zorvel::Sweep sweep(list, engine, desktop);
    // The same captions and 100 patterns that match none of the windows either.
    zorvel::win32::Win32ListBox patternBox(makeListBox());
    zorvel::ListedCaptions patternList(patternBox, desktop);
    for (int i = 0; i < kCaptions; ++i) {
        patternList.add(ascii(numbered(L"Reclama inexistenta", i)));
    }
    for (int i = 0; i < kPatterns; ++i) {
        patternList.add(ascii(numbered(L"*Oferta", i)) + " * zile?", zorvel::EntryKind::Pattern);
    }
    zorvel::Sweep patternSweep(patternList, engine, desktop);
    // And 100 of the captions naming a program: titled like the windows, of another program,
    // so that each one's program is read and found to differ.
    zorvel::win32::Win32ListBox programBox(makeListBox());
    zorvel::ListedCaptions programList(programBox, desktop);
    for (int i = 0; i < patternList.count(); ++i) {
        zorvel::ListEntry entry = patternList.entry(i);
        if (i < kQualified) {
            entry.text = ascii(numbered(L"Fereastra de proba", i));
            entry.program = "reclame.exe";
        }
        programList.add(entry);
    }
    zorvel::Sweep programSweep(programList, engine, desktop);
    const auto naiveTick = [&] {
        for (int i = list.count() - 1; i >= 0; --i) {
            list.select(i);
            FindWindowExW(nullptr, nullptr, nullptr,
                          std::wstring(numbered(L"Reclama inexistenta", i)).c_str());
        }
    };
    const auto walkedTick = [&] {
        const zorvel::TitleIndex titles(desktop);
        for (int i = list.count() - 1; i >= 0; --i) {
            list.select(i);
            const zorvel::ListEntry entry = list.entry(i);
            for (zorvel::WindowId window : titles.windowsFor(entry)) {
                engine.closeInBackground(window, entry, zorvel::CloseTrigger::Sweep);
            }
        }
    };
    const auto ourTick = [&] { sweep.tmrVerifica_Timer(); };
    const auto patternTick = [&] { patternSweep.tmrVerifica_Timer(); };
    const auto programTick = [&] { programSweep.tmrVerifica_Timer(); };

    std::vector<double> naive;
    std::vector<double> walked;
    std::vector<double> ours;
    std::vector<double> withPatterns;
    std::vector<double> withPrograms;
    ourTick();  // warm-up, not counted
    patternTick();
    programTick();
    for (int i = 0; i < ticks; ++i) {  // interleaved, so all meet the same conditions
        naive.push_back(millisecondsOf(naiveTick));
        walked.push_back(millisecondsOf(walkedTick));
        ours.push_back(millisecondsOf(ourTick));
        withPatterns.push_back(millisecondsOf(patternTick));
        withPrograms.push_back(millisecondsOf(programTick));
    }
    std::vector<double> snapshots;
    for (int i = 0; i < ticks; ++i) {
        snapshots.push_back(millisecondsOf([&] { zorvel::TitleIndex titles(desktop); }));
    }

    std::printf("%d captions in a real list box, %d windows of another process, median of %d\n",
                kCaptions, kWindows, ticks);
    std::printf("%-44s %12s\n", "sweep", "ms per tick");
    std::printf("%-44s %12.2f\n", "naive (selection walked, search per entry)", median(naive));
    std::printf("%-44s %12.2f\n", "earlier (selection walked, one snapshot)", median(walked));
    std::printf("%-44s %12.2f\n", "ours (entries read, selection untouched)", median(ours));
    std::printf("%-44s %12.2f\n", "ours, and 100 patterns", median(withPatterns));
    std::printf("%-44s %12.2f\n", "and 100 captions naming another program", median(withPrograms));
    std::printf("%-44s %12.2f\n", "of which the title snapshot", median(snapshots));
    std::printf("%-44s %11.1fx\n", "speed-up over naive", median(naive) / median(ours));
    TerminateProcess(owner.hProcess, 0);
    CloseHandle(owner.hProcess);
    CloseHandle(owner.hThread);
    return 0;
}
