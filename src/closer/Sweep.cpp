#include "closer/Sweep.h"

#include <optional>

#include "base/Interval.h"
#include "closer/TitleIndex.h"

namespace zorvel {

void Sweep::tmrVerifica_Timer() {
    const int count = lstCaption_.count();
    if (count == 0) {
        return;
    }
    engine_.forgetGone();
    // One reading of the desktop's titles serves every entry of this tick. The entries are
    // read without touching the selection: it is the user's, and the delete question acts
    // on it.
    const TitleIndex titles(desktop_);
    for (int i = count - 1; i >= 0; --i) {
        const ListEntry entry = lstCaption_.entry(i);
        for (WindowId window : titles.windowsFor(entry)) {
            if (engine_.closeInBackground(window, entry, CloseTrigger::Sweep)) {
                break;
            }
        }
    }
}

void IntervalBox::txtTimp_Change() {
    if (const std::optional<int> milliseconds = interval::millisecondsFromText(txtTimp_.text())) {
        tmrVerifica_.setInterval(*milliseconds);
    }
}

}  // namespace zorvel
