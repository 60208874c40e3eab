#include "closer/EntryMenu.h"

#include <algorithm>

#include "base/Texts.h"
#include "closer/TitleIndex.h"

namespace zorvel {

namespace {

// The time of the last close to the minute: "2026-12-08 10:41:07" shows as "2026-12-08 10:41".
constexpr std::size_t kMinuteLength = 16;

}  // namespace

std::string closedLine(const ListEntry& entry) {
    if (entry.closed <= 0) {
        return texts::kMenuNeverClosed;
    }
    std::string line = entry.closed == 1 ? std::string(texts::kMenuClosedOnce)
                                         : texts::kMenuClosedBefore + std::to_string(entry.closed) +
                                               texts::kMenuClosedAfter;
    if (!entry.lastClosed.empty()) {
        line += texts::kMenuClosedLast + entry.lastClosed.substr(0, kMinuteLength);
    }
    return line;
}

void EntryMenu::lstCaption_ContextMenu(Point screen) {
    const int selected = lstCaption_.selectedIndex();
    if (selected == -1) {
        return;
    }
    const ListEntry entry = lstCaption_.entry(selected);
    const std::vector<Choice> choices = choicesFor(entry);
    std::vector<MenuLine> lines;
    for (const Choice& choice : choices) {
        lines.push_back(choice.line);
    }
    const int chosen = form_.chooseFromMenu(lines, screen);
    if (chosen < 0 || chosen >= static_cast<int>(choices.size()) ||
        !choices[static_cast<std::size_t>(chosen)].apply) {
        return;
    }
    const int index = placeOf(entry, selected);
    if (index == -1) {
        return;
    }
    ListEntry changed = lstCaption_.entry(index);
    choices[static_cast<std::size_t>(chosen)].apply(changed);
    lstCaption_.update(index, changed);
}

std::vector<EntryMenu::Choice> EntryMenu::choicesFor(const ListEntry& entry) {
    std::vector<Choice> choices;
    choices.push_back({MenuLine{closedLine(entry), false}, nullptr});
    choices.push_back({MenuLine{}, nullptr});
    const std::string program = knownProgram(entry);
    if (program.empty()) {
        choices.push_back({MenuLine{texts::kMenuNoProgramSeen, false}, nullptr});
    } else {
        const bool named = !entry.program.empty();
        choices.push_back(
            {MenuLine{texts::kMenuOnlyProgramBefore + program + texts::kMenuOnlyProgramAfter, true,
                      MenuLine::Mark::Check, named},
             [program, named](ListEntry& e) { e.program = named ? std::string() : program; }});
    }
    choices.push_back({MenuLine{}, nullptr});
    choices.push_back(
        {MenuLine{texts::kMenuCloseWindow, true, MenuLine::Mark::Radio, !entry.button},
         [](ListEntry& e) { e.button.reset(); }});
    for (const EntryButton& button : buttonsFor(entry)) {
        choices.push_back({MenuLine{texts::kMenuPressBefore + button.text + texts::kMenuPressAfter,
                                    true, MenuLine::Mark::Radio, entry.button == button},
                           [button](ListEntry& e) { e.button = button; }});
    }
    return choices;
}

std::vector<EntryButton> EntryMenu::buttonsFor(const ListEntry& entry) {
    std::vector<EntryButton> buttons;
    // The stored one stays offered when no such window is open.
    if (entry.button) {
        buttons.push_back(*entry.button);
    }
    for (WindowId window : TitleIndex(desktop_).windowsFor(entry)) {
        if (desktop_.isOurs(window) || desktop_.isShell(window)) {
            continue;
        }
        for (const PushButton& pushButton : desktop_.pushButtons(window)) {
            const EntryButton button{pushButton.id, pushButton.text};
            if (!button.text.empty() &&
                std::find(buttons.begin(), buttons.end(), button) == buttons.end()) {
                buttons.push_back(button);
            }
        }
    }
    return buttons;
}

std::string EntryMenu::knownProgram(const ListEntry& entry) {
    if (!entry.program.empty()) {
        return entry.program;
    }
    if (!entry.seenProgram.empty()) {
        return entry.seenProgram;
    }
    for (WindowId window : TitleIndex(desktop_).windowsTitled(entry)) {
        if (!desktop_.isOurs(window) && !desktop_.isShell(window)) {
            if (std::string program = desktop_.programName(window); !program.empty()) {
                return program;
            }
        }
    }
    return {};
}

int EntryMenu::placeOf(const ListEntry& entry, int wasAt) const {
    if (wasAt < lstCaption_.count() && lstCaption_.item(wasAt) == entry.text &&
        lstCaption_.kind(wasAt) == entry.kind) {
        return wasAt;
    }
    return lstCaption_.find(entry);
}

}  // namespace zorvel
