#pragma once

#include <string>
#include <vector>

#include "platform/Instance.h"

namespace zorvel::fakes {

class FakeInstance : public Instance {
  public:
    GuardClaim claimGuard() override { return claim; }
    void warnAlreadyRunning() override { calls.push_back("warn"); }
    void restoreRunningCopy() override { calls.push_back("restore"); }
    void endNow() override { calls.push_back("end"); }

    GuardClaim claim = GuardClaim::Ours;
    std::vector<std::string> calls;
};

}  // namespace zorvel::fakes
