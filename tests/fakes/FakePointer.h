#pragma once

#include "platform/Pointer.h"

namespace zorvel::fakes {

class FakePointer : public Pointer {
  public:
    void setPointer(PointerStyle value) override { style = value; }
    void loadCustomPointer() override { ++loads; }

    PointerStyle style = PointerStyle::Default;
    int loads = 0;
};

}  // namespace zorvel::fakes
