#include "platform/win32/Win32ListBox.h"

#include <vector>

#include "platform/win32/Text.h"

namespace zorvel::win32 {

namespace {

// What follows an entry's text: its program, and the button it presses.
std::string suffixOf(const ListEntry& entry) {
    std::string suffix;
    if (!entry.program.empty()) {
        suffix += "  " + entry.program;
    }
    if (entry.button) {
        suffix += "  \u2192 " + entry.button->text;
    }
    return suffix;
}

// Draws one line of text at the left of the area; returns its width.
int drawText(HDC dc, const RECT& area, const std::string& text, HFONT font) {
    HGDIOBJ old = SelectObject(dc, font);
    const std::wstring wide = widen(text);
    RECT measured = area;
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &measured,
              DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    RECT drawn = area;
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &drawn,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
    SelectObject(dc, old);
    return static_cast<int>(measured.right - measured.left);
}

}  // namespace

Win32ListBox::Win32ListBox(HWND box)
    : box_(box), listProc_(reinterpret_cast<WNDPROC>(GetClassLongPtrW(box, GCLP_WNDPROC))) {}

// Reads and adds go straight to the list box's own procedure: the subclasses above it (tool
// tip, mouse tracking) pass list messages on untouched, and under Wine each layer asks the
// server for its data, which made 10,000 entries take seconds.
LRESULT Win32ListBox::listMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return CallWindowProcW(listProc_, box_, message, wParam, lParam);
}

int Win32ListBox::count() const {
    return static_cast<int>(listMessage(LB_GETCOUNT, 0, 0));
}

std::string Win32ListBox::item(int index) const {
    const LRESULT length = listMessage(LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) {
        return {};
    }
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    const LRESULT read = listMessage(LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
    return read == LB_ERR ? std::string{} : narrow(buffer.data(), static_cast<int>(read));
}

const ListEntry* Win32ListBox::stored(int index) const {
    const LRESULT data = listMessage(LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    const auto* entry = reinterpret_cast<const ListEntry*>(data);
    // An item added by a message from outside has no entry of ours.
    return data == LB_ERR || !entries_.contains(entry) ? nullptr : entry;
}

ListEntry Win32ListBox::entry(int index) const {
    if (const ListEntry* kept = stored(index)) {
        return *kept;
    }
    return ListEntry{item(index)};
}

int Win32ListBox::selectedIndex() const {
    return static_cast<int>(SendMessageW(box_, LB_GETCURSEL, 0, 0));
}

void Win32ListBox::select(int index) {
    SendMessageW(box_, LB_SETCURSEL, index, 0);
}

void Win32ListBox::add(const ListEntry& entry) {
    const std::wstring wide = widen(entry.text);
    const LRESULT index = listMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    if (index >= 0) {
        auto kept = std::make_unique<ListEntry>(entry);
        listMessage(LB_SETITEMDATA, static_cast<WPARAM>(index),
                    reinterpret_cast<LPARAM>(kept.get()));
        entries_.emplace(kept.get(), std::move(kept));
    }
}

void Win32ListBox::addAll(const std::vector<ListEntry>& entries) {
    // Drawn after every add, 10,000 entries take minutes in a visible list box.
    SendMessageW(box_, WM_SETREDRAW, FALSE, 0);
    for (const ListEntry& entry : entries) {
        add(entry);
    }
    SendMessageW(box_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box_, nullptr, TRUE);
}

void Win32ListBox::update(int index, const ListEntry& entry) {
    const ListEntry* kept = stored(index);
    if (kept == nullptr || kept->text != entry.text) {
        return;
    }
    *entries_.at(kept) = entry;
    RECT area{};
    if (listMessage(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&area)) !=
        LB_ERR) {
        InvalidateRect(box_, &area, TRUE);
    }
}

void Win32ListBox::removeAt(int index) {
    const ListEntry* kept = stored(index);
    if (SendMessageW(box_, LB_DELETESTRING, index, 0) != LB_ERR && kept != nullptr) {
        entries_.erase(kept);
    }
}

void Win32ListBox::clear() {
    SendMessageW(box_, LB_RESETCONTENT, 0, 0);
    entries_.clear();
}

int Win32ListBox::itemAt(POINT screen) const {
    ScreenToClient(box_, &screen);
    const LRESULT hit = SendMessageW(box_, LB_ITEMFROMPOINT, 0, MAKELPARAM(screen.x, screen.y));
    // The high word says the point lies outside every item.
    return HIWORD(hit) != 0 || LOWORD(hit) >= count() ? -1 : LOWORD(hit);
}

void Win32ListBox::setFonts(HFONT font, HFONT italic) {
    font_ = font;
    italic_ = italic;
    // An owner-drawn list keeps the height it was created with whatever its font.
    HDC dc = GetDC(box_);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(box_, dc);
    SendMessageW(box_, LB_SETITEMHEIGHT, 0, MAKELPARAM(metrics.tmHeight, 0));
    InvalidateRect(box_, nullptr, TRUE);
}

bool Win32ListBox::paintIfEmpty() const {
    if (count() != 0) {
        return false;
    }
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(box_, &paint);
    FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_WINDOW));
    EndPaint(box_, &paint);
    return true;
}

void Win32ListBox::focusChanged() const {
    if (count() == 0) {
        InvalidateRect(box_, nullptr, TRUE);
    }
}

void Win32ListBox::draw(const DRAWITEMSTRUCT& item) const {
    RECT area = item.rcItem;
    if (item.itemID == static_cast<UINT>(-1)) {
        // An empty list has no entry to point at: its row is cleared of any rectangle left
        // there, whether it gains or loses the focus.
        FillRect(item.hDC, &area, GetSysColorBrush(COLOR_WINDOW));
        return;
    }
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &area, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetBkMode(item.hDC, TRANSPARENT);
    const ListEntry shown = entry(static_cast<int>(item.itemID));
    RECT textArea = area;
    textArea.left += 2;
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    textArea.left += drawText(item.hDC, textArea, shown.text,
                              shown.kind == EntryKind::Pattern ? italic_ : font_);
    if (const std::string after = suffixOf(shown); !after.empty()) {
        SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_GRAYTEXT));
        drawText(item.hDC, textArea, after, font_);
    }
    // Hidden focus cues (the user works with the mouse) hide the rectangle too.
    if ((item.itemState & (ODS_FOCUS | ODS_NOFOCUSRECT)) == ODS_FOCUS) {
        DrawFocusRect(item.hDC, &area);
    }
}

}  // namespace zorvel::win32
