#pragma once

#include "closer/CloseRecord.h"
#include "closer/ListedCaptions.h"
#include "platform/Clock.h"

namespace zorvel {

// Counts, for each entry, the windows closed for it and when the last was, and notes the
// program of the windows it matched; then passes every record on.
class EntryCounts : public CloseRecorder {
  public:
    EntryCounts(ListedCaptions& lstCaption, Clock& clock, CloseRecorder& next)
        : lstCaption_(lstCaption), clock_(clock), next_(next) {}

    void record(const CloseRecord& record) override;

  private:
    ListedCaptions& lstCaption_;
    Clock& clock_;
    CloseRecorder& next_;
};

}  // namespace zorvel
