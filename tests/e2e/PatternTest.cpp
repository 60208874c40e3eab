#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "Support.h"
#include "platform/Controls.h"
#include "platform/win32/ControlIds.h"

namespace zorvel::e2e {
namespace {

using namespace zorvel::win32;
using Lines = std::vector<std::string>;
using Entries = std::vector<std::pair<std::string, EntryKind>>;

// The message text of an open box (its static control).
std::string boxText(HWND box) {
    return windowText(GetDlgItem(box, 0xFFFF));
}

// Each entry's text and kind, as Zorvel saves them when it ends.
Entries savedEntries(Zorvel& zorvel) {
    Entries saved;
    if (!zorvel.exit()) {
        return saved;
    }
    for (const std::string& line : settingsLines(zorvel.settingsFile())) {
        for (const auto& [key, kind] :
             {std::pair{"Caption", EntryKind::Caption}, std::pair{"Model", EntryKind::Pattern}}) {
            const size_t equals = line.find('=');
            if (line.starts_with(key) && equals != std::string::npos &&
                line.find_first_not_of("0123456789", strlen(key)) == equals) {
                saved.emplace_back(line.substr(equals + 1), kind);
            }
        }
    }
    return saved;
}

class PatternTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(zorvel.window(), nullptr);
        ASSERT_TRUE(waitUntil([&] { return zorvel.text(kTxtTimp) == "0"; }));
    }

    // Adds the text through the box and waits for the question; the box stays open.
    HWND ask(const std::string& text) {
        zorvel.setText(kTxtCaption, text);
        zorvel.click(kCmdAdauga);
        return zorvel.waitForMessageBox();
    }

    static void press(HWND box, int button) {
        ASSERT_NE(GetDlgItem(box, button), nullptr) << boxText(box);
        SendNotifyMessageW(GetDlgItem(box, button), BM_CLICK, 0, 0);
        ASSERT_TRUE(waitUntil([&] { return !IsWindow(box); }));
    }

    Zorvel zorvel;
};

TEST_F(PatternTest, TheQuestionCountsTheMatchingWindowsAndItsAnswerDecidesTheEntry) {
    Process targets = openTargets(
        {L"top:Oferta 1234", L"top:Oferta speciala", L"top:Alta Oferta", L"top:Oferta"});
    ASSERT_NE(targets.waitForWindow("Oferta speciala"), nullptr);

    HWND question = ask("Oferta *");
    ASSERT_NE(question, nullptr);
    const std::string asked = boxText(question);
    EXPECT_NE(asked.find("Folositi textul ca model ?"), std::string::npos) << asked;
    EXPECT_NE(asked.find("Acum se potrivesc 2 ferestre:"), std::string::npos) << asked;
    EXPECT_NE(asked.find("\nOferta 1234"), std::string::npos) << asked;
    EXPECT_NE(asked.find("\nOferta speciala"), std::string::npos) << asked;
    EXPECT_EQ(asked.find("Alta Oferta"), std::string::npos) << asked;
    press(question, IDCANCEL);
    EXPECT_TRUE(zorvel.list().empty());
    EXPECT_EQ(zorvel.text(kTxtCaption), "Oferta *");

    press(ask("Oferta *"), IDYES);
    ASSERT_TRUE(zorvel.waitForList({"Oferta *"}));
    press(ask("Oferta ?"), IDNO);
    ASSERT_TRUE(zorvel.waitForList({"Oferta *", "Oferta ?"}));
    EXPECT_EQ(savedEntries(zorvel),
              (Entries{{"Oferta ?", EntryKind::Caption}, {"Oferta *", EntryKind::Pattern}}));
}

// Too broad to be a pattern: an OK box says why instead of the question, and nothing is added.
TEST_F(PatternTest, BlanksAndPunctuationAreRefusedBeforeAnyQuestion) {
    for (const char* broad : {"* - *", "*...*"}) {
        HWND refusal = ask(broad);
        ASSERT_NE(refusal, nullptr) << broad;
        EXPECT_NE(boxText(refusal).find("cel putin 3 litere sau cifre la rand"), std::string::npos)
            << boxText(refusal);
        EXPECT_EQ(GetDlgItem(refusal, IDYES), nullptr) << broad;
        EXPECT_EQ(GetDlgItem(refusal, IDNO), nullptr) << broad;
        press(refusal, IDOK);
        EXPECT_EQ(zorvel.text(kTxtCaption), broad);
        EXPECT_TRUE(zorvel.list().empty());
    }
}

TEST_F(PatternTest, PatternsSurviveARestartInTheirOwnSectionAndCaptionKeysIgnoreThem) {
    press(ask("Reclama ?"), IDYES);
    zorvel.add("Alfa");
    press(ask("Oferta *"), IDNO);
    ASSERT_TRUE(zorvel.waitForList({"Alfa", "Oferta *", "Reclama ?"}));
    ASSERT_TRUE(zorvel.exit());
    const Lines saved = settingsLines(zorvel.settingsFile());
    EXPECT_TRUE(holdsInOrder(
        saved, {"Nr_ferestre=2", "Nr_modele=1", "[FERESTRE_DE_INCHIS]", "Caption1=Alfa",
                "Caption2=Oferta *", "[MODELE_DE_INCHIS]", "Model1=Reclama ?"}));
    EXPECT_FALSE(hasLine(saved, "Caption3=Reclama ?"));

    Zorvel again(zorvel.dir().path());
    again.start();
    ASSERT_TRUE(again.waitForList({"Alfa", "Oferta *", "Reclama ?"}));
    EXPECT_EQ(savedEntries(again), (Entries{{"Alfa", EntryKind::Caption},
                                            {"Oferta *", EntryKind::Caption},
                                            {"Reclama ?", EntryKind::Pattern}}));
}

// The sweep runs every 30 s: what closes within seconds is the watch asking the matcher.
TEST_F(PatternTest, APatternClosesItsFamilyTheMomentItAppearsAndTheSameTextExactOnlyItsTitle) {
    press(ask("Oferta *"), IDYES);
    ASSERT_TRUE(zorvel.waitForList({"Oferta *"}));
    zorvel.setText(kTxtTimp, "30");
    // Windows are looked at in the order they appear: once the last has closed, the ones
    // before it have been passed over.
    Process targets = openTargets({L"top:Alta Oferta", L"top:Oferta", L"top:Oferta *x",
                                   L"top:Oferta 1234", L"top:Oferta speciala"});
    EXPECT_TRUE(waitUntil([&] { return targets.windows("Oferta speciala").empty(); }, 5s));
    EXPECT_TRUE(targets.windows("Oferta 1234").empty());
    EXPECT_TRUE(targets.windows("Oferta *x").empty());
    EXPECT_EQ(targets.windows("Alta Oferta").size(), 1u);
    EXPECT_EQ(targets.windows("Oferta").size(), 1u);

    zorvel.select(0);
    zorvel.click(kCmdModifica);
    ASSERT_TRUE(zorvel.waitForList({}));
    zorvel.click(kCmdAdauga);
    press(zorvel.waitForMessageBox(), IDNO);
    ASSERT_TRUE(zorvel.waitForList({"Oferta *"}));
    Process exact = openTargets({L"top:Oferta 99", L"top:Oferta *"});
    EXPECT_TRUE(waitUntil([&] { return exact.windows("Oferta *").empty(); }, 5s));
    EXPECT_EQ(exact.windows("Oferta 99").size(), 1u);
}

TEST(PatternFileTest, ACaptionWithAStarFromAnOlderFileStaysExact) {
    Zorvel zorvel(false);
    ASSERT_TRUE(writeFile(zorvel.settingsFile(),
                          "[OPTIUNI]\r\nInterval_de_timp=0\r\nNr_ferestre=1\r\n"
                          "[FERESTRE_DE_INCHIS]\r\nCaption1=Reclama*\r\n"));
    zorvel.start();
    ASSERT_TRUE(zorvel.waitForList({"Reclama*"}));
    EXPECT_EQ(savedEntries(zorvel), (Entries{{"Reclama*", EntryKind::Caption}}));
}

}  // namespace
}  // namespace zorvel::e2e
