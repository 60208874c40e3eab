#include "closer/Sweep.h"

#include <memory>
#include <optional>

#include "closer/Interval.h"

namespace zorvel {

void Sweep::tmrVerifica_Timer() {
    const int count = lstCaption_.count();
    if (count == 0) {
        return;
    }
    // One reading of the desktop's titles serves every entry of this tick.
    const std::unique_ptr<WindowSnapshot> titles = desktop_.snapshot();
    for (int i = count - 1; i >= 0; --i) {
        lstCaption_.select(i);
        closer_.closeSelected(titles.get());
    }
}

void IntervalBox::txtTimp_Change() {
    if (const std::optional<int> milliseconds = interval::millisecondsFromText(txtTimp_.text())) {
        tmrVerifica_.setInterval(*milliseconds);
    }
}

}  // namespace zorvel
