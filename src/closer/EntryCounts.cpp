#include "closer/EntryCounts.h"

#include <cstdio>

namespace zorvel {

void EntryCounts::record(const CloseRecord& record) {
    // An entry deleted while its window was closing counts nothing.
    if (const int index = lstCaption_.find(record.entry); index != -1) {
        ListEntry entry = lstCaption_.entry(index);
        if (!record.program.empty()) {
            entry.seenProgram = record.program;
        }
        if (record.outcome == CloseOutcome::Closed) {
            const LocalTime t = clock_.localTime();
            char stamp[32];
            std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month,
                          t.day, t.hour, t.minute, t.second);
            ++entry.closed;
            entry.lastClosed = stamp;
        }
        lstCaption_.update(index, entry);
    }
    next_.record(record);
}

}  // namespace zorvel
