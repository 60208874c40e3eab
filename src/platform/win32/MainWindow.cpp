#include "platform/win32/MainWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include <iterator>

#include "platform/KeyStroke.h"
#include "platform/win32/Text.h"

namespace zorvel::win32 {

namespace {

// A click on chkMarcaj, handled once the button has let go of the mouse.
constexpr UINT kPickerClickMessage = WM_APP + 2;

MainWindow* self(HWND window) {
    return reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

TrayClick trayClick(UINT mouseMessage) {
    switch (mouseMessage) {
        case WM_LBUTTONUP:
            return TrayClick::LeftUp;
        case WM_RBUTTONUP:
            return TrayClick::RightUp;
        default:
            return TrayClick::Other;
    }
}

}  // namespace

FormControls MainWindow::controls() {
    return FormControls{*lstCaption_, *txtCaption_, *txtTimp_,     *chkMarcaj_, *chkOnTop_,
                        *cmdClose_,   *label2_,     *tmrVerifica_, *tmrRecheck_};
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
            } else if (wParam == kRecheckTimerId) {
                events_->tmrRecheck_Timer();
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
        case WM_CTLCOLORSTATIC:
            if (HBRUSH brush =
                    colourLabel(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
            break;
        case WM_NEXTDLGCTL:
            onNextControl(wParam, lParam);
            return 0;
        case WM_ACTIVATE:
            onActivate(LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_DPICHANGED:
            onDpiChanged(*reinterpret_cast<RECT*>(lParam));
            return 0;
        case kPickerClickMessage:
            events_->chkMarcaj_Click();
            return 0;
        case kTrayMessage:
            events_->trayIcon_Notify(trayClick(LOWORD(lParam)));
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

void MainWindow::onActivate(bool active) {
    // Like a dialog: the focus comes back to the control that had it.
    if (!active) {
        HWND focus = GetFocus();
        focusOnActivate_ = IsChild(window_, focus) ? focus : nullptr;
    } else {
        SetFocus(focusOnActivate_ != nullptr ? focusOnActivate_ : control(kCmdExit));
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
        events_->txtCaption_KeyPress(wParam == VK_RETURN ? TypedKey::Enter : TypedKey::Other);
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
