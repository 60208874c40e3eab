#include "dressing/PointerKeeper.h"

namespace zorvel {

void PointerKeeper::setPointer(PointerStyle style) {
    wanted_ = style;
    apply();
}

void PointerKeeper::loadCustomPointer() {
    loaded_ = form_.loadPointerResource();
    apply();
}

void PointerKeeper::apply() {
    if (!form_.holdsCapture() && !form_.pointerOverSurface()) {
        return;
    }
    const bool custom = wanted_ == PointerStyle::Custom && loaded_;
    form_.showPointer(custom ? PointerStyle::Custom : PointerStyle::Default);
}

void PointerKeeper::Form_MouseMove() {
    if (form_.holdsCapture() && loaded_ && chkMarcaj_.value() == 1) {
        form_.showPointer(PointerStyle::Custom);
    }
}

bool PointerKeeper::Form_SetPointer(bool overSurface) {
    if (wanted_ != PointerStyle::Custom || !loaded_ || !overSurface) {
        return false;
    }
    form_.showPointer(PointerStyle::Custom);
    return true;
}

}  // namespace zorvel
