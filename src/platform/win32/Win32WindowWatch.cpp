#include "platform/win32/Win32WindowWatch.h"

namespace zorvel::win32 {

namespace {

constexpr UINT kDrainMessage = WM_APP + 3;
// Continues a drain after the input, paint and timers waiting before it.
constexpr UINT_PTR kDrainTimer = 1;
// The first look at the windows come meanwhile, while a drain waits.
constexpr UINT kLookMessage = WM_APP + 4;
// While windows keep coming, timers wait and so would the drain: the first looks go ahead, as
// posted messages, but no more often than this, so that input still comes between them.
constexpr ULONGLONG kLookGapMs = 10;
constexpr wchar_t kClassName[] = L"ZorvelWindowWatch";
// Room for a burst of many thousand windows (a few bytes each); beyond it, one look at
// every window replaces the events lost.
constexpr std::size_t kQueueCapacity = 65536;
// Handled per message, so that input, paint and the first looks keep their turn during a
// flood: each window costs calls that wait on the window server then.
constexpr std::size_t kBatch = 32;

// The callback carries no context; one watch runs per process.
Win32WindowWatch* active = nullptr;

struct Hooked {
    DWORD event;
    WindowEvent as;
};

// Separate ranges: one wide range brings location and selection floods as well.
constexpr Hooked kHooked[] = {
    {EVENT_OBJECT_CREATE, WindowEvent::Created},
    {EVENT_OBJECT_SHOW, WindowEvent::Shown},
    {EVENT_OBJECT_NAMECHANGE, WindowEvent::Renamed},
    {EVENT_SYSTEM_FOREGROUND, WindowEvent::Foreground},
};

}  // namespace

Win32WindowWatch::Win32WindowWatch() : queue_(kQueueCapacity), self_(GetCurrentProcessId()) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, kClassName, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              windowClass.hInstance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32WindowWatch::~Win32WindowWatch() {
    stop();
    DestroyWindow(window_);
}

void Win32WindowWatch::start(WindowEventSink& sink) {
    stop();
    sink_ = &sink;
    active = this;
    for (const Hooked& hooked : kHooked) {
        // Wine ignores WINEVENT_SKIPOWNPROCESS; the callback filters by process as well.
        hooks_.push_back(SetWinEventHook(hooked.event, hooked.event, nullptr, onEvent, 0, 0,
                                         WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS));
    }
}

void Win32WindowWatch::stop() {
    for (HWINEVENTHOOK hook : hooks_) {
        if (hook != nullptr) {
            UnhookWinEvent(hook);
        }
    }
    hooks_.clear();
    sink_ = nullptr;
    if (active == this) {
        active = nullptr;
    }
}

void CALLBACK Win32WindowWatch::onEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object,
                                        LONG child, DWORD, DWORD) {
    // Cheap tests first: only a window itself counts, not its parts or its children.
    if (active == nullptr || window == nullptr || object != OBJID_WINDOW || child != CHILDID_SELF) {
        return;
    }
    for (const Hooked& hooked : kHooked) {
        if (hooked.event == event) {
            active->record(window, hooked.as);
        }
    }
}

void Win32WindowWatch::record(HWND window, WindowEvent event) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == self_ || (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) != 0) {
        return;
    }
    if (queue_.push(reinterpret_cast<WindowId>(window), event)) {
        PostMessageW(window_, kDrainMessage, 0, 0);
    } else if (!lookPosted_ && GetTickCount64() - lastLook_ >= kLookGapMs) {
        lookPosted_ = true;
        PostMessageW(window_, kLookMessage, 0, 0);
    }
}

LRESULT CALLBACK Win32WindowWatch::windowProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    auto* watch = reinterpret_cast<Win32WindowWatch*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (watch != nullptr &&
        (message == kDrainMessage || (message == WM_TIMER && wParam == kDrainTimer))) {
        KillTimer(window, kDrainTimer);
        watch->drain();
        return 0;
    }
    if (watch != nullptr && message == kLookMessage) {
        watch->lookPosted_ = false;
        watch->deliver(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Win32WindowWatch::deliver(std::size_t most) {
    lastLook_ = GetTickCount64();
    // Events recorded before a stop are dropped with it.
    WindowEventSink* sink = sink_;
    queue_.drain(
        most,
        [sink](WindowId window) {
            return sink != nullptr ? sink->firstLook(window) : FirstLook::InTurn;
        },
        [sink](WindowId window, WindowEvent event) {
            if (sink != nullptr) {
                sink->windowEvent(window, event);
            }
        },
        [sink] {
            if (sink != nullptr) {
                sink->eventsLost();
            }
        });
}

void Win32WindowWatch::drain() {
    deliver(kBatch);
    if (queue_.empty()) {
        return;
    }
    // A posted message goes before input, paint and timers: while the user or the sweep is
    // waiting, the next batch waits for them instead, so a flood never starves the window.
    if (HIWORD(GetQueueStatus(QS_INPUT | QS_PAINT | QS_TIMER)) != 0) {
        SetTimer(window_, kDrainTimer, USER_TIMER_MINIMUM, nullptr);
    } else {
        PostMessageW(window_, kDrainMessage, 0, 0);
    }
}

}  // namespace zorvel::win32
