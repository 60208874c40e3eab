#include <windows.h>

#include "app/frmZorvel.h"
#include "platform/win32/MainWindow.h"
#include "platform/win32/Win32Desktop.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    zorvel::win32::MainWindow window(instance);
    if (!window.create()) {
        return 1;
    }
    zorvel::win32::Win32Desktop desktop;
    zorvel::frmZorvel form(window.controls(), zorvel::Services{window, desktop});
    window.attach(form);
    form.Form_Load();
    window.showFirst();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!window.preTranslate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
