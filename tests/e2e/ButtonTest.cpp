#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Support.h"
#include "platform/win32/ControlIds.h"

namespace zorvel::e2e {
namespace {

using namespace zorvel::win32;

// Two nags answered "Nu": one listed by the button's ID, one by an ID the nag lacks, found by
// its text; and two whose "Nu" cannot be pressed.
constexpr char kNags[] =
    "[OPTIUNI]\r\nInterval_de_timp=30\r\nNr_ferestre=4\r\n[FERESTRE_DE_INCHIS]\r\n"
    "Caption1=Actualizare disponibila\r\nButon1=Nu\r\nButonId1=7\r\n"
    "Caption2=Alta actualizare\r\nButon2=Nu\r\nButonId2=99\r\n"
    "Caption3=Actualizare blocata\r\nButon3=Nu\r\nButonId3=7\r\n"
    "Caption4=Actualizare fara nu\r\nButon4=Nu\r\n";

class ButtonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(writeFile(zorvel.settingsFile(), kNags));
        zorvel.start();
        ASSERT_TRUE(zorvel.waitForList({"Actualizare blocata", "Actualizare disponibila",
                                        "Actualizare fara nu", "Alta actualizare"}));
    }

    int seen(const std::string& what, const std::string& title) const {
        return noted(events, what, title);
    }
    // The log's lines that end in these fields.
    int logged(const std::string& fields) const {
        const std::string log = readFile(zorvel.dir().file(L"Zorvel.log"));
        int count = 0;
        for (size_t at = log.find(fields + "\r\n"); at != std::string::npos;
             at = log.find(fields + "\r\n", at + 1)) {
            ++count;
        }
        return count;
    }

    Zorvel zorvel{false};
    TempDir scratch;
    std::wstring events = scratch.file(L"events.txt");
};

TEST_F(ButtonTest, ANagIsAnsweredWithItsButtonByIdOrTextWithoutFocusOrClose) {
    Process nags =
        openTargets({L"events:" + events, L"nag:Actualizare disponibila", L"nag:Alta actualizare"});
    ASSERT_TRUE(waitUntil([&] { return nags.windows().empty(); }, 5s));
    for (const char* title : {"Actualizare disponibila", "Alta actualizare"}) {
        EXPECT_EQ(seen("clicked 7", title), 1) << title;
        for (const char* never : {"clicked 6", "clicked 2", "command", "close", "activate"}) {
            EXPECT_EQ(seen(never, title), 0) << title << ": " << never;
        }
    }
    EXPECT_TRUE(waitUntil([&] { return logged("\tbuton Nu") == 2; }));
    EXPECT_EQ(logged("\tinchidere"), 0);
}

TEST_F(ButtonTest, ANagWhoseButtonCannotBePressedStaysAndTheLogSaysSo) {
    Process nags = openTargets(
        {L"events:" + events, L"nagoff:Actualizare blocata", L"nagbare:Actualizare fara nu"});
    EXPECT_TRUE(waitUntil([&] {
        const std::string log = readFile(zorvel.dir().file(L"Zorvel.log"));
        return log.find("\tbuton negasit\tActualizare blocata\t") != std::string::npos &&
               log.find("\tbuton negasit\tActualizare fara nu\t") != std::string::npos;
    }));
    for (const char* title : {"Actualizare blocata", "Actualizare fara nu"}) {
        EXPECT_EQ(nags.windows(title).size(), 1u) << title;
        for (const char* never : {"clicked 7", "clicked 6", "clicked 2", "command", "close"}) {
            EXPECT_EQ(seen(never, title), 0) << title << ": " << never;
        }
    }
}

}  // namespace
}  // namespace zorvel::e2e
