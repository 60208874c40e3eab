// Takes pictures of the real Zorvel.exe for the documentation, read back from the screen:
//   zorvel_snap.exe main OUT.bmp     the main window with a few captions
//   zorvel_snap.exe demo OUTDIR      a pick and an automatic close, step by step
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Support.h"
#include "platform/win32/ControlIds.h"

namespace {

using namespace zorvel::e2e;
using namespace zorvel::win32;

bool saveBitmap(const ScreenPixels& pixels, const std::wstring& path) {
    const BITMAPINFOHEADER header = pixels.header();
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.bits.size());
    std::ofstream out(std::filesystem::path(path), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&header), sizeof(header));
    out.write(pixels.bits.data(), static_cast<std::streamsize>(pixels.bits.size()));
    return out.good();
}

RECT frameOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT around(HWND first, HWND second) {
    RECT a = frameOf(first), b = frameOf(second), both{};
    UnionRect(&both, &a, &b);
    InflateRect(&both, 8, 8);
    return both;
}

// A picture of `area` once `windows` have painted; on a busy machine that takes a while.
bool snap(const std::vector<HWND>& windows, const RECT& area, const std::wstring& path) {
    const ScreenPixels pixels = paintedPixels(windows, area);
    if (pixels.bits.empty()) {
        std::fprintf(stderr, "zorvel_snap: %ls: the windows did not finish painting\n",
                     path.c_str());
        return false;
    }
    const bool saved = saveBitmap(pixels, path);
    std::fprintf(stderr, "zorvel_snap: %ls\n", path.c_str());
    return saved;
}

// A demo step that did not happen: said, so that a failed run tells where it stopped.
bool failed(const char* step) {
    std::fprintf(stderr, "zorvel_snap: %s\n", step);
    return false;
}

void fill(const Zorvel& zorvel) {
    for (const char* caption : {"Oferta speciala", "Reclama zilei", "Castigati un premiu!"}) {
        zorvel.add(caption);
    }
    zorvel.setText(kTxtTimp, "5");
    zorvel.select(1);
    zorvel.activate();
}

// The pick and the automatic close, each step a picture.
bool demo(Zorvel& zorvel, const std::wstring& dir) {
    fill(zorvel);
    Process targets = openTargets({L"top:Oferta zilei - reclama"});
    HWND ad = targets.waitForWindow("Oferta zilei - reclama", kLoadedMachine);
    if (ad == nullptr) {
        return failed("the window to pick did not open");
    }
    const std::vector<HWND> both{zorvel.window(), ad};
    if (!snap({zorvel.window()}, frameOf(zorvel.window()), dir + L"\\demo-1-main.bmp")) {
        return false;
    }
    // Armed once the click has been handled: the capture comes a moment after the tick.
    if (!zorvel.tickByMouse(kChkMarcaj) ||
        !waitUntil([&] { return zorvel.capture() == zorvel.window(); }, kLoadedMachine)) {
        return failed("the pointer button did not arm");
    }
    RECT title{};
    GetWindowRect(ad, &title);
    input::moveTo(POINT{(title.left + title.right) / 2, title.top + 8});
    if (!snap(both, around(zorvel.window(), ad), dir + L"\\demo-2-armed.bmp")) {
        return false;
    }
    input::buttonDown();
    input::buttonUp();
    const auto picked = [&] {
        const std::vector<std::string> list = zorvel.list();
        return std::find(list.begin(), list.end(), "Oferta zilei - reclama") != list.end();
    };
    if (!waitUntil(picked, kLoadedMachine)) {
        return failed("the pick did not reach the list");
    }
    if (!snap(both, around(zorvel.window(), ad), dir + L"\\demo-3-picked.bmp")) {
        return false;
    }
    zorvel.setText(kTxtTimp, "1");
    if (!waitUntil([&] { return !IsWindow(ad); }, kLoadedMachine)) {
        return failed("the picked window did not close by itself");
    }
    return snap({zorvel.window()}, frameOf(zorvel.window()), dir + L"\\demo-4-closed.bmp");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring scene = argc == 3 ? argv[1] : L"";
    if (scene != L"main" && scene != L"demo") {
        std::fprintf(stderr, "usage: zorvel_snap main OUT.bmp | zorvel_snap demo OUTDIR\n");
        return 2;
    }
    // Entries that name a program and answer with a button, beside the captions typed in.
    Zorvel zorvel(false);
    writeFile(zorvel.settingsFile(),
              "[OPTIUNI]\r\nInterval_de_timp=0\r\nNr_ferestre=1\r\nNr_modele=1\r\n"
              "[FERESTRE_DE_INCHIS]\r\nCaption1=Actualizare disponibila\r\nButon1=Nu\r\n"
              "ButonId1=7\r\n[MODELE_DE_INCHIS]\r\nModel1=Oferta *\r\nProgram1=reclame.exe\r\n");
    zorvel.start();
    if (zorvel.window() == nullptr) {
        std::fprintf(stderr, "zorvel_snap: Zorvel did not start\n");
        return 1;
    }
    if (scene == L"demo") {
        return demo(zorvel, argv[2]) ? 0 : 1;
    }
    fill(zorvel);
    return snap({zorvel.window()}, frameOf(zorvel.window()), argv[2]) ? 0 : 1;
}
