#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/Controls.h"

namespace zorvel::win32 {

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

}  // namespace zorvel::win32
