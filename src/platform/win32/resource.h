// Identifiers shared by res/Zorvel.rc and the code. Plain macros and include guards, as the
// resource compiler reads them; include <windows.h> first.
#ifndef ZORVEL_RESOURCE_H
#define ZORVEL_RESOURCE_H

// The custom pointer, a cursor group.
#define IDR_POINTER 101
// Icon group 1 and its one image: the shell shows the lowest group as the program's icon.
#define IDR_SHELL_ICON 1
#define IDR_SHELL_ICON_IMAGE 30001
// The window icon again, and the stop sign.
#define IDR_WINDOW_ICON 101
#define IDR_STOP_ICON 102
// The window icon in greys, shown in the notification area while closing is paused.
#define IDR_PAUSED_ICON 103

// The main window's controls in tab order; cmdExit is the cancel button, so Esc clicks it.
#define IDC_CMDEXIT IDCANCEL
#define IDC_LABEL1 100
#define IDC_TXTCAPTION 101
#define IDC_CMDADAUGA 102
#define IDC_CMDMODIFICA 103
#define IDC_CMDSTERGE 104
#define IDC_LSTCAPTION 105
#define IDC_CHKMARCAJ 106
#define IDC_CMDCLOSE 107
#define IDC_LABEL2 108
#define IDC_CMDSTERGELISTA 109
#define IDC_LABEL3 110
#define IDC_TXTTIMP 111
#define IDC_LABEL4 112
#define IDC_CHKONTOP 113

// The tray menu's items.
#define IDM_OPEN 200
#define IDM_EXIT 201
#define IDM_LOG 202
#define IDM_PAUSETENMINUTES 203
#define IDM_PAUSEONEHOUR 204
#define IDM_PAUSEUNTILRESUMED 205
#define IDM_RESUME 206
#define IDM_STARTWITHWINDOWS 210

#endif
