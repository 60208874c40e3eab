// How soon the real Zorvel.exe answers a nag with its button, beside how soon it closes a
// pop-up, in one run: dialogs of this program, one of each kind in turn, each timed from its
// creation to its BN_CLICKED or to its close command. Run under Wine by bench/run.sh.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Reaction.h"

namespace {

using namespace zorvel::bench;

Clock::time_point created;
double answeredMs = -1;

LRESULT CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool clicked = message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && lParam != 0;
    const bool closing = message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE;
    if ((clicked || closing) && answeredMs < 0) {
        answeredMs = msSince(created);
        DestroyWindow(window);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// One dialog with "Da", "Nu" and "Anuleaza"; the time to its answer, or -1 after 5 s.
double answerTime(const wchar_t* title) {
    answeredMs = -1;
    created = Clock::now();
    HWND dialog = CreateWindowExW(0, L"ZorvelBenchDialog", title, WS_OVERLAPPEDWINDOW, 600, 300,
                                  320, 160, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    int x = 10;
    for (const auto& [text, id] :
         {std::pair{L"&Da", IDYES}, std::pair{L"&Nu", IDNO}, std::pair{L"Anuleaza", IDCANCEL}}) {
        CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, x, 80, 90, 30,
                        dialog, reinterpret_cast<HMENU>(INT_PTR{id}), nullptr, nullptr);
        x += 100;
    }
    ShowWindow(dialog, SW_SHOWNA);
    for (const auto until = Clock::now() + std::chrono::seconds(5);
         answeredMs < 0 && Clock::now() < until;) {
        pumpFor(1);
    }
    if (IsWindow(dialog)) {
        DestroyWindow(dialog);
    }
    return answeredMs;
}

void report(const char* what, const std::vector<double>& times) {
    std::vector<double> answered;
    for (double ms : times) {
        if (ms >= 0) {
            answered.push_back(ms);
        }
    }
    std::printf("| %s | %zu/%zu | %.1f | %.1f |\n", what, answered.size(), times.size(),
                percentile(answered, 0.5), percentile(answered, 0.95));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int count = argc > 1 ? std::max(1, _wtoi(argv[1])) : 100;
    registerClass(L"ZorvelBenchDialog", dialogProc);
    Running running(
        "[OPTIUNI]\r\nInterval_de_timp=30\r\nNr_ferestre=2\r\n[FERESTRE_DE_INCHIS]\r\n"
        "Caption1=Dialog de apasat\r\nButon1=Nu\r\nButonId1=7\r\nCaption2=Dialog de inchis\r\n");
    pumpFor(500);
    std::vector<double> pressed;
    std::vector<double> closed;
    for (int i = 0; i < count; ++i) {
        pressed.push_back(answerTime(L"Dialog de apasat"));
        closed.push_back(answerTime(L"Dialog de inchis"));
    }
    std::printf(
        "| dialogs of another program, creation to | answered | median ms | p95 ms |\n"
        "|---|---|---|---|\n");
    report("`BN_CLICKED` of \"Nu\" (an entry with a button)", pressed);
    report("`SC_CLOSE` (a plain entry)", closed);
    return 0;
}
