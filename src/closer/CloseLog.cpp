#include "closer/CloseLog.h"

#include <cstdio>

#include "base/Paths.h"

namespace zorvel {

namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

const char* word(CloseTrigger trigger) {
    switch (trigger) {
        case CloseTrigger::Appeared:
            return "aparitie";
        case CloseTrigger::Sweep:
            return "verificare";
        case CloseTrigger::User:
            return "utilizator";
    }
    return "";
}

const char* words(CloseOutcome outcome) {
    switch (outcome) {
        case CloseOutcome::Closed:
            return "inchisa";
        case CloseOutcome::NotClosed:
            return "nu s-a inchis";
        case CloseOutcome::HigherRights:
            return "drepturi mai mari";
        case CloseOutcome::ButtonNotFound:
            return "buton negasit";
    }
    return "";
}

// A title may hold anything; inside one field it must not end the field or the line.
void appendField(std::string& line, const std::string& text) {
    line += '\t';
    for (const char c : text) {
        line += (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
    }
}

std::string stamp(const LocalTime& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second, t.millisecond);
    return text;
}

}  // namespace

std::string logPath(const std::string& executableDirectory) {
    return fileInDirectory(executableDirectory, "Zorvel.log");
}

std::string logLine(const LocalTime& t, const CloseRecord& record) {
    std::string line = stamp(t);
    line += '\t';
    line += word(record.trigger);
    line += '\t';
    line += words(record.outcome);
    appendField(line, record.entry.text);
    appendField(line, record.title);
    appendField(line, record.program);
    line += '\t';
    if (record.outcome == CloseOutcome::Closed && record.closeMs) {
        line += std::to_string(*record.closeMs);
    }
    // Last, so that readers of the seven fields before it are not disturbed.
    appendField(line, record.entry.button ? "buton " + record.entry.button->text : "inchidere");
    line += "\r\n";
    return line;
}

std::string droppedLine(const LocalTime& time, std::size_t count) {
    // The log's own fields: "jurnal" where the trigger goes, what happened where the title
    // goes, so that a spreadsheet keeps its columns.
    std::string line = stamp(time);
    line += "\tjurnal\tlinii pierdute\t\t";
    line += count == 1 ? std::string("1 linie mai veche nu a putut fi scrisa")
                       : std::to_string(count) + " linii mai vechi nu au putut fi scrise";
    line += "\t\t\r\n";
    return line;
}

void CloseLog::record(const CloseRecord& record) {
    // Stamped now: the batch goes out later.
    const LocalTime now = clock_.localTime();
    Line line{now, logLine(now, record)};
    while (!pending_.empty() && pendingBytes_ + line.text.size() > kMostPending) {
        pendingBytes_ -= pending_.front().text.size();
        lastDropped_ = pending_.front().time;
        pending_.pop_front();
        ++dropped_;
    }
    pendingBytes_ += line.text.size();
    pending_.push_back(std::move(line));
    if (tmrLog_.interval() == 0) {
        tmrLog_.setInterval(kBatchMilliseconds);
    }
}

void CloseLog::flush() {
    tmrLog_.setInterval(0);
    static_cast<void>(writeBatch());
}

void CloseLog::finish() {
    tmrLog_.setInterval(0);
    nextMoveAside_ = std::numeric_limits<std::int64_t>::min();
    // What waits may fill the file; once that is moved aside a new one takes the rest. A
    // third would push the first out of Zorvel.log.1 again.
    if (writeBatch()) {
        static_cast<void>(writeBatch());
    }
}

bool CloseLog::writeBatch() {
    if (pending_.empty() && dropped_ == 0) {
        return false;
    }
    const std::uint64_t size = movedAsideIfLarge(file_.size());
    // A new file begins with the mark, which takes room too.
    const std::uint64_t used = size == 0 ? sizeof kByteOrderMark - 1 : size;
    std::size_t lines = 0;
    const std::string bytes = batch(used < kMostFile ? kMostFile - used : 0, lines);
    // Full, or held by another program: the lines wait for the next batch.
    if (bytes.empty() || !file_.append(kByteOrderMark, bytes)) {
        return false;
    }
    dropped_ = 0;
    for (; lines > 0; --lines) {
        pendingBytes_ -= pending_.front().text.size();
        pending_.pop_front();
    }
    return !pending_.empty();
}

std::string CloseLog::batch(std::uint64_t room, std::size_t& lines) const {
    std::string bytes = dropped_ > 0 ? droppedLine(lastDropped_, dropped_) : std::string();
    if (bytes.size() > room) {
        return {};
    }
    for (const Line& line : pending_) {
        if (bytes.size() + line.text.size() > room) {
            break;
        }
        bytes += line.text;
        ++lines;
    }
    return bytes;
}

std::uint64_t CloseLog::movedAsideIfLarge(std::uint64_t size) {
    const std::int64_t now = clock_.milliseconds();
    if (size <= kLargestFile || now < nextMoveAside_) {
        return size;
    }
    if (file_.rotate()) {
        return 0;
    }
    nextMoveAside_ = now + kMoveAsideRetryMs;
    return size;
}

}  // namespace zorvel
