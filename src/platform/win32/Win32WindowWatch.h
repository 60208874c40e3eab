#pragma once

#include <windows.h>

#include <vector>

#include "platform/WindowEventQueue.h"
#include "platform/WindowWatch.h"

namespace zorvel::win32 {

// Out-of-context WinEvent hooks on this thread. The callback only records the window and
// posts a message: it arrives inside SendMessage calls and modal loops, where doing more
// would re-enter the program.
class Win32WindowWatch : public WindowWatch {
  public:
    Win32WindowWatch();
    ~Win32WindowWatch() override;
    Win32WindowWatch(const Win32WindowWatch&) = delete;
    Win32WindowWatch& operator=(const Win32WindowWatch&) = delete;

    void start(WindowEventSink& sink) override;
    void stop() override;

  private:
    static void CALLBACK onEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                                 LONG child, DWORD thread, DWORD time);
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void record(HWND window, WindowEvent event);
    // Hands the sink the windows put first and at most `most` others.
    void deliver(std::size_t most);
    void drain();

    HWND window_ = nullptr;
    std::vector<HWINEVENTHOOK> hooks_;
    WindowEventSink* sink_ = nullptr;
    WindowEventQueue queue_;
    DWORD self_;
    bool lookPosted_ = false;
    ULONGLONG lastLook_ = 0;
};

}  // namespace zorvel::win32
