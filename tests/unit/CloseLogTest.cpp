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

TEST(CloseLogLine, ANoteOfDroppedLinesKeepsTheSevenFields) {
    const LocalTime time{2026, 3, 4, 5, 6, 7, 8};
    const struct {
        std::size_t count;
        std::string expected;
    } cases[] = {
        {1,
         "2026-03-04 05:06:07.008\tjurnal\tlinii pierdute\t\t1 linie mai veche nu a putut "
         "fi scrisa\t\t\r\n"},
        {37,
         "2026-03-04 05:06:07.008\tjurnal\tlinii pierdute\t\t37 linii mai vechi nu au "
         "putut fi scrise\t\t\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(droppedLine(time, c.count), c.expected);
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
    EXPECT_GT(file.older->size(), CloseLog::kLargestFile);
    EXPECT_LT(file.older->size(), CloseLog::kLargestFile + 600);  // at the first batch past it
    // The batch that found it past its size begins the new one.
    ASSERT_TRUE(file.bytes);
    EXPECT_EQ(file.bytes->rfind(kMark, 0), 0u);
    EXPECT_EQ(lineCount(*file.bytes), 1u);
}

TEST_F(CloseLogTest, AFailedBatchWaitsAndGoesWithTheNextOneOrAtTheEnd) {
    file.failing = true;  // a spreadsheet holds the file without sharing it
    log.record(closed("Unu"));
    log.record(closed("Doi"));
    log.tmrLog_Timer();
    EXPECT_EQ(tmrLog.milliseconds, 0);
    EXPECT_GT(log.pendingBytes(), 0u);
    file.failing = false;
    log.record(closed("Trei"));
    log.tmrLog_Timer();
    ASSERT_TRUE(file.bytes);
    EXPECT_EQ(lineCount(*file.bytes), 3u);
    EXPECT_LT(file.bytes->find("\tUnu\t"), file.bytes->find("\tDoi\t"));
    EXPECT_LT(file.bytes->find("\tDoi\t"), file.bytes->find("\tTrei\t"));

    file.failing = true;
    log.record(closed("Patru"));
    log.tmrLog_Timer();
    file.failing = false;
    log.finish();
    EXPECT_EQ(lineCount(*file.bytes), 4u);
    EXPECT_EQ(log.pendingBytes(), 0u);
}

TEST_F(CloseLogTest, PastTheBoundTheOldestWaitingLinesGoAndOneLineSaysHowMany) {
    file.failing = true;
    const auto timeOf = [](int i) {
        return LocalTime{2026, 12, 8, 9, i / 60000, i / 1000 % 60, i % 1000};
    };
    // Lines of one length: what waits at the bound then fits in two files exactly.
    const auto title = [](int i) {
        const std::string number = std::to_string(i);
        return std::string(990, 'x') + std::string(5 - number.size(), '0') + number;
    };
    std::size_t most = 0;
    const int recorded = 10000;
    for (int i = 0; i < recorded; ++i) {
        clock.local = timeOf(i);
        log.record(closed(title(i)));
        most = std::max(most, log.pendingBytes());
    }
    EXPECT_LE(most, CloseLog::kMostPending);
    EXPECT_GT(most, CloseLog::kMostPending - 2000);

    file.failing = false;
    log.finish();  // more than one file holds: the first is moved aside on the way
    ASSERT_TRUE(file.older && file.bytes);
    EXPECT_LE(file.older->size(), CloseLog::kMostFile);
    const std::size_t kept = lineCount(*file.older) + lineCount(*file.bytes) - 1;
    const int dropped = recorded - static_cast<int>(kept);
    EXPECT_GT(dropped, 0);
    EXPECT_EQ(file.older->find(droppedLine(timeOf(dropped - 1), dropped)), 3u);
    EXPECT_NE(file.older->find(title(dropped) + "\t"), std::string::npos);
    EXPECT_NE(file.bytes->find(title(recorded - 1) + "\t"), std::string::npos);
    EXPECT_EQ(log.pendingBytes(), 0u);
}

TEST_F(CloseLogTest, AMoveAsideThatFailedIsTriedAgainOnlyAfterAMinute) {
    file.bytes = std::string(CloseLog::kLargestFile + 1, 'o');
    file.olderHeld = true;  // an editor holds Zorvel.log.1
    constexpr std::int64_t kMinute = CloseLog::kMoveAsideRetryMs;
    const struct {
        std::int64_t after;
        int rotations;
    } batches[] = {{0, 1}, {kMinute - 1, 1}, {kMinute, 2}, {2 * kMinute - 1, 2}, {2 * kMinute, 3}};
    const std::int64_t start = clock.now;
    for (const auto& batch : batches) {
        clock.now = start + batch.after;
        log.record(closed("Rand"));
        log.flush();
        EXPECT_EQ(file.rotations, batch.rotations) << batch.after;
    }
    // Below its limit the file takes the lines all the same.
    EXPECT_EQ(lineCount(*file.bytes), std::size(batches));
}

TEST_F(CloseLogTest, AFullFileKeepsNewLinesWaitingUntilItMovesAside) {
    const struct {
        const char* how;
        std::int64_t after;
        bool atTheEnd;
    } cases[] = {{"the next batch a minute later", CloseLog::kMoveAsideRetryMs, false},
                 {"the end, whenever the last try was", 1, true}};
    for (const auto& c : cases) {
        const std::string full(CloseLog::kMostFile - 50, 'o');
        file.bytes = full;
        file.older.reset();
        file.olderHeld = true;
        log.record(closed("Asteapta"));
        log.flush();
        EXPECT_EQ(file.bytes, full) << c.how;
        EXPECT_GT(log.pendingBytes(), 0u) << c.how;

        file.olderHeld = false;
        clock.now += c.after;
        if (c.atTheEnd) {
            log.finish();
        } else {
            log.record(closed("Urmatoarea"));
            log.flush();
        }
        EXPECT_EQ(file.older, full) << c.how;
        ASSERT_TRUE(file.bytes) << c.how;
        EXPECT_NE(file.bytes->find("\tAsteapta\t"), std::string::npos) << c.how;
        EXPECT_EQ(log.pendingBytes(), 0u) << c.how;
    }
}

}  // namespace
}  // namespace zorvel
