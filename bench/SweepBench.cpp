// Times one tick of the sweep over 1,000 captions against 300 real top-level windows: the
// naive sweep (one title search per entry) beside ours (one snapshot per tick).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "closer/CloseAction.h"
#include "closer/Sweep.h"
#include "platform/win32/Win32Desktop.h"

namespace {

constexpr int kWindows = 300;
constexpr int kCaptions = 1000;
constexpr int kDefaultTicks = 20;
constexpr size_t kLongTitle = 600;

// The caption list without a control around it: the measure is the look-up, not drawing.
class PlainList : public zorvel::ListBox {
  public:
    int count() const override { return static_cast<int>(items_.size()); }
    std::string item(int index) const override { return items_[static_cast<size_t>(index)]; }
    int selectedIndex() const override { return selected_; }
    void select(int index) override { selected_ = index; }
    void add(const std::string& text) override { items_.push_back(text); }
    void removeAt(int index) override { items_.erase(items_.begin() + index); }
    void clear() override { items_.clear(); }

  private:
    std::vector<std::string> items_;
    int selected_ = -1;
};

std::string numbered(const char* prefix, int n) {
    char text[64];
    std::snprintf(text, sizeof text, "%s %04d", prefix, n);
    return text;
}

std::vector<HWND> openWindows(const std::vector<std::string>& titles) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ZorvelBenchWindow";
    RegisterClassW(&windowClass);
    std::vector<HWND> windows;
    for (const std::string& title : titles) {
        const std::wstring wide(title.begin(), title.end());  // ASCII titles only
        windows.push_back(CreateWindowExW(0, windowClass.lpszClassName, wide.c_str(),
                                          WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 160, 90, nullptr,
                                          nullptr, windowClass.hInstance, nullptr));
    }
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
    return windows;
}

// Both look-ups must name the same windows, a title longer than 511 units included, or
// the timings compare different work.
bool lookupsAgree(zorvel::Desktop& desktop, const std::vector<std::string>& titles) {
    const auto snapshot = desktop.snapshot();
    for (const std::string& title : titles) {
        const std::vector<zorvel::WindowId> listed = snapshot->windowsTitled(title);
        const zorvel::WindowId found = desktop.findVisibleTopLevel(title);
        if (found == 0 || listed.empty() || listed.front() != found) {
            std::fprintf(stderr, "look-ups disagree on \"%.40s...\"\n", title.c_str());
            return false;
        }
    }
    const std::string cut = titles.back().substr(0, 511);
    if (!snapshot->windowsTitled(cut).empty() || desktop.findVisibleTopLevel(cut) != 0) {
        std::fprintf(stderr, "a cut long title matched\n");
        return false;
    }
    return true;
}

double millisecondsOf(const std::function<void()>& tick) {
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    tick();
    QueryPerformanceCounter(&end);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    const int ticks = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultTicks;

    std::vector<std::string> titles;
    for (int i = 0; i < kWindows - 1; ++i) {
        titles.push_back(numbered("Fereastra de proba", i));
    }
    titles.push_back(std::string(kLongTitle, 'L'));
    const std::vector<HWND> windows = openWindows(titles);
    if (std::count(windows.begin(), windows.end(), nullptr) != 0) {
        std::fprintf(stderr, "could not open %d windows\n", kWindows);
        return 1;
    }

    zorvel::win32::Win32Desktop desktop;
    if (!lookupsAgree(desktop, titles)) {
        return 2;
    }

    // No caption matches a window: the tick is all look-up and nothing gets closed.
    PlainList list;
    for (int i = 0; i < kCaptions; ++i) {
        list.add(numbered("Reclama inexistenta", i));
    }
    zorvel::CloseAction closer(list, desktop);
    zorvel::Sweep sweep(list, closer, desktop);
    const auto naiveTick = [&] {
        for (int i = list.count() - 1; i >= 0; --i) {
            list.select(i);
            closer.lstCaption_DblClick();
        }
    };
    const auto ourTick = [&] { sweep.tmrVerifica_Timer(); };

    naiveTick();  // warm-up, not counted
    ourTick();
    std::vector<double> naive;
    std::vector<double> ours;
    for (int i = 0; i < ticks; ++i) {  // interleaved, so both meet the same conditions
        naive.push_back(millisecondsOf(naiveTick));
        ours.push_back(millisecondsOf(ourTick));
    }

    const double naiveMs = median(naive);
    const double ourMs = median(ours);
    std::printf("%d captions, %d windows, median of %d ticks\n", kCaptions, kWindows, ticks);
    std::printf("%-28s %12s\n", "sweep", "ms per tick");
    std::printf("%-28s %12.2f\n", "naive (search per entry)", naiveMs);
    std::printf("%-28s %12.2f\n", "ours (snapshot per tick)", ourMs);
    std::printf("%-28s %11.1fx\n", "speed-up", naiveMs / ourMs);
    for (HWND window : windows) {
        DestroyWindow(window);
    }
    return 0;
}
