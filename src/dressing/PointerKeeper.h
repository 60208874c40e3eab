#pragma once

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Pointer.h"

namespace zorvel {

// Which pointer the window shows: the one asked for where it applies (the window's surface,
// the link label, or anywhere while the window holds the capture), and the custom one kept
// in view while an armed pick drags the capture around.
class PointerKeeper : public Pointer {
  public:
    PointerKeeper(Form& form, CheckBox& chkMarcaj) : form_(form), chkMarcaj_(chkMarcaj) {}

    void setPointer(PointerStyle style) override;
    void loadCustomPointer() override;
    // After the window's own movement handlers: the label's hover reset would otherwise turn
    // the picker's hand back into the arrow at the first movement.
    void Form_MouseMove();
    bool Form_SetPointer(bool overSurface);

  private:
    // Shown at once, not only at the platform's next query (none comes during a capture).
    void apply();

    Form& form_;
    CheckBox& chkMarcaj_;
    PointerStyle wanted_ = PointerStyle::Default;
    bool loaded_ = false;
};

}  // namespace zorvel
