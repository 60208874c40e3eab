#include "platform/win32/MessageLoop.h"

#include <vector>

namespace zorvel::win32 {

int runMessageLoop(MainWindow& window, Win32SettingsWatch& watch,
                   const std::function<void()>& settingsChanged) {
    std::vector<HANDLE> handles = watch.handles();
    for (;;) {
        const auto count = static_cast<DWORD>(handles.size());
        const DWORD woken = MsgWaitForMultipleObjectsEx(count, handles.data(), INFINITE,
                                                        QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woken < WAIT_OBJECT_0 + count) {
            if (watch.signalled(handles[woken - WAIT_OBJECT_0])) {
                settingsChanged();
            }
            continue;
        }
        if (woken == WAIT_FAILED) {
            handles.clear();  // a handle gone bad would wake the loop at once, forever
        }
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                return static_cast<int>(message.wParam);
            }
            if (!window.preTranslate(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }
}

}  // namespace zorvel::win32
