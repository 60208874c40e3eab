#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <limits>
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
// The line in place of `count` lines that had to go unwritten, stamped like the last of them.
std::string droppedLine(const LocalTime& time, std::size_t count);

// Keeps the lines of closes and adds them to the file in batches, so that a flood of closes
// costs one write per batch. A batch that cannot be written waits for the next one. Nothing
// here ever asks the user anything or stops the program.
class CloseLog : public CloseRecorder {
  public:
    // A batch goes out this long after its first line.
    static constexpr int kBatchMilliseconds = 250;
    // Past this the oldest waiting lines go: a file that cannot be written must not cost
    // memory without end.
    static constexpr std::size_t kMostPending = 4u << 20;
    // A file grown past this is moved aside before the next batch, which begins a new one.
    static constexpr std::uint64_t kLargestFile = 1u << 20;
    // Never written past this: while the file cannot be moved aside, new lines wait.
    static constexpr std::uint64_t kMostFile = 2u << 20;
    // A move aside that failed (the older file held by a reader) is tried again this late.
    static constexpr std::int64_t kMoveAsideRetryMs = 60000;

    CloseLog(LogFile& file, Clock& clock, Timer& tmrLog)
        : file_(file), clock_(clock), tmrLog_(tmrLog) {}

    void record(const CloseRecord& record) override;
    void tmrLog_Timer() { flush(); }
    // Writes what waits and fits now: a batch, and before the file is opened.
    void flush();
    // The last write before the program ends: a full file's move aside is tried once more,
    // whenever the last try was, since the lines waiting for it have no later chance.
    void finish();
    std::size_t pendingBytes() const { return pendingBytes_; }

  private:
    struct Line {
        LocalTime time;
        std::string text;
    };

    // Writes the waiting lines that fit; true when some went and more wait.
    bool writeBatch();
    // The waiting lines that fit in `room` bytes, the note of dropped ones first; `lines`
    // tells how many waiting lines it holds.
    std::string batch(std::uint64_t room, std::size_t& lines) const;
    // Moves a file grown past its size aside, a failed move at most once a minute; the size
    // the file has then.
    std::uint64_t movedAsideIfLarge(std::uint64_t size);

    LogFile& file_;
    Clock& clock_;
    Timer& tmrLog_;
    std::deque<Line> pending_;
    std::size_t pendingBytes_ = 0;
    std::size_t dropped_ = 0;
    LocalTime lastDropped_;
    std::int64_t nextMoveAside_ = std::numeric_limits<std::int64_t>::min();
};

}  // namespace zorvel
