#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/Controls.h"

namespace zorvel::win32 {

// An owner-drawn list box that keeps its strings, so that it sorts, selects and answers its
// messages as a plain one; each entry's kind is its item data, and patterns show in italics.
class Win32ListBox : public ListBox {
  public:
    explicit Win32ListBox(HWND box);
    using ListBox::add;
    using ListBox::addAll;
    int count() const override;
    std::string item(int index) const override;
    EntryKind kind(int index) const override;
    int selectedIndex() const override;
    void select(int index) override;
    void add(const std::string& text, EntryKind kind) override;
    void addAll(const std::vector<std::string>& texts, EntryKind kind) override;
    void removeAt(int index) override;
    void clear() override;

    // Its entries take the height of a line of `font`; patterns are drawn with `italic`.
    void setFonts(HFONT font, HFONT italic);
    void draw(const DRAWITEMSTRUCT& entry) const;
    // An empty list shows no focus rectangle. Its paint is the background alone (false when
    // not empty), and the one the control toggles by itself as the focus comes and goes
    // (Wine does, and leaves it behind) is painted over.
    bool paintIfEmpty() const;
    void focusChanged() const;

  private:
    LRESULT listMessage(UINT message, WPARAM wParam, LPARAM lParam) const;

    HWND box_;
    WNDPROC listProc_;
    HFONT font_ = nullptr;
    HFONT italic_ = nullptr;
};

}  // namespace zorvel::win32
