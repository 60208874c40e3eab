#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Support.h"
#include "platform/win32/ControlIds.h"

namespace zorvel::e2e {
namespace {

using namespace zorvel::win32;
using Lines = std::vector<std::string>;

TEST(KeptListTest, LinesWrittenByOthersWhileZorvelRunsStayBesideItsValues) {
    Zorvel zorvel;
    ASSERT_TRUE(waitUntil([&] { return zorvel.text(kTxtTimp) == "0"; }));
    const std::string atStart = readFile(zorvel.settingsFile());
    ASSERT_FALSE(atStart.empty());
    ASSERT_TRUE(writeFile(zorvel.settingsFile(),
                          atStart + "; scris de mana\r\n[Alta]\r\ncheie=valoare\r\n"));
    zorvel.setText(kTxtTimp, "7");
    zorvel.add("Nou");
    ASSERT_TRUE(zorvel.exit());
    EXPECT_TRUE(holdsInOrder(
        settingsLines(zorvel.settingsFile()),
        {"[OPTIUNI]", ";;;; Optiuni generale ;;;;", "Interval_de_timp=7", "Nr_ferestre=1",
         "[FERESTRE_DE_INCHIS]", "; scris de mana", "Caption1=Nou", "[Alta]", "cheie=valoare"}))
        << readFile(zorvel.settingsFile());
}

TEST(KeptListTest, AUtf8FileWithoutAMarkIsReadAndStaysSo) {
    const std::string available = "Disponibil\xC4\x83";  // ă
    Zorvel zorvel(false);
    ASSERT_TRUE(writeFile(zorvel.settingsFile(),
                          "[OPTIUNI]\r\nInterval_de_timp=0\r\nNr_ferestre=1\r\n"
                          "[FERESTRE_DE_INCHIS]\r\nCaption1=" +
                              available + "\r\n"));
    zorvel.start();
    ASSERT_TRUE(zorvel.waitForList({available}));
    zorvel.add("Nou");
    ASSERT_TRUE(zorvel.exit());
    const std::string bytes = readFile(zorvel.settingsFile());
    EXPECT_EQ(bytes,
              "[OPTIUNI]\r\nInterval_de_timp=0\r\nNr_ferestre=2\r\n"
              "[FERESTRE_DE_INCHIS]\r\nCaption1=" +
                  available + "\r\nCaption2=Nou\r\n");
}

TEST(KeptListTest, AwkwardCaptionsShowTheSameAfterARestart) {
    const std::string face = "\xF0\x9F\x98\x80";  // two UTF-16 units
    const Lines typed = {
        "  blanks at both ends  ",
        "\"quoted\"",
        "'single'",
        "***Reclama",
        "a=b",
        "[Sectiune]",
        ";comentariu",
        "tab\there",
        "Fereastr\xC4\x83 \xC8\x99i \xC8\x9B",                // ă ș ț
        "\xE5\xB9\xBF\xE5\x91\x8A " + face,                   // CJK and an emoji
        std::string(254, 'x') + face + std::string(44, 'y'),  // 300 characters
    };
    Zorvel zorvel;
    ASSERT_TRUE(waitUntil([&] { return zorvel.text(kTxtTimp) == "0"; }));
    EXPECT_EQ(SendMessageW(zorvel.control(kTxtCaption), EM_GETLIMITTEXT, 0, 0), 255);
    for (const std::string& caption : typed) {
        if (caption.find('*') == std::string::npos) {
            zorvel.add(caption);
            continue;
        }
        // Asked whether it is a pattern: no, this very title.
        zorvel.setText(kTxtCaption, caption);
        zorvel.click(kCmdAdauga);
        HWND question = zorvel.waitForMessageBox();
        ASSERT_NE(question, nullptr);
        SendNotifyMessageW(GetDlgItem(question, IDNO), BM_CLICK, 0, 0);
        ASSERT_TRUE(waitUntil([&] { return zorvel.text(kTxtCaption).empty(); }));
    }
    ASSERT_TRUE(waitUntil([&] { return zorvel.list().size() == typed.size(); }));
    const Lines shown = zorvel.list();
    EXPECT_NE(std::find(shown.begin(), shown.end(), "tab here"), shown.end());
    // Cut before the pair that would not fit whole.
    EXPECT_NE(std::find(shown.begin(), shown.end(), std::string(254, 'x')), shown.end());
    ASSERT_TRUE(zorvel.exit());
    zorvel.start();
    EXPECT_TRUE(zorvel.waitForList(shown)) << readFile(zorvel.settingsFile());
}

}  // namespace
}  // namespace zorvel::e2e
