#include "closer/NagButton.h"

#include <vector>

namespace zorvel {

std::optional<PushButton> buttonToPress(Desktop& desktop, WindowId window,
                                        const EntryButton& wanted) {
    std::vector<PushButton> usable = desktop.pushButtons(window);
    std::erase_if(usable, [](const PushButton& b) { return !b.usable; });
    const std::string text = desktop.titleKey(wanted.text);
    const auto sameText = [&](const PushButton& b) { return desktop.titleKey(b.text) == text; };
    if (wanted.id) {
        for (const PushButton& button : usable) {
            if (button.id == *wanted.id && (wanted.text.empty() || sameText(button))) {
                return button;
            }
        }
    }
    // In another language, or another version of the program, the ID may be another one.
    for (const PushButton& button : usable) {
        if (!wanted.text.empty() && sameText(button)) {
            return button;
        }
    }
    return std::nullopt;
}

}  // namespace zorvel
