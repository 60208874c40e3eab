#include "closer/CloseLog.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/FakeControls.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeLogFile.h"

namespace zorvel {
namespace {

constexpr char kMark[] = "\xEF\xBB\xBF";

CloseRecord closed(const std::string& title, std::int64_t ms = 12) {
    return CloseRecord{
        CloseTrigger::Appeared, CloseOutcome::Closed, {"Reclama"}, title, "ad.exe", ms};
}

std::size_t lineCount(const std::string& bytes) {
    std::size_t count = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos;
         at = bytes.find("\r\n", at + 2)) {
        ++count;
    }
    return count;
}

TEST(CloseLogLine, HoldsEightFieldsInTheirWords) {
    const LocalTime time{2026, 3, 4, 5, 6, 7, 8};
    const std::string stamp = "2026-03-04 05:06:07.008\t";
    struct Case {
        CloseRecord record;
        std::string expected;
    };
    const Case cases[] = {
        {{CloseTrigger::Appeared, CloseOutcome::Closed, {"Ad"}, "Ad", "ad.exe", 41},
         "aparitie\tinchisa\tAd\tAd\tad.exe\t41\tinchidere\r\n"},
        {{CloseTrigger::Sweep, CloseOutcome::NotClosed, {"Nag"}, "Nag", "nag.exe", 2000},
         "verificare\tnu s-a inchis\tNag\tNag\tnag.exe\t\tinchidere\r\n"},
        {{CloseTrigger::User, CloseOutcome::HigherRights, {"Admin"}, "Admin", "", std::nullopt},
         "utilizator\tdrepturi mai mari\tAdmin\tAdmin\t\t\tinchidere\r\n"},
        {{CloseTrigger::Sweep, CloseOutcome::Closed, {"X"}, "X", "x.exe", 0},
         "verificare\tinchisa\tX\tX\tx.exe\t0\tinchidere\r\n"},
        {{CloseTrigger::User, CloseOutcome::Closed, {"X"}, "X", "x.exe", std::nullopt},
         "utilizator\tinchisa\tX\tX\tx.exe\t\tinchidere\r\n"},
        {{CloseTrigger::Appeared,
          CloseOutcome::Closed,
          {"a\tb"},
          "one\r\ntwo\nthree\rfour",
          "p\tq.exe",
          5},
         "aparitie\tinchisa\ta b\tone  two three four\tp q.exe\t5\tinchidere\r\n"},
        {{CloseTrigger::Appeared, CloseOutcome::Closed, {"Fereastră"}, "Fereastră", "ş.exe", 7},
         "aparitie\tinchisa\tFereastră\tFereastră\tş.exe\t7\tinchidere\r\n"},
        {{CloseTrigger::Appeared,
          CloseOutcome::Closed,
          {"Nag", EntryKind::Caption, "", EntryButton{7, "Nu"}},
          "Nag",
          "n.exe",
          3},
         "aparitie\tinchisa\tNag\tNag\tn.exe\t3\tbuton Nu\r\n"},
        {{CloseTrigger::Sweep,
          CloseOutcome::ButtonNotFound,
          {"Nag", EntryKind::Caption, "", EntryButton{7, "Nu"}},
          "Nag",
          "n.exe",
          {}},
         "verificare\tbuton negasit\tNag\tNag\tn.exe\t\tbuton Nu\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(logLine(time, c.record), stamp + c.expected);
    }
}

class CloseLogTest : public ::testing::Test {
  protected:
    fakes::FakeLogFile file;
    fakes::FakeClock clock;
    fakes::FakeTimer tmrLog{0};
    CloseLog log{file, clock, tmrLog};
};

TEST_F(CloseLogTest, AFloodCostsOneWriteWhenTheTimerFires) {
    for (int i = 0; i < 1000; ++i) {
        clock.local.millisecond = i % 1000;
        log.record(closed("Reclama " + std::to_string(i)));
    }
    EXPECT_EQ(file.appends, 0);
    EXPECT_EQ(tmrLog.milliseconds, CloseLog::kBatchMilliseconds);
    EXPECT_LE(CloseLog::kBatchMilliseconds, 1000);

    log.tmrLog_Timer();
    EXPECT_EQ(file.appends, 1);
    EXPECT_EQ(tmrLog.milliseconds, 0);
    ASSERT_TRUE(file.bytes);
    EXPECT_EQ(file.bytes->rfind(kMark, 0), 0u);
    EXPECT_EQ(lineCount(*file.bytes), 1000u);
    // Stamped when recorded, not when written; in the order recorded.
    EXPECT_NE(file.bytes->find("2026-12-08 09:05:07.999\taparitie\tinchisa\tReclama\tReclama 999"),
              std::string::npos);
    EXPECT_LT(file.bytes->find("Reclama 1\t"), file.bytes->find("Reclama 2\t"));

    log.record(closed("Inca una"));
    log.tmrLog_Timer();
    EXPECT_EQ(file.appends, 2);
    EXPECT_EQ(lineCount(*file.bytes), 1001u);
    EXPECT_EQ(file.bytes->find(kMark, 1), std::string::npos);  // the mark only at the start
}

TEST_F(CloseLogTest, AnIdleTimerWritesNothing) {
    log.tmrLog_Timer();
    log.flush();
    EXPECT_EQ(file.appends, 0);
    EXPECT_FALSE(file.bytes);
}

TEST_F(CloseLogTest, PastOneMebibyteTheFileMovesAsideAndANewOneBegins) {
    const std::string title(500, 't');
    std::size_t written = 0;
    while (!file.older && written < 2 * CloseLog::kLargestFile) {
        log.record(closed(title));
        log.flush();
        written = file.bytes ? file.bytes->size() : written;
    }
    ASSERT_TRUE(file.older);
    EXPECT_FALSE(file.bytes);
    EXPECT_GT(file.older->size(), CloseLog::kLargestFile);
    EXPECT_LT(file.older->size(), CloseLog::kLargestFile + 600);  // at the first batch past it
    const std::size_t moved = lineCount(*file.older);

    log.record(closed("Dupa"));
    log.flush();
    ASSERT_TRUE(file.bytes);
    EXPECT_EQ(file.bytes->rfind(kMark, 0), 0u);
    EXPECT_EQ(lineCount(*file.bytes), 1u);
    EXPECT_EQ(lineCount(*file.older), moved);
}

TEST_F(CloseLogTest, AFailedWriteIsDroppedAndMemoryStaysBounded) {
    file.failing = true;
    const std::string title(1000, 'x');
    std::size_t most = 0;
    for (int i = 0; i < 10000; ++i) {
        log.record(closed(title));
        most = std::max(most, log.pendingBytes());
    }
    EXPECT_LE(most, CloseLog::kMostPending);
    EXPECT_GT(most, CloseLog::kMostPending - 2000);
    log.flush();
    EXPECT_EQ(log.pendingBytes(), 0u);
    EXPECT_EQ(tmrLog.milliseconds, 0);

    file.failing = false;
    log.record(closed("Dupa"));
    log.flush();
    ASSERT_TRUE(file.bytes);
    EXPECT_EQ(lineCount(*file.bytes), 1u);
    EXPECT_NE(file.bytes->find("\tDupa\t"), std::string::npos);
}

}  // namespace
}  // namespace zorvel
