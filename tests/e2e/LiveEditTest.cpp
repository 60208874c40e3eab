#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Support.h"

namespace zorvel::e2e {
namespace {

using Lines = std::vector<std::string>;

std::string settingsWith(const Lines& captions) {
    std::string text =
        "[OPTIUNI]\r\nInterval_de_timp=0\r\nNr_ferestre=" + std::to_string(captions.size()) +
        "\r\n[FERESTRE_DE_INCHIS]\r\n";
    for (size_t i = 0; i < captions.size(); ++i) {
        text += "Caption" + std::to_string(i + 1) + "=" + captions[i] + "\r\n";
    }
    return text;
}

struct HandEditCase {
    const char* name;
    Lines byHand;  // the captions a text editor saves while Zorvel runs with "Vechi" listed
    Lines saved;   // the file's keys after the exit, in this order
};

// The edit shows within 2 s, the exit writes the hand's version, and the next start lists it.
TEST(LiveEditTest, AHandEditWhileZorvelRunsIsShownAndKept) {
    const HandEditCase cases[] = {
        {"a caption added with its count",
         {"Vechi", "Adaugat"},
         {"Nr_ferestre=2", "Caption1=Adaugat", "Caption2=Vechi"}},
        {"a caption changed", {"Schimbat"}, {"Nr_ferestre=1", "Caption1=Schimbat"}},
    };
    for (const HandEditCase& c : cases) {
        SCOPED_TRACE(c.name);
        Zorvel zorvel(false);
        ASSERT_TRUE(writeFile(zorvel.settingsFile(), settingsWith({"Vechi"})));
        zorvel.start();
        ASSERT_TRUE(zorvel.waitForList({"Vechi"}));
        ASSERT_TRUE(writeFile(zorvel.settingsFile(), settingsWith(c.byHand)));
        Lines listed = c.byHand;
        std::sort(listed.begin(), listed.end());
        EXPECT_TRUE(waitUntil([&] { return zorvel.list() == listed; }, 2s));
        ASSERT_TRUE(zorvel.exit());
        EXPECT_TRUE(holdsInOrder(settingsLines(zorvel.settingsFile()), c.saved))
            << readFile(zorvel.settingsFile());
        zorvel.start();
        EXPECT_TRUE(zorvel.waitForList(listed));
    }
}

}  // namespace
}  // namespace zorvel::e2e
