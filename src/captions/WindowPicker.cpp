#include "captions/WindowPicker.h"

#include <cmath>
#include <limits>
#include <string>

#include "base/Texts.h"
#include "base/Utf.h"

namespace zorvel {

namespace {

// Far more than any real chain of parents and owners; a chain that loops ends here.
constexpr int kMaxClimb = 1000;
constexpr int kMaxTitleChars = 254;

// Nearest integer, ties to even (the default rounding mode); clamped, so a coordinate out
// of range or not a number cannot make the conversion undefined.
int roundHalfEven(float value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double rounded = std::nearbyint(static_cast<double>(value));
    if (rounded <= std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::min();
    }
    if (rounded >= std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(rounded);
}

// The last window of the parent chain (owners included); 0 when the chain never ends.
WindowId climbToTop(Desktop& desktop, WindowId window) {
    for (int step = 0; step < kMaxClimb; ++step) {
        const WindowId up = desktop.parent(window);
        if (up == 0) {
            return window;
        }
        window = up;
    }
    return 0;
}

}  // namespace

void WindowPicker::askForButton(ListEntry& picked, WindowId under, WindowId top) {
    const std::optional<PushButton> button = desktop_.asPushButton(under);
    if (!button || button->text.empty() || desktop_.isOurs(top)) {
        return;
    }
    // The question is modal: the pointer must be the user's again while it is open.
    chkMarcaj_.setValue(0);
    const std::string question = texts::kPickButtonBefore + button->text + texts::kPickButtonAfter;
    if (form_.askYesNo(question, texts::kAttention) == Answer::Yes) {
        picked.button = EntryButton{button->id, button->text};
    }
}

void WindowPicker::chkMarcaj_Click() {
    if (chkMarcaj_.value() == 1) {
        form_.captureMouse();
        pointer_.setPointer(PointerStyle::Custom);
        pointer_.loadCustomPointer();
    } else {
        pointer_.setPointer(PointerStyle::Default);
        form_.releaseMouse();
    }
    cmdClose_.focus();
}

void WindowPicker::Form_CaptureLost() {
    if (chkMarcaj_.value() == 1 && form_.inFront() && !form_.holdsCapture()) {
        form_.captureMouse();
    }
}

void WindowPicker::Form_MouseUp(float x, float y) {
    const Point ptPick = form_.clientToScreen(Point{roundHalfEven(x), roundHalfEven(y)});
    const WindowId under = desktop_.windowFromPoint(ptPick);
    const WindowId hwndPick = under == 0 ? 0 : climbToTop(desktop_, under);
    if (hwndPick != 0 && hwndPick != form_.handle()) {
        // One unit more than kept: a pair split by the platform's cut then goes whole.
        const std::string strPickTitle =
            utf::cutUtf8(desktop_.title(hwndPick, kMaxTitleChars + 1), kMaxTitleChars);
        if (!strPickTitle.empty()) {
            // Its program is known from now on, for the entry to name it if the user wants.
            ListEntry picked{strPickTitle};
            picked.seenProgram = desktop_.programName(hwndPick);
            askForButton(picked, under, hwndPick);
            lstCaption_.add(picked);
        }
    }
    // Runs the disarming click handler only when the picker was armed.
    chkMarcaj_.setValue(0);
}

}  // namespace zorvel
