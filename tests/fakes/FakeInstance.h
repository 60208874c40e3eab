#pragma once

#include <string>
#include <vector>

#include "platform/Instance.h"

namespace zorvel::fakes {

class FakeInstance : public Instance {
  public:
    bool anotherIsRunning() override { return another; }
    void warnAlreadyRunning() override { calls.push_back("warn"); }
    void restoreRunningCopy() override { calls.push_back("restore"); }
    void endNow() override { calls.push_back("end"); }

    bool another = false;
    std::vector<std::string> calls;
};

}  // namespace zorvel::fakes
