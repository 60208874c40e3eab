#include <windows.h>

#include <gtest/gtest.h>

#include "Support.h"
#include "platform/win32/ControlIds.h"

namespace zorvel::e2e {
namespace {

using namespace zorvel::win32;

class ListEditingTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_NE(zorvel.window(), nullptr); }

    void answerDeleteQuestion(int button) {
        zorvel.click(kCmdSterge);
        HWND question = zorvel.waitForMessageBox();
        ASSERT_NE(question, nullptr);
        EXPECT_NE(GetDlgItem(question, IDYES), nullptr);
        EXPECT_NE(GetDlgItem(question, IDNO), nullptr);
        SendNotifyMessageW(GetDlgItem(question, button), BM_CLICK, 0, 0);
        ASSERT_TRUE(waitUntil([&] { return !IsWindow(question); }));
    }

    Zorvel zorvel;
};

TEST_F(ListEditingTest, TheRealListSortsIgnoringCaseAndKeepsDuplicates) {
    zorvel.add("b");
    zorvel.add("A");
    zorvel.add("b");
    EXPECT_TRUE(zorvel.waitForList({"A", "b", "b"}));
    zorvel.click(kCmdAdauga);  // empty box: nothing added
    EXPECT_TRUE(zorvel.waitForFocus(kTxtCaption));
    EXPECT_EQ(zorvel.list().size(), 3u);
}

TEST_F(ListEditingTest, UnicodeCaptionsKeepEveryCharacter) {
    const std::string romanian =
        "Oferta speciala \xC8\x99i \xC8\x9B"
        "ar\xC4\x83";  // ș, ț, ă
    zorvel.add(romanian);
    EXPECT_TRUE(zorvel.waitForList({romanian}));
}

TEST_F(ListEditingTest, ModifyTakesTheEntryBackIntoTheBoxFullySelected) {
    zorvel.add("Alfa");
    zorvel.add("Beta");
    zorvel.select(1);
    zorvel.click(kCmdModifica);
    ASSERT_TRUE(zorvel.waitForList({"Alfa"}));
    EXPECT_EQ(zorvel.text(kTxtCaption), "Beta");
    EXPECT_TRUE(zorvel.waitForFocus(kTxtCaption));
    DWORD start = 1, end = 0;
    SendMessageW(zorvel.control(kTxtCaption), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 4u);
}

TEST_F(ListEditingTest, ModifyWithoutSelectionLeavesTheListAlone) {
    zorvel.add("Alfa");
    zorvel.setText(kTxtCaption, "scris");
    zorvel.click(kCmdModifica);
    EXPECT_TRUE(zorvel.waitForFocus(kTxtCaption));
    EXPECT_EQ(zorvel.list(), std::vector<std::string>{"Alfa"});
    EXPECT_EQ(zorvel.text(kTxtCaption), "scris");
}

TEST_F(ListEditingTest, DeleteRemovesTheSelectedEntryOnlyAfterYes) {
    zorvel.add("Alfa");
    zorvel.add("Beta");
    zorvel.select(0);
    answerDeleteQuestion(IDNO);
    EXPECT_EQ(zorvel.list(), (std::vector<std::string>{"Alfa", "Beta"}));
    zorvel.select(0);
    answerDeleteQuestion(IDYES);
    EXPECT_TRUE(zorvel.waitForList({"Beta"}));
    EXPECT_TRUE(zorvel.waitForFocus(kTxtCaption));
}

TEST_F(ListEditingTest, TheDeleteQuestionHasItsWording) {
    zorvel.add("Alfa");
    zorvel.select(0);
    zorvel.click(kCmdSterge);
    HWND question = zorvel.waitForMessageBox();
    ASSERT_NE(question, nullptr);
    EXPECT_TRUE(showsText(question, "Sinteti sigur ca doriti stergerea ?"));
    SendNotifyMessageW(GetDlgItem(question, IDNO), BM_CLICK, 0, 0);
}

TEST_F(ListEditingTest, ClearEmptiesTheListWithoutAQuestion) {
    zorvel.add("Alfa");
    zorvel.add("Beta");
    zorvel.click(kCmdStergeLista);
    EXPECT_TRUE(zorvel.waitForList({}));
    EXPECT_TRUE(zorvel.process().windows("Atentie").empty());
}

}  // namespace
}  // namespace zorvel::e2e
