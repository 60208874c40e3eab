// How soon the real Zorvel.exe shows an edit of Zorvel.ini made by hand while it runs: the
// file is saved with one more caption (and its count), and the time runs from the end of that
// save until Zorvel's list holds the caption. Run under Wine by bench/run.sh; prints a table.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Reaction.h"

namespace {

using namespace zorvel::bench;

constexpr double kGiveUpMs = 5000;

std::string settingsWith(int captions) {
    std::string text =
        "[OPTIUNI]\r\nInterval_de_timp=0\r\nNr_ferestre=" + std::to_string(captions) +
        "\r\n[FERESTRE_DE_INCHIS]\r\n";
    for (int i = 1; i <= captions; ++i) {
        text += "Caption" + std::to_string(i) + "=Editat de mana " + std::to_string(i) + "\r\n";
    }
    return text;
}

// Milliseconds from the save to the list showing `captions` entries; -1 past the limit.
double untilShown(const zorvel::e2e::Zorvel& zorvel, int captions) {
    HWND box = zorvel.control(zorvel::win32::kLstCaption);
    zorvel::e2e::writeFile(zorvel.settingsFile(), settingsWith(captions));
    const Clock::time_point saved = Clock::now();
    while (SendMessageW(box, LB_GETCOUNT, 0, 0) < captions) {
        if (msSince(saved) > kGiveUpMs) {
            return -1;
        }
        Sleep(1);
    }
    return msSince(saved);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 20;
    Running running(settingsWith(0));
    std::vector<double> shown;
    int missed = 0;
    for (int i = 1; i <= runs; ++i) {
        const double ms = untilShown(running.zorvel, i);
        if (ms < 0) {
            ++missed;
        } else {
            shown.push_back(ms);
        }
    }
    std::printf("hand save of Zorvel.ini to the list showing it, %d saves:\n", runs);
    std::printf("| median ms | 90th percentile ms | slowest ms | not shown within %.0f ms |\n",
                kGiveUpMs);
    std::printf("|---:|---:|---:|---:|\n");
    std::printf("| %.1f | %.1f | %.1f | %d |\n", percentile(shown, 0.5), percentile(shown, 0.9),
                percentile(shown, 1.0), missed);
    return missed == 0 ? 0 : 1;
}
