#pragma once

namespace zorvel {

enum class PointerStyle { Default = 0, Custom = 99 };

// The mouse pointer over the main window, as the units ask for it.
class Pointer {
  public:
    virtual ~Pointer() = default;
    virtual void setPointer(PointerStyle style) = 0;
    // Loads the custom pointer from the executable's cursor resource afresh.
    virtual void loadCustomPointer() = 0;
};

}  // namespace zorvel
