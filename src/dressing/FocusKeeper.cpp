#include "dressing/FocusKeeper.h"

namespace zorvel {

void FocusKeeper::Form_Activate(bool active) {
    if (!active) {
        focused_ = form_.focusedControl();
    } else if (focused_ != 0) {
        form_.focusControl(focused_);
    } else {
        cmdExit_.focus();
    }
}

}  // namespace zorvel
