// Times pattern matching with the platform's own fold: a new window's title checked against
// 1,000 exact captions and 100 patterns (the fold of the title included), and the worst case
// of the two-pointer match, `*a*a*a*a*a*b` against a 255-character title of a's.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include "base/Wildcard.h"
#include "closer/EntryMatcher.h"
#include "platform/win32/Win32Desktop.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kCaptions = 1000;
constexpr int kPatterns = 100;
constexpr int kDefaultRuns = 1000;
constexpr int kQualified = 100;

// Median and worst of `runs` timings of `work`, in microseconds.
template <typename Work>
void report(const char* what, int runs, Work work) {
    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(runs));
    // Counted and shown, so that the work is not optimised away, and as a check.
    int matched = 0;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        matched += work() ? 1 : 0;
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::sort(micros.begin(), micros.end());
    std::printf("| %s | %d | %d | %.2f | %.2f |\n", what, runs, matched, micros[micros.size() / 2],
                micros.back());
}

// A new window whose title 100 entries match, each naming another program: its program is
// read (once: a fresh desktop each run, so that nothing is remembered) and every entry refused.
void qualified(int runs) {
    HWND window = CreateWindowExW(0, L"STATIC", L"Oferta 12345 - valabila 7 zile", WS_POPUP, 0, 0,
                                  10, 10, nullptr, nullptr, nullptr, nullptr);
    const auto id = reinterpret_cast<zorvel::WindowId>(window);
    std::vector<std::unique_ptr<zorvel::win32::Win32Desktop>> desktops;
    std::vector<std::unique_ptr<zorvel::EntryMatcher>> matchers;
    for (int run = 0; run < runs; ++run) {
        desktops.push_back(std::make_unique<zorvel::win32::Win32Desktop>());
        matchers.push_back(std::make_unique<zorvel::EntryMatcher>(*desktops.back()));
        for (int i = 0; i < kQualified; ++i) {
            zorvel::ListEntry entry{
                i % 2 == 0 ? "Oferta 12345 - valabila 7 zile"
                           : "Oferta * - valabila " + std::to_string(i) + "*",
                i % 2 == 0 ? zorvel::EntryKind::Caption : zorvel::EntryKind::Pattern};
            entry.program = "reclame" + std::to_string(i) + ".exe";
            matchers.back()->add(entry);
        }
    }
    int run = 0;
    report("new window against 100 entries naming another program (program read)", runs, [&] {
        const auto at = static_cast<std::size_t>(run++);
        return matchers[at]
            ->find(desktops[at]->titleKey("Oferta 12345 - valabila 7 zile"), id)
            .has_value();
    });
    DestroyWindow(window);
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultRuns;
    zorvel::win32::Win32Desktop desktop;
    zorvel::EntryMatcher matcher(desktop);
    for (int i = 0; i < kCaptions; ++i) {
        matcher.add({"Fereastra listata " + std::to_string(i), zorvel::EntryKind::Caption});
    }
    for (int i = 0; i < kPatterns; ++i) {
        matcher.add({"*Oferta " + std::to_string(i) + " * zile?", zorvel::EntryKind::Pattern});
    }
    // Matches none of them: every pattern is tried.
    const std::string newTitle = "Reclama noua - Oferta 12345 valabila inca 7 zile ramase";
    const std::string worstPattern = desktop.titleKey("*a*a*a*a*a*b");
    const std::string worstTitle = desktop.titleKey(std::string(255, 'a'));

    std::printf("| case | runs | matched | median us | worst us |\n|---|---|---|---|---|\n");
    report("new window against 1,000 captions and 100 patterns (fold included)", runs,
           [&] { return matcher.find(desktop.titleKey(newTitle), 0).has_value(); });
    report("`*a*a*a*a*a*b` against 255 a's", runs,
           [&] { return zorvel::wildcard::matches(worstPattern, worstTitle); });
    qualified(runs);
    return 0;
}
