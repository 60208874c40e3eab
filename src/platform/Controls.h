#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/Entry.h"

namespace zorvel {

// A window of the desktop, as the platform identifies it; 0 is no window.
using WindowId = std::uintptr_t;

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// The sorted list box: the caption list lives here and nowhere else. Entries sort among each
// other by their text, whatever their kind; each keeps the rest of what it is beside it.
class ListBox {
  public:
    virtual ~ListBox() = default;
    virtual int count() const = 0;
    virtual std::string item(int index) const = 0;
    // The whole entry; a default one past the end.
    virtual ListEntry entry(int index) const = 0;
    EntryKind kind(int index) const { return entry(index).kind; }
    virtual int selectedIndex() const = 0;  // -1 when nothing is selected
    virtual void select(int index) = 0;     // -1 clears the selection
    // Takes its sorted place.
    virtual void add(const ListEntry& entry) = 0;
    void add(const std::string& text, EntryKind kind = EntryKind::Caption) {
        add(ListEntry{text, kind});
    }
    // Adds many at once, each to its sorted place; the real control draws once, at the end.
    virtual void addAll(const std::vector<ListEntry>& entries) {
        for (const ListEntry& entry : entries) {
            add(entry);
        }
    }
    // What is kept beside the entry's text changes; its text and place stay.
    virtual void update(int index, const ListEntry& entry) = 0;
    virtual void removeAt(int index) = 0;
    virtual void clear() = 0;
};

// A single-line text box. Assigning its text runs its change handler, like typing.
class TextBox {
  public:
    virtual ~TextBox() = default;
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
    virtual void focus() = 0;
    virtual void selectAll() = 0;
};

// A check box drawn as a push button. Its click handler runs whenever its value really
// changes, whether the user or the program changes it.
class CheckBox {
  public:
    virtual ~CheckBox() = default;
    virtual int value() const = 0;
    virtual void setValue(int value) = 0;
    virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& caption) = 0;
};

class Button {
  public:
    virtual ~Button() = default;
    virtual void focus() = 0;
};

class Label {
  public:
    virtual ~Label() = default;
    virtual void setFont(double points, bool bold) = 0;
};

// The periodic timer; an interval of 0 means it does not fire.
class Timer {
  public:
    virtual ~Timer() = default;
    virtual int interval() const = 0;
    virtual void setInterval(int milliseconds) = 0;
};

}  // namespace zorvel
