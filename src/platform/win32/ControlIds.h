#pragma once

#include <windows.h>

#include "platform/win32/resource.h"

namespace zorvel::win32 {

// Our window class: a second copy looks the running one up by it.
inline constexpr wchar_t kMainWindowClass[] = L"ZorvelMainWindow";

// The main window's controls and menu items, by the names the code gives them.
enum ControlId : int {
    kCmdExit = IDC_CMDEXIT,
    kLabel1 = IDC_LABEL1,
    kTxtCaption = IDC_TXTCAPTION,
    kCmdAdauga = IDC_CMDADAUGA,
    kCmdModifica = IDC_CMDMODIFICA,
    kCmdSterge = IDC_CMDSTERGE,
    kLstCaption = IDC_LSTCAPTION,
    kChkMarcaj = IDC_CHKMARCAJ,
    kCmdClose = IDC_CMDCLOSE,
    kLabel2 = IDC_LABEL2,
    kCmdStergeLista = IDC_CMDSTERGELISTA,
    kLabel3 = IDC_LABEL3,
    kTxtTimp = IDC_TXTTIMP,
    kLabel4 = IDC_LABEL4,
    kChkOnTop = IDC_CHKONTOP,
    kMnuOpen = IDM_OPEN,
    kMnuExit = IDM_EXIT,
    kMnuLog = IDM_LOG,
    kMnuStartWithWindows = IDM_STARTWITHWINDOWS,
    kMnuPauseTenMinutes = IDM_PAUSETENMINUTES,
    kMnuPauseOneHour = IDM_PAUSEONEHOUR,
    kMnuPauseUntilResumed = IDM_PAUSEUNTILRESUMED,
    kMnuResume = IDM_RESUME,
};

// The pictures in the executable's resources, the sweep's timer, the close engine's, the
// close record's and the pause's.
inline constexpr int kCursorResource = IDR_POINTER;
inline constexpr int kWindowIcon = IDR_SHELL_ICON;
inline constexpr int kStopIcon = IDR_STOP_ICON;
inline constexpr int kPausedIcon = IDR_PAUSED_ICON;
inline constexpr UINT_PTR kTimerId = 1;
inline constexpr UINT_PTR kRecheckTimerId = 2;
inline constexpr UINT_PTR kLogTimerId = 3;
inline constexpr UINT_PTR kPauseTimerId = 4;

// Where the tray menu holds its Pause submenu, or Resume in its place.
inline constexpr UINT kPauseMenuPosition = 2;

// The tray icon's notifications arrive as this message of ours, never as mouse movements.
inline constexpr UINT kTrayMessage = WM_APP + 1;

}  // namespace zorvel::win32
