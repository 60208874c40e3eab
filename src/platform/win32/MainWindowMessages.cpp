// The main window's message routing: each message becomes a named event of FormEvents.
#include "platform/win32/MainWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include <iterator>

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
            } else if (wParam == kLogTimerId) {
                events_->tmrLog_Timer();
            } else if (wParam == kPauseTimerId) {
                events_->tmrPause_Timer();
            }
            return 0;
        case WM_MOUSEMOVE:
            events_->Form_MouseMove(static_cast<float>(GET_X_LPARAM(lParam)),
                                    static_cast<float>(GET_Y_LPARAM(lParam)));
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            events_->Form_MouseUp(static_cast<float>(GET_X_LPARAM(lParam)),
                                  static_cast<float>(GET_Y_LPARAM(lParam)));
            return 0;
        case WM_SETCURSOR:
            if (events_->Form_SetPointer(LOWORD(lParam) == HTCLIENT &&
                                         overSurface(reinterpret_cast<HWND>(wParam)))) {
                return TRUE;
            }
            break;
        case WM_CTLCOLORSTATIC:
            if (HBRUSH brush =
                    colourLabel(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
            break;
        case WM_DRAWITEM:
            if (wParam == kLstCaption) {
                lstCaption_->draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
                return TRUE;
            }
            break;
        case WM_CONTEXTMENU:
            if (reinterpret_cast<HWND>(wParam) == control(kLstCaption)) {
                onListContextMenu(lParam);
                return 0;
            }
            break;
        case WM_NEXTDLGCTL:
            onNextControl(wParam, lParam);
            return 0;
        case WM_ACTIVATE:
            events_->Form_Activate(LOWORD(wParam) != WA_INACTIVE);
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
            events_->Form_CaptureLost();
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
        case kMnuLog:
            events_->mnuLog_Click();
            break;
        case kMnuExit:
            events_->mnuExit_Click();
            break;
        case kMnuStartWithWindows:
            events_->mnuStartWithWindows_Click();
            break;
        case kMnuPauseTenMinutes:
            events_->mnuPauseTenMinutes_Click();
            break;
        case kMnuPauseOneHour:
            events_->mnuPauseOneHour_Click();
            break;
        case kMnuPauseUntilResumed:
            events_->mnuPauseUntilResumed_Click();
            break;
        case kMnuResume:
            events_->mnuResume_Click();
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

void MainWindow::onListContextMenu(LPARAM lParam) {
    HWND list = control(kLstCaption);
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (lParam == -1) {
        // From the keyboard (Shift+F10, the menu key): under the selected entry.
        RECT item{};
        const int selected = lstCaption_->selectedIndex();
        if (selected == -1 || SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(selected),
                                           reinterpret_cast<LPARAM>(&item)) == LB_ERR) {
            return;
        }
        at = POINT{item.left, item.bottom};
        ClientToScreen(list, &at);
    } else {
        // A right click acts on the entry under it, as in other lists; off every entry, on none.
        const int under = lstCaption_->itemAt(at);
        if (under == -1) {
            return;
        }
        lstCaption_->select(under);
    }
    events_->lstCaption_ContextMenu(Point{at.x, at.y});
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
    if (id == kLstCaption && message == WM_PAINT && wParam == 0 && lstCaption_->paintIfEmpty()) {
        return 0;
    }
    if (id == kLstCaption && (message == WM_SETFOCUS || message == WM_KILLFOCUS)) {
        const LRESULT result = DefSubclassProc(child, message, wParam, lParam);
        lstCaption_->focusChanged();
        return result;
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
