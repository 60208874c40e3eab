// The main window's make-up: its controls, their places, fonts and tips.
#include "platform/win32/MainWindow.h"

#include <commctrl.h>

#include "base/Caption.h"
#include "base/Texts.h"
#include "platform/DesignTime.h"
#include "platform/win32/Font.h"
#include "platform/win32/Text.h"

namespace zorvel::win32 {

namespace {

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

// The buttons above the link overlap its top pixel row: clipped, the one on top always owns
// that row, whichever repaints last (a button's hot look fading after the link lit up
// painted over the link's top row).
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
constexpr DWORD kEdit = kChild | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
constexpr DWORD kPush = kChild | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kToggle = kChild | WS_TABSTOP | BS_AUTOCHECKBOX | BS_PUSHLIKE;

// In tab order: the order of creation is the order Tab walks.
const ControlLayout kControls[] = {
    {kCmdExit, WC_BUTTONW, "", kPush | BS_ICON, 0, {3960, 2520, 615, 615}, texts::kTipExit},
    // SS_NOTIFY on every label: a label without it hands its mouse movements to the window's
    // surface, whose movements reset the link.
    {kLabel1,
     WC_STATICW,
     texts::kLabel1,
     kChild | SS_LEFT | SS_NOTIFY,
     0,
     {120, 120, 2895, 255},
     nullptr},
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
     kChild | WS_TABSTOP | WS_VSCROLL | LBS_SORT | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
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

}  // namespace

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
    placeWindow();
    placeControls();
    createMenu();
    tmrVerifica_ =
        std::make_unique<Win32Timer>(window_, kTimerId, designTime::kIntervalMilliseconds);
    tmrRecheck_ = std::make_unique<Win32Timer>(window_, kRecheckTimerId, 0);
    tmrLog_ = std::make_unique<Win32Timer>(window_, kLogTimerId, 0);
    tmrPause_ = std::make_unique<Win32Timer>(window_, kPauseTimerId, 0);
    return true;
}

void MainWindow::createMenu() {
    pauseMenu_ = CreatePopupMenu();
    AppendMenuW(pauseMenu_, MF_STRING, kMnuPauseTenMinutes,
                widen(texts::kMenuPauseTenMinutes).c_str());
    AppendMenuW(pauseMenu_, MF_STRING, kMnuPauseOneHour, widen(texts::kMenuPauseOneHour).c_str());
    AppendMenuW(pauseMenu_, MF_STRING, kMnuPauseUntilResumed,
                widen(texts::kMenuPauseUntilResumed).c_str());
    HMENU popup = CreatePopupMenu();
    AppendMenuW(popup, MF_STRING, kMnuOpen, widen(texts::kMenuOpen).c_str());
    AppendMenuW(popup, MF_STRING, kMnuLog, widen(texts::kMenuLog).c_str());
    AppendMenuW(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(pauseMenu_),
                widen(texts::kMenuPause).c_str());
    AppendMenuW(popup, MF_STRING, kMnuStartWithWindows,
                widen(texts::kMenuStartWithWindows).c_str());
    AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(popup, MF_STRING, kMnuExit, widen(texts::kMenuExit).c_str());
    menu_ = CreateMenu();
    AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(popup),
                widen(texts::kMenuPopup).c_str());
}

void MainWindow::createControls() {
    for (const ControlLayout& layout : kControls) {
        HWND child = CreateWindowExW(layout.exStyle, layout.windowClass, widen(layout.text).c_str(),
                                     layout.style, 0, 0, 0, 0, window_,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)),
                                     instance_, nullptr);
        SetWindowSubclass(child, controlProc, 0, reinterpret_cast<DWORD_PTR>(this));
    }
    SendMessageW(control(kTxtCaption), EM_SETLIMITTEXT, caption::kMostUnits, 0);
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
    cmdExit_ = std::make_unique<Win32Button>(control(kCmdExit));
    label2_ = std::make_unique<Win32Label>(control(kLabel2), designTime::kLinkFontPoints, false);
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
    for (HFONT* font : {&font_, &boldFont_, &italicFont_}) {
        if (*font != nullptr) {
            DeleteObject(*font);
        }
    }
    font_ = createFont(window_, designTime::kWindowFontPoints, false);
    boldFont_ = createFont(window_, designTime::kWindowFontPoints, true);
    italicFont_ = createFont(window_, designTime::kWindowFontPoints, false, true);
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
    if (lstCaption_ != nullptr) {
        lstCaption_->setFonts(font_, italicFont_);
    }
}

void MainWindow::placeWindow() {
    const UINT dpi = GetDpiForWindow(window_);
    RECT frame{scale(kClientArea.left, dpi), scale(kClientArea.top, dpi),
               scale(kClientArea.left + kClientArea.width, dpi),
               scale(kClientArea.top + kClientArea.height, dpi)};
    AdjustWindowRectExForDpi(&frame, kFrameStyle, FALSE, kFrameExStyle, dpi);
    SetWindowPos(window_, nullptr, frame.left, frame.top, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::placeControls() {
    const UINT dpi = GetDpiForWindow(window_);
    for (const ControlLayout& layout : kControls) {
        MoveWindow(control(layout.id), scale(layout.rect.left, dpi), scale(layout.rect.top, dpi),
                   scale(layout.rect.width, dpi), scale(layout.rect.height, dpi), TRUE);
    }
}

}  // namespace zorvel::win32
