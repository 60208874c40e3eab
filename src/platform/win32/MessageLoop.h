#pragma once

#include <functional>

#include "platform/win32/MainWindow.h"
#include "platform/win32/Win32SettingsWatch.h"

namespace zorvel::win32 {

// Dispatches the thread's messages until WM_QUIT and returns its code; between them, calls
// `settingsChanged` when the watch tells of a change to the settings file. It sleeps until
// either comes.
int runMessageLoop(MainWindow& window, Win32SettingsWatch& watch,
                   const std::function<void()>& settingsChanged);

}  // namespace zorvel::win32
