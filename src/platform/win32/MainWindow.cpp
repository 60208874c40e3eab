#include "platform/win32/MainWindow.h"

#include <commctrl.h>

#include "base/Texts.h"
#include "platform/KeyStroke.h"
#include "platform/win32/Text.h"

namespace zorvel::win32 {

MainWindow::MainWindow(HINSTANCE instance) : instance_(instance) {}

MainWindow::~MainWindow() {
    if (tooltip_ != nullptr) {
        DestroyWindow(tooltip_);
    }
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(font_), static_cast<HGDIOBJ>(boldFont_),
                           static_cast<HGDIOBJ>(italicFont_)}) {
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
    if (paused_ && pauseMenu_ != nullptr) {
        DestroyMenu(pauseMenu_);
    }
}

FormControls MainWindow::controls() {
    return FormControls{*lstCaption_,  *txtCaption_, *txtTimp_, *chkMarcaj_,
                        *chkOnTop_,    *cmdClose_,   *cmdExit_, *label2_,
                        *tmrVerifica_, *tmrRecheck_, *tmrLog_,  *tmrPause_};
}

void MainWindow::showFirst() {
    ShowWindow(window_, SW_SHOWNORMAL);
    SetFocus(control(kCmdExit));
}

bool MainWindow::preTranslate(MSG& message) {
    const KeyStroke key{message.message == WM_CHAR || message.message == WM_SYSCHAR,
                        message.message == WM_SYSCHAR};
    if (!mayActAsAccessKey(key)) {
        return false;  // dispatched as it is, to the control with the focus
    }
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

WindowId MainWindow::focusedControl() const {
    HWND focus = GetFocus();
    return IsChild(window_, focus) ? reinterpret_cast<WindowId>(focus) : 0;
}

void MainWindow::showPointer(PointerStyle style) {
    const bool custom = style == PointerStyle::Custom && customPointer_ != nullptr;
    SetCursor(custom ? customPointer_ : LoadCursorW(nullptr, IDC_ARROW));
}

bool MainWindow::loadPointerResource() {
    customPointer_ = LoadCursorW(instance_, MAKEINTRESOURCEW(kCursorResource));
    return customPointer_ != nullptr;
}

bool MainWindow::pointerOverSurface() const {
    POINT at{};
    GetCursorPos(&at);
    return overSurface(WindowFromPoint(at));
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

TryAnswer MainWindow::askTryAgainOrContinue(const std::string& text, const std::string& title) {
    const int answer = MessageBoxW(window_, widen(text).c_str(), widen(title).c_str(),
                                   MB_CANCELTRYCONTINUE | MB_ICONEXCLAMATION);
    return answer == IDTRYAGAIN   ? TryAnswer::TryAgain
           : answer == IDCONTINUE ? TryAnswer::Continue
                                  : TryAnswer::Cancel;
}

Answer MainWindow::askYesNoCancel(const std::string& text, const std::string& title) {
    const int answer = MessageBoxW(window_, widen(text).c_str(), widen(title).c_str(),
                                   MB_YESNOCANCEL | MB_ICONQUESTION | MB_SYSTEMMODAL);
    return answer == IDYES ? Answer::Yes : answer == IDNO ? Answer::No : Answer::Cancel;
}

void MainWindow::warn(const std::string& text, const std::string& title) {
    MessageBoxW(window_, widen(text).c_str(), widen(title).c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void MainWindow::popupMenuAtPointer() {
    POINT at{};
    GetCursorPos(&at);
    // A tray menu closes on a click elsewhere only if its owner is in front while it is open.
    SetForegroundWindow(window_);
    TrackPopupMenu(GetSubMenu(menu_, 0), 0, at.x, at.y, 0, window_, nullptr);
    PostMessageW(window_, WM_NULL, 0, 0);
}

int MainWindow::chooseFromMenu(const std::vector<MenuLine>& lines, Point screen) {
    HMENU menu = CreatePopupMenu();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const MenuLine& line = lines[i];
        const std::wstring text = widen(line.text);
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING;
        item.fType = line.text.empty()                    ? MFT_SEPARATOR
                     : line.mark == MenuLine::Mark::Radio ? MFT_STRING | MFT_RADIOCHECK
                                                          : MFT_STRING;
        item.fState = (line.enabled ? MFS_ENABLED : MFS_DISABLED) |
                      (line.marked ? MFS_CHECKED : MFS_UNCHECKED);
        // 0 is what the menu answers when nothing is chosen.
        item.wID = static_cast<UINT>(i + 1);
        item.dwTypeData = const_cast<wchar_t*>(text.c_str());
        InsertMenuItemW(menu, static_cast<UINT>(i), TRUE, &item);
    }
    const int chosen =
        static_cast<int>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                        screen.x, screen.y, 0, window_, nullptr));
    DestroyMenu(menu);
    return chosen - 1;
}

void MainWindow::checkMenuItem(CheckedMenuItem item, bool checked) {
    UINT id = 0;
    switch (item) {
        case CheckedMenuItem::StartWithWindows:
            id = kMnuStartWithWindows;
            break;
    }
    CheckMenuItem(menu_, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void MainWindow::showPaused(bool paused) {
    if (paused == paused_) {
        return;
    }
    paused_ = paused;
    // Taken out rather than deleted: the submenu comes back when the pause ends.
    HMENU popup = GetSubMenu(menu_, 0);
    RemoveMenu(popup, kPauseMenuPosition, MF_BYPOSITION);
    if (paused) {
        InsertMenuW(popup, kPauseMenuPosition, MF_BYPOSITION | MF_STRING, kMnuResume,
                    widen(texts::kMenuResume).c_str());
    } else {
        InsertMenuW(popup, kPauseMenuPosition, MF_BYPOSITION | MF_POPUP,
                    reinterpret_cast<UINT_PTR>(pauseMenu_), widen(texts::kMenuPause).c_str());
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

void MainWindow::onDpiChanged(const RECT& suggested) {
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    applyFonts();
    applyPictures();
    placeControls();
}

HBRUSH MainWindow::colourLabel(HWND label, HDC dc) const {
    const int id = GetDlgCtrlID(label);
    if (id != kLabel1 && id != kLabel2) {
        return nullptr;
    }
    SetTextColor(dc, RGB(0, 0, 255));
    SetBkMode(dc, TRANSPARENT);
    return GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace zorvel::win32
