#include "platform/win32/MainWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cmath>
#include <iterator>

#include "app/Texts.h"
#include "platform/win32/Text.h"

namespace zorvel::win32 {

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr UINT kPickerClickMessage = WM_APP + 2;
constexpr int kCursorResource = 101;
constexpr int kWindowIcon = 1;
constexpr int kStopIcon = 102;

// The layout is drawn in twips, 1440 to the inch, and scaled to the display.
struct TwipsRect {
    int left, top, width, height;
};

constexpr TwipsRect kClientArea{2685, 4860, 4680, 3375};

struct ControlLayout {
    int id;
    const wchar_t* windowClass;
    const char* text;
    DWORD style;
    DWORD exStyle;
    TwipsRect rect;
    const char* tooltip;
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kEdit = kChild | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
constexpr DWORD kPush = kChild | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kToggle = kChild | WS_TABSTOP | BS_AUTOCHECKBOX | BS_PUSHLIKE;

// In tab order: the order of creation is the order Tab walks.
const ControlLayout kControls[] = {
    {kCmdExit, WC_BUTTONW, "", kPush | BS_ICON, 0, {3960, 2520, 615, 615}, texts::kTipExit},
    {kLabel1, WC_STATICW, texts::kLabel1, kChild | SS_LEFT, 0, {120, 120, 2895, 255}, nullptr},
    {kTxtCaption, WC_EDITW, "", kEdit, WS_EX_CLIENTEDGE, {120, 360, 4455, 285}, texts::kTipCaption},
    {kCmdAdauga, WC_BUTTONW, texts::kAdauga, kPush, 0, {240, 720, 1335, 255}, texts::kTipAdauga},
    {kCmdModifica,
     WC_BUTTONW,
     texts::kModifica,
     kPush,
     0,
     {1680, 720, 1335, 255},
     texts::kTipModifica},
    {kCmdSterge, WC_BUTTONW, texts::kSterge, kPush, 0, {3120, 720, 1335, 255}, texts::kTipSterge},
    {kLstCaption,
     WC_LISTBOXW,
     "",
     kChild | WS_TABSTOP | WS_VSCROLL | LBS_SORT | LBS_NOTIFY,
     WS_EX_CLIENTEDGE,
     {120, 1080, 4455, 1035},
     texts::kTipList},
    {kChkMarcaj, WC_BUTTONW, "", kToggle | BS_ICON, 0, {120, 2520, 615, 615}, texts::kTipMarcaj},
    {kCmdClose, WC_BUTTONW, texts::kInchide, kPush, 0, {720, 2520, 3255, 615}, texts::kTipClose},
    {kLabel2,
     WC_STATICW,
     texts::kHomePageShown,
     kChild | SS_CENTER | SS_NOTIFY,
     0,
     {120, 3120, 4455, 255},
     texts::kHomePageTip},
    {kCmdStergeLista,
     WC_BUTTONW,
     texts::kStergeLista,
     kPush,
     0,
     {120, 2160, 1575, 255},
     texts::kTipStergeLista},
    {kLabel3,
     WC_STATICW,
     texts::kLabel3,
     kChild | SS_LEFT | SS_NOTIFY,
     0,
     {2040, 2160, 1575, 255},
     texts::kTipInterval},
    {kTxtTimp, WC_EDITW, "", kEdit, WS_EX_CLIENTEDGE, {3600, 2160, 495, 285}, texts::kTipInterval},
    {kLabel4,
     WC_STATICW,
     texts::kLabel4,
     kChild | SS_LEFT | SS_NOTIFY,
     0,
     {4200, 2160, 375, 255},
     texts::kTipInterval},
    {kChkOnTop, WC_BUTTONW, texts::kOnTop, kToggle, 0, {4410, 0, 255, 240}, texts::kTipOnTop},
};

constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kFrameExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

int scale(int twips, UINT dpi) {
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}

MainWindow* self(HWND window) {
    return reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance) : instance_(instance) {}

MainWindow::~MainWindow() {
    if (tooltip_ != nullptr) {
        DestroyWindow(tooltip_);
    }
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(font_), static_cast<HGDIOBJ>(boldFont_)}) {
        if (object != nullptr) {
            DeleteObject(object);
        }
    }
    if (stopIcon_ != nullptr) {
        DestroyIcon(stopIcon_);
    }
    if (menu_ != nullptr) {
        DestroyMenu(menu_);
    }
}

bool MainWindow::create() {
    INITCOMMONCONTROLSEX common{sizeof(common), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&common);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance_;
    windowClass.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(kWindowIcon));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(kWindowIcon),
                                                        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kMainWindowClass;
    if (RegisterClassExW(&windowClass) == 0) {
        return false;
    }
    const std::wstring title = widen(texts::kMainCaption);
    window_ = CreateWindowExW(kFrameExStyle, kMainWindowClass, title.c_str(), kFrameStyle, 0, 0, 0,
                              0, nullptr, nullptr, instance_, this);
    if (window_ == nullptr) {
        return false;
    }
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    createControls();
    applyFonts();
    applyPictures();
    addTooltips();
    layout();
    menu_ = CreateMenu();
    HMENU popup = CreatePopupMenu();
    AppendMenuW(popup, MF_STRING, kMnuOpen, widen(texts::kMenuOpen).c_str());
    AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(popup, MF_STRING, kMnuExit, widen(texts::kMenuExit).c_str());
    AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(popup),
                widen(texts::kMenuPopup).c_str());
    tmrVerifica_ = std::make_unique<Win32Timer>(window_, kTimerId, 5000);
    return true;
}

void MainWindow::createControls() {
    for (const ControlLayout& layout : kControls) {
        HWND child = CreateWindowExW(layout.exStyle, layout.windowClass, widen(layout.text).c_str(),
                                     layout.style, 0, 0, 0, 0, window_,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)),
                                     instance_, nullptr);
        SetWindowSubclass(child, controlProc, 0, reinterpret_cast<DWORD_PTR>(this));
    }
    SendMessageW(control(kTxtCaption), EM_SETLIMITTEXT, 0, 0);
    SendMessageW(control(kTxtTimp), EM_SETLIMITTEXT, 0, 0);
    SendMessageW(control(kChkOnTop), BM_SETCHECK, BST_CHECKED, 0);
    lstCaption_ = std::make_unique<Win32ListBox>(control(kLstCaption));
    txtCaption_ = std::make_unique<Win32TextBox>(control(kTxtCaption));
    txtTimp_ = std::make_unique<Win32TextBox>(control(kTxtTimp));
    chkMarcaj_ = std::make_unique<Win32CheckBox>(control(kChkMarcaj), [this] {
        if (events_ != nullptr) {
            events_->chkMarcaj_Click();
        }
    });
    chkOnTop_ = std::make_unique<Win32CheckBox>(control(kChkOnTop), [this] {
        if (events_ != nullptr) {
            events_->chkOnTop_Click();
        }
    });
    cmdClose_ = std::make_unique<Win32Button>(control(kCmdClose));
    label2_ = std::make_unique<Win32Label>(control(kLabel2), 9.75, false);
}

void MainWindow::addTooltips() {
    // Not owned by the window: under Wine a topmost owned pop-up keeps its owner from
    // becoming topmost itself.
    tooltip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance_, nullptr);
    for (const ControlLayout& layout : kControls) {
        if (layout.tooltip == nullptr) {
            continue;
        }
        std::wstring text = widen(layout.tooltip);
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(control(layout.id));
        tool.lpszText = text.data();
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void MainWindow::applyFonts() {
    for (HFONT* font : {&font_, &boldFont_}) {
        if (*font != nullptr) {
            DeleteObject(*font);
        }
    }
    font_ = createFont(window_, 8.25, false);
    boldFont_ = createFont(window_, 8.25, true);
    for (const ControlLayout& layout : kControls) {
        const bool bold = layout.id == kLabel1 || layout.id == kChkOnTop;
        if (layout.id != kLabel2) {
            SendMessageW(control(layout.id), WM_SETFONT,
                         reinterpret_cast<WPARAM>(bold ? boldFont_ : font_), TRUE);
        }
    }
    if (label2_ != nullptr) {
        label2_->rescale();
    }
}

void MainWindow::applyPictures() {
    const int size = MulDiv(32, static_cast<int>(GetDpiForWindow(window_)), 96);
    HICON stop = static_cast<HICON>(
        LoadImageW(instance_, MAKEINTRESOURCEW(kStopIcon), IMAGE_ICON, size, size, 0));
    SendMessageW(control(kCmdExit), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(stop));
    if (stopIcon_ != nullptr) {
        DestroyIcon(stopIcon_);
    }
    stopIcon_ = stop;
    HCURSOR pointer = static_cast<HCURSOR>(LoadImageW(instance_, MAKEINTRESOURCEW(kCursorResource),
                                                      IMAGE_CURSOR, size, size, LR_SHARED));
    SendMessageW(control(kChkMarcaj), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(pointer));
}

void MainWindow::layout() {
    const UINT dpi = GetDpiForWindow(window_);
    RECT frame{scale(kClientArea.left, dpi), scale(kClientArea.top, dpi),
               scale(kClientArea.left + kClientArea.width, dpi),
               scale(kClientArea.top + kClientArea.height, dpi)};
    AdjustWindowRectExForDpi(&frame, kFrameStyle, FALSE, kFrameExStyle, dpi);
    SetWindowPos(window_, nullptr, frame.left, frame.top, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
    for (const ControlLayout& layout : kControls) {
        MoveWindow(control(layout.id), scale(layout.rect.left, dpi), scale(layout.rect.top, dpi),
                   scale(layout.rect.width, dpi), scale(layout.rect.height, dpi), TRUE);
    }
}

FormControls MainWindow::controls() {
    return FormControls{*lstCaption_, *txtCaption_, *txtTimp_, *chkMarcaj_,
                        *chkOnTop_,   *cmdClose_,   *label2_,  *tmrVerifica_};
}

void MainWindow::showFirst() {
    ShowWindow(window_, SW_SHOWNORMAL);
    SetFocus(control(kCmdExit));
}

bool MainWindow::preTranslate(MSG& message) {
    return IsDialogMessageW(window_, &message) != 0;
}

void MainWindow::show() {
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
}

void MainWindow::setTopmost(bool topmost) {
    SetWindowPos(window_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE);
}

void MainWindow::captureMouse() {
    // The capture holds only for the thread in front; the click that armed us activates the
    // window, but not always before the arming runs.
    if (GetForegroundWindow() != window_) {
        SetForegroundWindow(window_);
    }
    SetCapture(window_);
}

void MainWindow::setPointer(PointerStyle style) {
    pointer_ = style;
    applyPointer();
}

void MainWindow::applyPointer() {
    // Shown at once where it applies, not only at the next WM_SETCURSOR (none comes while
    // the window holds the capture).
    POINT at{};
    GetCursorPos(&at);
    HWND under = WindowFromPoint(at);
    if (GetCapture() != window_ && under != window_ && under != control(kLabel2)) {
        return;
    }
    const bool custom = pointer_ == PointerStyle::Custom && customPointer_ != nullptr;
    SetCursor(custom ? customPointer_ : LoadCursorW(nullptr, IDC_ARROW));
}

bool MainWindow::pickerArmed() const {
    return SendMessageW(control(kChkMarcaj), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void MainWindow::keepPickerCapture() {
    // Under X a late focus-out of the click that armed the picker cancels the capture
    // though the window is still in front; the pick would then never come.
    if (pickerArmed() && GetForegroundWindow() == window_ && GetCapture() != window_) {
        SetCapture(window_);
    }
}

void MainWindow::keepPickerPointer() {
    // While a pick drags the capture around, the hand stays in view: the label's hover
    // reset would otherwise turn it back into the arrow at the first movement.
    if (GetCapture() == window_ && customPointer_ != nullptr && pickerArmed()) {
        SetCursor(customPointer_);
    }
}

void MainWindow::loadCustomPointer() {
    customPointer_ = LoadCursorW(instance_, MAKEINTRESOURCEW(kCursorResource));
    applyPointer();
}

Point MainWindow::clientToScreen(Point client) const {
    POINT point{client.x, client.y};
    ClientToScreen(window_, &point);
    return Point{point.x, point.y};
}

Answer MainWindow::askYesNo(const std::string& text, const std::string& title) {
    const int answer = MessageBoxW(window_, widen(text).c_str(), widen(title).c_str(),
                                   MB_YESNO | MB_ICONQUESTION | MB_SYSTEMMODAL);
    return answer == IDYES ? Answer::Yes : Answer::No;
}

void MainWindow::popupMenuAtPointer() {
    POINT at{};
    GetCursorPos(&at);
    // A tray menu closes on a click elsewhere only if its owner is in front while it is open.
    SetForegroundWindow(window_);
    TrackPopupMenu(GetSubMenu(menu_, 0), 0, at.x, at.y, 0, window_, nullptr);
    PostMessageW(window_, WM_NULL, 0, 0);
}

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* main = static_cast<MainWindow*>(create->lpCreateParams);
        main->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(main));
    }
    MainWindow* main = self(window);
    if (main == nullptr || main->events_ == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return main->handle(message, wParam, lParam);
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            onCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_TIMER:
            if (wParam == kTimerId) {
                events_->tmrVerifica_Timer();
            }
            return 0;
        case WM_MOUSEMOVE:
            events_->Form_MouseMove(static_cast<float>(GET_X_LPARAM(lParam)),
                                    static_cast<float>(GET_Y_LPARAM(lParam)));
            keepPickerPointer();
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            events_->Form_MouseUp(static_cast<float>(GET_X_LPARAM(lParam)),
                                  static_cast<float>(GET_Y_LPARAM(lParam)));
            return 0;
        case WM_SETCURSOR:
            if (onSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) {
                return TRUE;
            }
            break;
        case WM_CTLCOLORSTATIC: {
            const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
            if (id == kLabel1 || id == kLabel2) {
                auto dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, RGB(0, 0, 255));
                SetBkMode(dc, TRANSPARENT);
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            }
            break;
        }
        case WM_NEXTDLGCTL:
            onNextControl(wParam, lParam);
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                focusOnActivate_ = IsChild(window_, focus) ? focus : nullptr;
            } else {
                SetFocus(focusOnActivate_ != nullptr ? focusOnActivate_ : control(kCmdExit));
            }
            return 0;
        case WM_DPICHANGED: {
            const RECT* suggested = reinterpret_cast<RECT*>(lParam);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            applyFonts();
            applyPictures();
            layout();
            return 0;
        }
        case kPickerClickMessage:
            events_->chkMarcaj_Click();
            return 0;
        case kTrayMessage:
            events_->trayIcon_Notify(LOWORD(lParam));
            return 0;
        case WM_CANCELMODE:
            DefWindowProcW(window_, message, wParam, lParam);
            keepPickerCapture();
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;  // never hold up the end of the session
        case WM_ENDSESSION:
            if (wParam != FALSE) {
                events_->Form_SessionEnding();
            }
            return 0;
        case WM_CLOSE:
            if (!events_->Form_Unload()) {
                DestroyWindow(window_);
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            if (message == taskbarCreated_ && message != 0) {
                events_->taskbarCreated();
                return 0;
            }
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void MainWindow::onCommand(int id, int code) {
    switch (id) {
        case kCmdExit:
            events_->cmdExit_Click();
            break;
        case kCmdAdauga:
            events_->cmdAdauga_Click();
            break;
        case kCmdModifica:
            events_->cmdModifica_Click();
            break;
        case kCmdSterge:
            events_->cmdSterge_Click();
            break;
        case kCmdStergeLista:
            events_->cmdStergeLista_Click();
            break;
        case kCmdClose:
            events_->cmdClose_Click();
            break;
        case kChkMarcaj:
            // The button releases the mouse capture after it notifies: arming must come later.
            PostMessageW(window_, kPickerClickMessage, 0, 0);
            break;
        case kChkOnTop:
            events_->chkOnTop_Click();
            break;
        case kMnuOpen:
            events_->mnuOpen_Click();
            break;
        case kMnuExit:
            events_->mnuExit_Click();
            break;
        case kLstCaption:
            if (code == LBN_DBLCLK) {
                events_->lstCaption_DblClick();
            }
            break;
        case kTxtTimp:
            if (code == EN_CHANGE) {
                events_->txtTimp_Change();
            }
            break;
        case kLabel2:
            if (code == STN_CLICKED) {
                events_->Label2_Click();
            }
            break;
        default:
            break;
    }
}

bool MainWindow::onSetCursor(HWND over, int hitTest) {
    // The custom pointer covers the window's own surface and the link label.
    if (pointer_ != PointerStyle::Custom || customPointer_ == nullptr || hitTest != HTCLIENT ||
        (over != window_ && over != control(kLabel2))) {
        return false;
    }
    SetCursor(customPointer_);
    return true;
}

void MainWindow::onNextControl(WPARAM wParam, LPARAM lParam) {
    HWND next = LOWORD(lParam) != 0
                    ? reinterpret_cast<HWND>(wParam)
                    : GetNextDlgTabItem(window_, GetFocus(), wParam != 0 ? TRUE : FALSE);
    if (next == nullptr) {
        return;
    }
    SetFocus(next);
    wchar_t className[16]{};
    GetClassNameW(next, className, static_cast<int>(std::size(className)));
    if (lstrcmpiW(className, WC_EDITW) == 0) {
        SendMessageW(next, EM_SETSEL, 0, -1);
    }
}

LRESULT CALLBACK MainWindow::controlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR self) {
    auto* main = reinterpret_cast<MainWindow*>(self);
    if (main->events_ == nullptr) {
        return DefSubclassProc(control, message, wParam, lParam);
    }
    return main->handleControl(control, message, wParam, lParam);
}

LRESULT MainWindow::handleControl(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
    const int id = GetDlgCtrlID(child);
    if (id == kTxtCaption && message == WM_GETDLGCODE && lParam != 0 &&
        reinterpret_cast<MSG*>(lParam)->wParam == VK_RETURN) {
        // No default button: Enter belongs to the caption box.
        return DefSubclassProc(child, message, wParam, lParam) | DLGC_WANTMESSAGE;
    }
    if (id == kTxtCaption && message == WM_CHAR) {
        events_->txtCaption_KeyPress(static_cast<int>(wParam));
        if (wParam == VK_RETURN) {
            return 0;  // a single-line box only beeps at it
        }
    }
    if (message == WM_MOUSEMOVE) {
        if (id == kLabel2) {
            events_->Label2_MouseMove();
        } else if (id == kChkMarcaj || id == kCmdClose || id == kCmdExit) {
            events_->resettingControl_MouseMove();
        }
    }
    return DefSubclassProc(child, message, wParam, lParam);
}

}  // namespace zorvel::win32
