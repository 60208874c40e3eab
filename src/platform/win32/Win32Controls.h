#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/Controls.h"

namespace zorvel::win32 {

std::string windowText(HWND window);

class Win32ListBox : public ListBox {
  public:
    explicit Win32ListBox(HWND box);
    int count() const override;
    std::string item(int index) const override;
    int selectedIndex() const override;
    void select(int index) override;
    void add(const std::string& text) override;
    void addAll(const std::vector<std::string>& texts) override;
    void removeAt(int index) override;
    void clear() override;

  private:
    LRESULT listMessage(UINT message, WPARAM wParam, LPARAM lParam) const;

    HWND box_;
    WNDPROC listProc_;
};

class Win32TextBox : public TextBox {
  public:
    explicit Win32TextBox(HWND edit) : edit_(edit) {}
    std::string text() const override { return windowText(edit_); }
    void setText(const std::string& text) override;
    void focus() override { SetFocus(edit_); }
    void selectAll() override { SendMessageW(edit_, EM_SETSEL, 0, -1); }

  private:
    HWND edit_;
};

// BM_SETCHECK does not notify, so a change made by the program runs the handler here.
class Win32CheckBox : public CheckBox {
  public:
    Win32CheckBox(HWND box, std::function<void()> onClick)
        : box_(box), onClick_(std::move(onClick)) {}
    int value() const override;
    void setValue(int value) override;
    std::string caption() const override { return windowText(box_); }
    void setCaption(const std::string& caption) override;

  private:
    HWND box_;
    std::function<void()> onClick_;
};

class Win32Button : public Button {
  public:
    explicit Win32Button(HWND button) : button_(button) {}
    void focus() override { SetFocus(button_); }

  private:
    HWND button_;
};

class Win32Label : public Label {
  public:
    Win32Label(HWND label, double points, bool bold);
    ~Win32Label() override;
    Win32Label(const Win32Label&) = delete;
    Win32Label& operator=(const Win32Label&) = delete;
    void setFont(double points, bool bold) override;
    // Re-creates the font for a new resolution, keeping its size in points.
    void rescale();

  private:
    HWND label_;
    HFONT font_ = nullptr;
    double points_;
    bool bold_;
};

class Win32Timer : public Timer {
  public:
    Win32Timer(HWND owner, UINT_PTR id, int milliseconds);
    int interval() const override { return interval_; }
    void setInterval(int milliseconds) override;

  private:
    HWND owner_;
    UINT_PTR id_;
    int interval_ = 0;
};

// "MS Sans Serif" at the given size for the window's resolution.
HFONT createFont(HWND window, double points, bool bold);

}  // namespace zorvel::win32
