#pragma once

#include <windows.h>

namespace zorvel::win32 {

// Our window class: a second copy looks the running one up by it.
inline constexpr wchar_t kMainWindowClass[] = L"ZorvelMainWindow";

// Identifiers of the main window's controls; cmdExit is the cancel button, so Esc clicks it.
enum ControlId : int {
    kCmdExit = IDCANCEL,
    kLabel1 = 100,
    kTxtCaption,
    kCmdAdauga,
    kCmdModifica,
    kCmdSterge,
    kLstCaption,
    kChkMarcaj,
    kCmdClose,
    kLabel2,
    kCmdStergeLista,
    kLabel3,
    kTxtTimp,
    kLabel4,
    kChkOnTop,
    kMnuOpen = 200,
    kMnuExit,
};

// The pictures in the executable's resources, the sweep's timer and the close engine's.
inline constexpr int kCursorResource = 101;
inline constexpr int kWindowIcon = 1;
inline constexpr int kStopIcon = 102;
inline constexpr UINT_PTR kTimerId = 1;
inline constexpr UINT_PTR kRecheckTimerId = 2;

// The tray icon's notifications arrive as this message of ours, never as mouse movements.
inline constexpr UINT kTrayMessage = WM_APP + 1;

}  // namespace zorvel::win32
