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
    // One reading of the desktop's titles serves every entry of this tick. The entries are
    // read without moving the visible selection through them: a list box that scrolls and
    // repaints for each of a thousand entries keeps the window from answering for seconds.
    const TitleIndex titles(desktop_);
    for (int i = count - 1; i >= 0; --i) {
        closer_.close(lstCaption_.item(i), titles);
    }
    lstCaption_.select(0);
}

void IntervalBox::txtTimp_Change() {
    if (const std::optional<int> milliseconds = interval::millisecondsFromText(txtTimp_.text())) {
        tmrVerifica_.setInterval(*milliseconds);
    }
}

}  // namespace zorvel
