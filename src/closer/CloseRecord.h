#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/Entry.h"

namespace zorvel {

enum class CloseTrigger { Appeared, Sweep, User };
enum class CloseOutcome { Closed, NotClosed, HigherRights, ButtonNotFound };

// How one close ended: every close the engine starts or declines ends in one of these.
struct CloseRecord {
    CloseTrigger trigger = CloseTrigger::Sweep;
    CloseOutcome outcome = CloseOutcome::Closed;
    ListEntry entry;                      // the list entry that matched
    std::string title;                    // the window's whole title
    std::string program;                  // file name of the window's program, may be empty
    std::optional<std::int64_t> closeMs;  // command to gone, for Closed only
};

// Where every close ends; the engine knows nothing of files.
class CloseRecorder {
  public:
    virtual ~CloseRecorder() = default;
    virtual void record(const CloseRecord& record) = 0;
};

}  // namespace zorvel
