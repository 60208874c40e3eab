#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "platform/Form.h"
#include "platform/FormControls.h"
#include "platform/FormEvents.h"
#include "platform/win32/ControlIds.h"
#include "platform/win32/Win32Button.h"
#include "platform/win32/Win32CheckBox.h"
#include "platform/win32/Win32Label.h"
#include "platform/win32/Win32ListBox.h"
#include "platform/win32/Win32TextBox.h"
#include "platform/win32/Win32Timer.h"

namespace zorvel::win32 {

// The real main window and its controls; the handlers live in frmZorvel.
class MainWindow : public Form {
  public:
    explicit MainWindow(HINSTANCE instance);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates the window hidden, with every control in its initial state.
    bool create();
    FormControls controls();
    void attach(FormEvents& events) { events_ = &events; }
    // Shows the window for the first time, focus on the first control.
    void showFirst();
    bool preTranslate(MSG& message);

    WindowId handle() const override { return reinterpret_cast<WindowId>(window_); }
    bool visible() const override { return IsWindowVisible(window_) != FALSE; }
    void show() override;
    void hide() override { ShowWindow(window_, SW_HIDE); }
    void setTopmost(bool topmost) override;
    void showPointer(PointerStyle style) override;
    bool loadPointerResource() override;
    bool pointerOverSurface() const override;
    void captureMouse() override;
    void releaseMouse() override { ReleaseCapture(); }
    bool inFront() const override { return GetForegroundWindow() == window_; }
    bool holdsCapture() const override { return GetCapture() == window_; }
    WindowId focusedControl() const override;
    void focusControl(WindowId control) override { SetFocus(reinterpret_cast<HWND>(control)); }
    Point clientToScreen(Point client) const override;
    Answer askYesNo(const std::string& text, const std::string& title) override;
    TryAnswer askTryAgainOrContinue(const std::string& text, const std::string& title) override;
    Answer askYesNoCancel(const std::string& text, const std::string& title) override;
    void warn(const std::string& text, const std::string& title) override;
    void popupMenuAtPointer() override;
    int chooseFromMenu(const std::vector<MenuLine>& lines, Point screen) override;
    void checkMenuItem(CheckedMenuItem item, bool checked) override;
    void showPaused(bool paused) override;
    void unload() override { SendMessageW(window_, WM_CLOSE, 0, 0); }

  private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK controlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR self);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleControl(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    void onCommand(int id, int code);
    void onNextControl(WPARAM wParam, LPARAM lParam);
    void onListContextMenu(LPARAM lParam);
    bool overSurface(HWND over) const { return over == window_ || over == control(kLabel2); }
    void onDpiChanged(const RECT& suggested);
    HBRUSH colourLabel(HWND label, HDC dc) const;
    void createControls();
    void createMenu();
    void addTooltips();
    void applyPictures();
    void placeWindow();
    void placeControls();
    void applyFonts();
    HWND control(int id) const { return GetDlgItem(window_, id); }

    HINSTANCE instance_;
    HWND window_ = nullptr;
    HWND tooltip_ = nullptr;
    HMENU menu_ = nullptr;
    // In the tray menu, or taken out of it (and then ours to destroy) while paused.
    HMENU pauseMenu_ = nullptr;
    bool paused_ = false;
    HFONT font_ = nullptr;
    HFONT boldFont_ = nullptr;
    HFONT italicFont_ = nullptr;
    HICON stopIcon_ = nullptr;
    HCURSOR customPointer_ = nullptr;
    UINT taskbarCreated_ = 0;
    FormEvents* events_ = nullptr;

    std::unique_ptr<Win32ListBox> lstCaption_;
    std::unique_ptr<Win32TextBox> txtCaption_;
    std::unique_ptr<Win32TextBox> txtTimp_;
    std::unique_ptr<Win32CheckBox> chkMarcaj_;
    std::unique_ptr<Win32CheckBox> chkOnTop_;
    std::unique_ptr<Win32Button> cmdClose_;
    std::unique_ptr<Win32Button> cmdExit_;
    std::unique_ptr<Win32Label> label2_;
    std::unique_ptr<Win32Timer> tmrVerifica_;
    std::unique_ptr<Win32Timer> tmrRecheck_;
    std::unique_ptr<Win32Timer> tmrLog_;
    std::unique_ptr<Win32Timer> tmrPause_;
};

}  // namespace zorvel::win32
