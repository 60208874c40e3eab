#pragma once

#include <functional>
#include <string>
#include <vector>

#include "closer/ListedCaptions.h"
#include "platform/Desktop.h"
#include "platform/Form.h"

namespace zorvel {

// The list's context menu: the choices that belong to one entry, and what it has done.
class EntryMenu {
  public:
    EntryMenu(ListedCaptions& lstCaption, Form& form, Desktop& desktop)
        : lstCaption_(lstCaption), form_(form), desktop_(desktop) {}

    void lstCaption_ContextMenu(Point screen);

  private:
    // A line of the menu, and what choosing it does to the entry.
    struct Choice {
        MenuLine line;
        std::function<void(ListEntry&)> apply;
    };

    std::vector<Choice> choicesFor(const ListEntry& entry);
    // The buttons it may press: its own, and those of the windows it matches now.
    std::vector<EntryButton> buttonsFor(const ListEntry& entry);
    // The program the entry names, or the one of a window it was seen with or matches now.
    std::string knownProgram(const ListEntry& entry);
    // Where the entry is now: the menu is modal, and the list may change while it is open.
    int placeOf(const ListEntry& entry, int wasAt) const;

    ListedCaptions& lstCaption_;
    Form& form_;
    Desktop& desktop_;
};

// The menu's first line: how many windows the entry closed, and when the last.
std::string closedLine(const ListEntry& entry);

}  // namespace zorvel
