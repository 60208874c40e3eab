// The record of closes under a flood: 10,000 closes recorded through the real CloseLog into
// the real Zorvel.log, as one burst written at one timer tick and as a flood stretched over
// 100 ticks; the processor time the process spent on it, and the lines the files hold.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Measure.h"
#include "closer/CloseLog.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32LogFile.h"

namespace {

using zorvel::bench::freshDirectory;
using zorvel::bench::median;
using zorvel::bench::millisecondsOf;
using zorvel::bench::processorSeconds;

constexpr int kCloses = 10000;
constexpr int kDefaultRuns = 5;

// The batch timer; the bench fires it by hand.
class PlainTimer : public zorvel::Timer {
  public:
    int interval() const override { return interval_; }
    void setInterval(int milliseconds) override { interval_ = milliseconds; }

  private:
    int interval_ = 0;
};

std::string readAll(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {};
    }
    LARGE_INTEGER size{};
    GetFileSizeEx(file, &size);
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

int lines(const std::string& bytes) {
    int count = 0;
    for (size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) {
        ++count;
    }
    return count;
}

zorvel::CloseRecord close(int i) {
    using zorvel::CloseOutcome;
    using zorvel::CloseTrigger;
    const std::string entry = "Reclama " + std::to_string(i % 50);
    const CloseOutcome outcome = i % 10 == 9 ? CloseOutcome::NotClosed : CloseOutcome::Closed;
    return zorvel::CloseRecord{
        i % 3 == 0 ? CloseTrigger::Sweep : CloseTrigger::Appeared,
        outcome,
        {entry},
        entry + " - oferta speciala nr. " + std::to_string(i),
        "reclame.exe",
        outcome == CloseOutcome::Closed ? std::optional<std::int64_t>(i % 40) : std::nullopt};
}

struct Run {
    double processor = 0;
    double wall = 0;
    int current = 0;  // lines in Zorvel.log
    int older = 0;    // lines in Zorvel.log.1
};

Run runOnce(int ticks) {
    const std::wstring dir = freshDirectory(L"zorvel-log-bench");
    const std::wstring path = dir + L"\\Zorvel.log";
    std::vector<zorvel::CloseRecord> records;
    for (int i = 0; i < kCloses; ++i) {
        records.push_back(close(i));
    }
    zorvel::win32::Win32LogFile file(std::string(path.begin(), path.end()));  // ASCII temp path
    zorvel::win32::Win32Clock clock;
    PlainTimer tmrLog;
    zorvel::CloseLog log(file, clock, tmrLog);

    Run result;
    const double before = processorSeconds(GetCurrentProcess());
    result.wall = millisecondsOf([&] {
        for (int i = 0; i < kCloses; ++i) {
            log.record(records[static_cast<size_t>(i)]);
            if ((i + 1) % (kCloses / ticks) == 0) {
                log.tmrLog_Timer();
            }
        }
        log.flush();
    });
    result.processor = (processorSeconds(GetCurrentProcess()) - before) * 1000;
    result.current = lines(readAll(path));
    result.older = lines(readAll(path + L".1"));
    DeleteFileW(path.c_str());
    DeleteFileW((path + L".1").c_str());
    RemoveDirectoryW(dir.c_str());
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultRuns;
    std::printf("Record: %d closes, median of %d runs\n\n", kCloses, runs);
    std::printf("| batches (timer ticks) | processor ms | wall ms | lines in .log | in .log.1 |\n");
    std::printf("|----------------------:|-------------:|--------:|--------------:|----------:|\n");
    int failures = 0;
    for (const int ticks : {1, 100}) {
        std::vector<double> processor, wall;
        Run last;
        for (int run = 0; run < runs; ++run) {
            last = runOnce(ticks);
            processor.push_back(last.processor);
            wall.push_back(last.wall);
            failures += last.current + last.older == kCloses ? 0 : 1;
        }
        std::printf("| %21d | %12.1f | %7.1f | %13d | %9d |\n", ticks, median(processor),
                    median(wall), last.current, last.older);
    }
    std::printf("\nruns whose files did not hold %d lines: %d\n", kCloses, failures);
    return failures == 0 ? 0 : 1;
}
