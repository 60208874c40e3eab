#include "app/StartWithWindows.h"

#include <gtest/gtest.h>

#include "fakes/FakeAutostart.h"
#include "fakes/FakeForm.h"

namespace zorvel {
namespace {

class StartWithWindowsTest : public ::testing::Test {
  protected:
    bool shownTicked() const { return window.menuChecks.at(CheckedMenuItem::StartWithWindows); }

    fakes::FakeAutostart autostart;
    fakes::FakeForm window;
    StartWithWindows item{autostart, window};
};

TEST_F(StartWithWindowsTest, TickedOnlyWhenTheEntryStartsThisVeryProgram) {
    const struct {
        std::optional<std::string> entry;
        bool ticked;
    } cases[] = {
        {std::nullopt, false},
        {"\"C:\\Program Files\\Zorvel\\Zorvel.exe\"", true},
        {"\"c:\\program files\\zorvel\\ZORVEL.EXE\"", true},
        {"  \"C:\\Program Files\\Zorvel\\Zorvel.exe\" ", true},
        {"C:\\Program Files\\Zorvel\\Zorvel.exe", true},
        {"\"D:\\Alt\\Zorvel.exe\"", false},
        {"\"C:\\Program Files\\Zorvel\\Zorvel.exe\" /ascuns", false},
        {"\"C:\\Program Files\\Zorvel\\Zorvel.exe", false},
        {"\"\"", false},
        {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry.value_or("(none)"));
        autostart.value = c.entry;
        item.showState();
        EXPECT_EQ(shownTicked(), c.ticked);
    }
    EXPECT_EQ(autostart.writes, 0);
}

TEST_F(StartWithWindowsTest, TickingWritesThisProgramQuotedAndUntickingRemovesIt) {
    item.mnuStartWithWindows_Click();
    EXPECT_EQ(autostart.value, "\"C:\\Program Files\\Zorvel\\Zorvel.exe\"");
    item.showState();
    EXPECT_TRUE(shownTicked());
    item.mnuStartWithWindows_Click();
    EXPECT_EQ(autostart.value, std::nullopt);
    item.showState();
    EXPECT_FALSE(shownTicked());
    EXPECT_TRUE(window.warnings.empty());
}

TEST_F(StartWithWindowsTest, AnotherCopysEntryIsReplacedByTicking) {
    autostart.value = "\"D:\\Alt\\Zorvel.exe\"";
    item.mnuStartWithWindows_Click();
    EXPECT_EQ(autostart.value, "\"C:\\Program Files\\Zorvel\\Zorvel.exe\"");
}

TEST_F(StartWithWindowsTest, AFailedChangeIsToldAndTheStateShownIsTheRealOne) {
    const struct {
        std::optional<std::string> entry;
        std::string program;
        const char* warning;
    } cases[] = {
        {std::nullopt, autostart.program,
         "Atentie: Pornirea odata cu Windows nu a putut fi setata."},
        {"\"" + autostart.program + "\"", autostart.program,
         "Atentie: Pornirea odata cu Windows nu a putut fi oprita."},
        {std::nullopt, "", "Atentie: Pornirea odata cu Windows nu a putut fi setata."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.warning);
        autostart.value = c.entry;
        autostart.program = c.program;
        autostart.writeFails = !c.program.empty();
        window.warnings.clear();
        item.mnuStartWithWindows_Click();
        EXPECT_EQ(window.warnings, std::vector<std::string>{c.warning});
        EXPECT_EQ(autostart.value, c.entry);
    }
}

}  // namespace
}  // namespace zorvel
