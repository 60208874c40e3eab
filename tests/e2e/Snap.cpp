// Takes pictures of the real Zorvel.exe for the documentation:
//   zorvel_snap.exe main OUT.bmp
// The picture is the main window with its frame, read back from the screen.
#include <windows.h>

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

bool saveBitmap(const RECT& area, const std::wstring& path) {
    const ScreenPixels pixels = screenPixels(area);
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = pixels.width;
    header.biHeight = pixels.height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
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

// Waits until the window has painted what the scenario did to it.
void settle(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
}

RECT frameOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: zorvel_snap main OUT.bmp\n");
        return 2;
    }
    const std::wstring scenario = argv[1];
    Zorvel zorvel;
    if (zorvel.window() == nullptr) {
        std::fprintf(stderr, "zorvel_snap: Zorvel did not start\n");
        return 1;
    }
    for (const char* caption : {"Oferta speciala", "Reclama zilei", "Castigati un premiu!"}) {
        zorvel.add(caption);
    }
    zorvel.setText(kTxtTimp, "5");
    zorvel.select(1);
    zorvel.activate();
    SendMessageW(zorvel.control(kCmdExit), WM_SETFOCUS, 0, 0);
    settle(zorvel.window());
    if (scenario != L"main") {
        std::fprintf(stderr, "zorvel_snap: unknown scenario\n");
        return 2;
    }
    return saveBitmap(frameOf(zorvel.window()), argv[2]) ? 0 : 1;
}
