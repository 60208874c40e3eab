#include <windows.h>

#include "app/frmZorvel.h"
#include "closer/CloseLog.h"
#include "platform/win32/MainWindow.h"
#include "platform/win32/MessageLoop.h"
#include "platform/win32/Win32Autostart.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32Instance.h"
#include "platform/win32/Win32LogFile.h"
#include "platform/win32/Win32SettingsStore.h"
#include "platform/win32/Win32SettingsWatch.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32WindowWatch.h"
#include "settings/Settings.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    zorvel::win32::Win32Instance copies;
    zorvel::win32::MainWindow window(instance);
    if (!window.create()) {
        return 1;
    }
    zorvel::win32::Win32Desktop desktop;
    zorvel::win32::Win32Shell shell(instance);
    shell.setOwner(reinterpret_cast<HWND>(window.handle()));
    const std::string directory = zorvel::win32::Win32SettingsStore::executableDirectory();
    zorvel::win32::Win32SettingsStore settings(zorvel::settingsPath(directory));
    // Watched from before the load: an edit made while it reads is told afterwards.
    zorvel::win32::Win32SettingsWatch settingsWatch(zorvel::settingsPath(directory));
    zorvel::win32::Win32LogFile log(zorvel::logPath(directory));
    zorvel::win32::Win32Clock clock;
    zorvel::win32::Win32WindowWatch watch;
    zorvel::win32::Win32Autostart autostart(zorvel::win32::Win32SettingsStore::executablePath());
    zorvel::frmZorvel form(
        window.controls(),
        zorvel::Services{window, desktop, shell, settings, copies, clock, watch, log, autostart});
    window.attach(form);
    form.Form_Load();
    window.showFirst();
    return zorvel::win32::runMessageLoop(window, settingsWatch,
                                         [&form] { form.settingsFile_Change(); });
}
