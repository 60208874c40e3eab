#include "dressing/LinkLabel.h"

#include "base/Texts.h"

namespace zorvel {

namespace {

constexpr double kHoverPoints = 8;
constexpr double kPlainPoints = 10;

}  // namespace

void LinkLabel::Label2_MouseMove() {
    label2_.setFont(kHoverPoints, true);
    pointer_.setPointer(PointerStyle::Custom);
    pointer_.loadCustomPointer();
}

void LinkLabel::hoverReset() {
    pointer_.setPointer(PointerStyle::Default);
    label2_.setFont(kPlainPoints, false);
}

void LinkLabel::Label2_Click() {
    shell_.openMaximized(texts::kHomePage);
}

}  // namespace zorvel
