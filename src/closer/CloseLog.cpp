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

}  // namespace

std::string logPath(const std::string& executableDirectory) {
    return fileInDirectory(executableDirectory, "Zorvel.log");
}

std::string logLine(const LocalTime& t, const CloseRecord& record) {
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d.%03d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second, t.millisecond);
    std::string line = stamp;
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

void CloseLog::record(const CloseRecord& record) {
    // Stamped now: the batch goes out later.
    const std::string line = logLine(clock_.localTime(), record);
    if (pending_.size() + line.size() > kMostPending) {
        return;
    }
    pending_ += line;
    if (tmrLog_.interval() == 0) {
        tmrLog_.setInterval(kBatchMilliseconds);
    }
}

void CloseLog::flush() {
    tmrLog_.setInterval(0);
    if (pending_.empty()) {
        return;
    }
    const std::optional<std::uint64_t> size = file_.append(kByteOrderMark, pending_);
    // A failed write loses its batch: the next one tries the file afresh.
    pending_ = std::string();
    if (size && *size > kLargestFile) {
        file_.rotate();
    }
}

}  // namespace zorvel
