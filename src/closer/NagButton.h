#pragma once

#include <optional>

#include "base/Entry.h"
#include "platform/Desktop.h"

namespace zorvel {

// The push button of the window that an entry's button stands for: by its control ID (and
// text, when one is kept), failing that by its text alone; never a disabled or hidden one,
// never one of another window.
std::optional<PushButton> buttonToPress(Desktop& desktop, WindowId window,
                                        const EntryButton& wanted);

}  // namespace zorvel
