#include <windows.h>

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>
#include <thread>

#include "Support.h"
#include "platform/win32/ControlIds.h"

namespace zorvel::e2e {
namespace {

using namespace zorvel::win32;

// The sweep runs every 30 s: what closes within seconds is the watch's doing, in the
// background.
class BackgroundCloseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(zorvel.window(), nullptr);
        ASSERT_TRUE(waitUntil([&] { return zorvel.text(kTxtTimp) == "0"; }));
        zorvel.add("Reclama");
        zorvel.setText(kTxtTimp, "30");
        ASSERT_TRUE(waitUntil([&] { return zorvel.list().size() == 1; }));
    }
    std::wstring events(const wchar_t* name) const { return zorvel.dir().file(name); }

    Zorvel zorvel;
};

TEST_F(BackgroundCloseTest, TypingGoesOnUndisturbedWhilePopUpsCloseBehindIt) {
    const std::wstring log = events(L"typing.txt");
    Process editor = openTargets({L"events:" + log, L"front:Editor"});
    HWND typing = editor.waitForWindow("Editor");
    ASSERT_NE(typing, nullptr);
    ASSERT_TRUE(waitUntil([&] {
        SetForegroundWindow(typing);
        return GetForegroundWindow() == typing;
    }));
    constexpr int kPopUps = 4;
    constexpr int kCharsEach = 25;
    std::vector<Process> popUps;
    int lostFront = 0;
    for (int p = 0; p < kPopUps; ++p) {
        popUps.emplace_back(besideDriver(L"zorvel_helper.exe"),
                            L"\"events:" + log + L"\" \"quiet:Reclama\"");
        // A character every 20 ms, as a quick typist, while the pop-up appears and goes: the
        // pause paces the input, it waits for nothing.
        for (int c = 0; c < kCharsEach; ++c) {
            input::press('A');
            lostFront += GetForegroundWindow() == typing ? 0 : 1;
            std::this_thread::sleep_for(20ms);
        }
    }
    for (Process& popUp : popUps) {
        EXPECT_TRUE(popUp.waitForExit(10s));
    }
    EXPECT_TRUE(waitUntil([&] { return noted(log, "char", "Editor") == kPopUps * kCharsEach; }))
        << noted(log, "char", "Editor") << " characters reached the editor";
    EXPECT_EQ(noted(log, "char", "Reclama"), 0);
    EXPECT_EQ(noted(log, "activate", "Reclama"), 0);
    EXPECT_EQ(noted(log, "close", "Reclama"), kPopUps);
    EXPECT_EQ(lostFront, 0);
    EXPECT_EQ(GetForegroundWindow(), typing);
}

TEST_F(BackgroundCloseTest, ASlowPopUpIsSentOneCommandAndOneClose) {
    zorvel.setText(kTxtTimp, "1");  // ticks while it goes must not send it more
    const std::wstring log = events(L"slow.txt");
    Process slow = openTargets({L"events:" + log, L"slow:Reclama"});
    EXPECT_TRUE(slow.waitForExit(10s));
    EXPECT_EQ(noted(log, "command", "Reclama"), 1);
    EXPECT_EQ(noted(log, "close", "Reclama"), 1);
}

// Keys posted to a window would run its program's plain-F4 shortcut: the close command cannot.
TEST_F(BackgroundCloseTest, APlainF4ShortcutNeverRunsWhileItsWindowsAreClosed) {
    constexpr int kWindows = 10;
    const std::wstring log = events(L"f4.txt");
    std::vector<std::wstring> requests(kWindows + 1, L"f4:Reclama");
    requests[0] = L"events:" + log;
    EXPECT_TRUE(openTargets(requests).waitForExit(10s));
    EXPECT_EQ(noted(log, "close", "Reclama"), kWindows);
    EXPECT_EQ(noted(log, "f4", "Reclama"), 0);
}

TEST_F(BackgroundCloseTest, APopUpDeafToTheCloseCommandGetsTheCloseRequest) {
    const std::wstring log = events(L"deaf.txt");
    EXPECT_TRUE(openTargets({L"events:" + log, L"deaf:Reclama"}).waitForExit(10s));
    EXPECT_EQ(noted(log, "command", "Reclama"), 1);
    EXPECT_EQ(noted(log, "close", "Reclama"), 1);
}

TEST_F(BackgroundCloseTest, TheShellsWindowsAreLeftAloneWhateverIsListed) {
    zorvel.add("Program Manager");
    const std::wstring log = events(L"shell.txt");
    Process shell = openTargets({L"events:" + log, L"progman:Program Manager"});
    HWND desktop = shell.waitForWindow("Program Manager");
    ASSERT_NE(desktop, nullptr);
    // A listed window opened beside it proves the watch has looked at both by now.
    EXPECT_TRUE(openTargets({L"top:Reclama"}).waitForExit(10s));
    zorvel.setText(kTxtTimp, "1");
    // Two ticks: a window opened before its caption is listed goes only by the sweep.
    for (const char* probe : {"Bifa unu", "Bifa doi"}) {
        Process late = openTargets({L"top:" + widen(probe)});
        ASSERT_NE(late.waitForWindow(probe), nullptr);
        zorvel.add(probe);
        EXPECT_TRUE(late.waitForExit(10s)) << probe;
    }
    EXPECT_TRUE(IsWindowVisible(desktop));
    EXPECT_EQ(noted(log, "command", "Program Manager"), 0);
    EXPECT_EQ(noted(log, "close", "Program Manager"), 0);
}

// The log's lines, fields split at tabs, without the byte-order mark.
std::vector<std::vector<std::string>> logLines(const std::wstring& path) {
    std::string text = readFile(path);
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.erase(0, 3);
    }
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line, '\n');) {
        if (!line.ends_with('\r')) {
            return {};  // every line ends in CR LF
        }
        line.pop_back();
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos;
             start = tab + 1) {
            fields.push_back(line.substr(start, tab - start));
        }
        fields.push_back(line.substr(start));
        lines.push_back(fields);
    }
    return lines;
}

TEST_F(BackgroundCloseTest, EveryTriggerLeavesALineInTheLogWithEveryField) {
    // Opened while the watch is off, so that only the user and the sweep close them.
    zorvel.setText(kTxtTimp, "0");
    Process early = openTargets({L"top:Manual", L"top:Bifa"});
    ASSERT_NE(early.waitForWindow("Manual"), nullptr);
    ASSERT_NE(early.waitForWindow("Bifa"), nullptr);
    zorvel.add("Manual");
    ASSERT_TRUE(zorvel.waitForList({"Manual", "Reclama"}));
    zorvel.select(0);
    zorvel.click(kCmdClose);
    ASSERT_TRUE(waitUntil([&] { return early.windows("Manual").empty(); }));
    zorvel.setText(kTxtTimp, "30");
    EXPECT_TRUE(openTargets({L"top:Reclama"}).waitForExit(10s));
    zorvel.add("bifa");
    zorvel.setText(kTxtTimp, "1");
    EXPECT_TRUE(early.waitForExit(10s));
    const std::wstring log = zorvel.dir().file(L"Zorvel.log");
    ASSERT_TRUE(waitUntil([&] { return logLines(log).size() == 3; })) << readFile(log);
    const std::regex time(R"(\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}\.\d{3})");
    const std::regex milliseconds(R"(\d+)");
    std::set<std::string> triggers;
    for (const auto& fields : logLines(log)) {
        ASSERT_EQ(fields.size(), 8u);
        EXPECT_TRUE(std::regex_match(fields[0], time)) << fields[0];
        triggers.insert(fields[1] + ' ' + fields[3] + ' ' + fields[4]);
        EXPECT_EQ(fields[2], "inchisa");
        EXPECT_EQ(fields[5], "zorvel_helper.exe");
        EXPECT_TRUE(std::regex_match(fields[6], milliseconds)) << fields[6];
        EXPECT_EQ(fields[7], "inchidere");
    }
    EXPECT_EQ(triggers,
              (std::set<std::string>{"utilizator Manual Manual", "aparitie Reclama Reclama",
                                     "verificare bifa Bifa"}));
}

TEST_F(BackgroundCloseTest, LinesOfClosesWhileTheLogIsHeldAreWrittenOnceItIsFree) {
    const std::wstring log = zorvel.dir().file(L"Zorvel.log");
    // As a spreadsheet holds the tab-separated file: open for reading, writing not shared.
    HANDLE held =
        CreateFileW(log.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(
        openTargets({L"quiet:Reclama", L"quiet:Reclama", L"quiet:Reclama"}).waitForExit(10s));
    // Zorvel's own pulse and batch, run now rather than awaited: the three closes are
    // recorded and their batch meets the held file.
    for (UINT_PTR timer : {kRecheckTimerId, kLogTimerId}) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(zorvel.window(), WM_TIMER, timer, 0, SMTO_NORMAL, 5000, &ignored);
    }
    EXPECT_EQ(GetFileSize(held, nullptr), 0u);
    CloseHandle(held);
    EXPECT_TRUE(openTargets({L"quiet:Reclama"}).waitForExit(10s));
    EXPECT_TRUE(waitUntil([&] { return logLines(log).size() == 4; })) << readFile(log);
}

TEST_F(BackgroundCloseTest, AnEndingZorvelFinishesAndRecordsTheCloseUnderWay) {
    const std::wstring seen = events(L"stubborn.txt");
    Process popUp = openTargets({L"events:" + seen, L"stubborn:Reclama"});
    // Its first close came and was ignored: Zorvel waits to send the next one, and ends.
    ASSERT_TRUE(waitUntil([&] { return noted(seen, "ignored", "Reclama") == 1; }));
    ASSERT_TRUE(zorvel.exit());
    EXPECT_TRUE(popUp.waitForExit(10s));
    const auto lines = logLines(zorvel.dir().file(L"Zorvel.log"));
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].size(), 8u);
    EXPECT_EQ(lines[0][1] + ' ' + lines[0][4], "aparitie Reclama");
}

}  // namespace
}  // namespace zorvel::e2e
