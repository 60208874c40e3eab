#pragma once

#include <windows.h>

#include <string>

#include "platform/Controls.h"

namespace zorvel::win32 {

class Win32ListBox : public ListBox {
  public:
    explicit Win32ListBox(HWND box) : box_(box) {}
    int count() const override;
    std::string item(int index) const override;
    int selectedIndex() const override;
    void select(int index) override;
    void add(const std::string& text) override;
    void removeAt(int index) override;
    void clear() override;

  private:
    HWND box_;
};

}  // namespace zorvel::win32
