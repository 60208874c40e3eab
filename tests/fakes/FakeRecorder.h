#pragma once

#include <vector>

#include "closer/CloseRecord.h"

namespace zorvel::fakes {

struct FakeRecorder : CloseRecorder {
    void record(const CloseRecord& r) override { records.push_back(r); }
    std::vector<CloseRecord> records;
};

}  // namespace zorvel::fakes
