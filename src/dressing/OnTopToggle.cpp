#include "dressing/OnTopToggle.h"

#include "base/Texts.h"

namespace zorvel {

void OnTopToggle::chkOnTop_Click() {
    const bool topmost = chkOnTop_.value() == 1;
    // The caption shows the requested state even if the stacking call fails.
    chkOnTop_.setCaption(topmost ? texts::kOnTop : texts::kNotOnTop);
    form_.setTopmost(topmost);
    cmdClose_.focus();
}

}  // namespace zorvel
