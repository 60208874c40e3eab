#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "closer/CloseRecord.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/LogFile.h"

namespace zorvel {

// Zorvel.log beside the settings file, for a settings file in `executableDirectory`.
std::string logPath(const std::string& executableDirectory);

// One line per close: local time, trigger, outcome, entry, title, program, milliseconds to
// close and the action (close, or the button pressed), tab-separated, CR LF ended.
std::string logLine(const LocalTime& time, const CloseRecord& record);

// Keeps the lines of closes and adds them to the file in batches, so that a flood of closes
// costs one write per batch. Nothing here ever asks the user anything or stops the program.
class CloseLog : public CloseRecorder {
  public:
    // A batch goes out this long after its first line.
    static constexpr int kBatchMilliseconds = 250;
    // Lines waiting beyond this are dropped: a file that cannot be written must not cost
    // memory without end.
    static constexpr std::size_t kMostPending = 4u << 20;
    // A file that has grown past this after a batch is moved aside and a new one begun.
    static constexpr std::uint64_t kLargestFile = 1u << 20;

    CloseLog(LogFile& file, Clock& clock, Timer& tmrLog)
        : file_(file), clock_(clock), tmrLog_(tmrLog) {}

    void record(const CloseRecord& record) override;
    void tmrLog_Timer() { flush(); }
    // Writes what waits now: at exit, at the session's end, before the file is opened.
    void flush();
    std::size_t pendingBytes() const { return pending_.size(); }

  private:
    LogFile& file_;
    Clock& clock_;
    Timer& tmrLog_;
    std::string pending_;
};

}  // namespace zorvel
