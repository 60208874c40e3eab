#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/Controls.h"

namespace zorvel::win32 {

// An owner-drawn list box that keeps its strings, so that it sorts, selects and answers its
// messages as a plain one. Each item's data is the address of its whole entry, which this
// keeps until the item is removed or emptied through it. Patterns show in italics; an entry's
// program and button follow its text in grey.
class Win32ListBox : public ListBox {
  public:
    explicit Win32ListBox(HWND box);
    using ListBox::add;
    int count() const override;
    std::string item(int index) const override;
    ListEntry entry(int index) const override;
    int selectedIndex() const override;
    void select(int index) override;
    void add(const ListEntry& entry) override;
    void addAll(const std::vector<ListEntry>& entries) override;
    void update(int index, const ListEntry& entry) override;
    void removeAt(int index) override;
    void clear() override;

    // Its entries take the height of a line of `font`; patterns are drawn with `italic`.
    void setFonts(HFONT font, HFONT italic);
    void draw(const DRAWITEMSTRUCT& item) const;
    // The item under a point of the screen; -1 when there is none.
    int itemAt(POINT screen) const;
    // An empty list shows no focus rectangle. Its paint is the background alone (false when
    // not empty), and the one the control toggles by itself as the focus comes and goes
    // (Wine does, and leaves it behind) is painted over.
    bool paintIfEmpty() const;
    void focusChanged() const;

  private:
    LRESULT listMessage(UINT message, WPARAM wParam, LPARAM lParam) const;
    const ListEntry* stored(int index) const;

    HWND box_;
    WNDPROC listProc_;
    HFONT font_ = nullptr;
    HFONT italic_ = nullptr;
    std::unordered_map<const ListEntry*, std::unique_ptr<ListEntry>> entries_;
};

}  // namespace zorvel::win32
