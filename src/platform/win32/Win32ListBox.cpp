#include "platform/win32/Win32ListBox.h"

#include <vector>

#include "platform/win32/Text.h"

namespace zorvel::win32 {

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

EntryKind Win32ListBox::kind(int index) const {
    return listMessage(LB_GETITEMDATA, index, 0) == static_cast<LRESULT>(EntryKind::Pattern)
               ? EntryKind::Pattern
               : EntryKind::Caption;
}

int Win32ListBox::selectedIndex() const {
    return static_cast<int>(SendMessageW(box_, LB_GETCURSEL, 0, 0));
}

void Win32ListBox::select(int index) {
    SendMessageW(box_, LB_SETCURSEL, index, 0);
}

void Win32ListBox::add(const std::string& text, EntryKind kind) {
    const std::wstring wide = widen(text);
    const LRESULT index = listMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    if (index >= 0) {
        listMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(kind));
    }
}

void Win32ListBox::addAll(const std::vector<std::string>& texts, EntryKind kind) {
    // Drawn after every add, 10,000 entries take minutes in a visible list box.
    SendMessageW(box_, WM_SETREDRAW, FALSE, 0);
    for (const std::string& text : texts) {
        add(text, kind);
    }
    SendMessageW(box_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box_, nullptr, TRUE);
}

void Win32ListBox::removeAt(int index) {
    SendMessageW(box_, LB_DELETESTRING, index, 0);
}

void Win32ListBox::clear() {
    SendMessageW(box_, LB_RESETCONTENT, 0, 0);
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

void Win32ListBox::draw(const DRAWITEMSTRUCT& entry) const {
    RECT area = entry.rcItem;
    if (entry.itemID != static_cast<UINT>(-1)) {
        const bool selected = (entry.itemState & ODS_SELECTED) != 0;
        FillRect(entry.hDC, &area, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        SetTextColor(entry.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        SetBkMode(entry.hDC, TRANSPARENT);
        const bool pattern = entry.itemData == static_cast<ULONG_PTR>(EntryKind::Pattern);
        HGDIOBJ old = SelectObject(entry.hDC, pattern ? italic_ : font_);
        const std::wstring text = widen(item(static_cast<int>(entry.itemID)));
        RECT textArea = area;
        textArea.left += 2;
        DrawTextW(entry.hDC, text.c_str(), static_cast<int>(text.size()), &textArea,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
        SelectObject(entry.hDC, old);
    } else {
        // An empty list has no entry to point at: its row is cleared of any rectangle left
        // there, whether it gains or loses the focus.
        FillRect(entry.hDC, &area, GetSysColorBrush(COLOR_WINDOW));
        return;
    }
    // Hidden focus cues (the user works with the mouse) hide the rectangle too.
    if ((entry.itemState & (ODS_FOCUS | ODS_NOFOCUSRECT)) == ODS_FOCUS) {
        DrawFocusRect(entry.hDC, &area);
    }
}

}  // namespace zorvel::win32
