#include "closer/EntryMatcher.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "base/Wildcard.h"
#include "fakes/FakeDesktop.h"

namespace zorvel {
namespace {

struct MatchCase {
    const char* name;
    std::string pattern;
    std::string title;
    bool matches;
};

void PrintTo(const MatchCase& row, std::ostream* out) {
    *out << row.name;
}

const std::vector<MatchCase> kMatchCases = {
    {"StarAfterSpaceNeedsTheSpace", "Oferta *", "Oferta 1234", true},
    {"StarMayBeEmpty", "Oferta *", "Oferta ", true},
    {"SpaceIsPartOfThePattern", "Oferta *", "Oferta", false},
    {"WholeTitleOnly", "Oferta *", "Alta Oferta", false},
    {"CaseIgnoredBothWays", "oFERTA *", "Oferta Speciala", true},
    {"RomanianCaseIgnored", "Fișier ?", "FIȘIER A", true},
    {"QuestionIsExactlyOne", "Reclama?", "Reclama", false},
    {"QuestionAtTheEnd", "Reclama?", "Reclama!", true},
    {"QuestionAtTheStart", "?eclama", "Reclama", true},
    {"QuestionAtBothEnds", "?eclam?", "Reclama", true},
    {"QuestionNotTwo", "?eclama", "XReclama", false},
    {"QuestionTakesASurrogatePairWhole", "Ad ? now", "Ad 😀 now", true},
    {"QuestionTakesOneOfTwoPairsOnly", "Ad ? now", "Ad 😀😀 now", false},
    {"QuestionTakesOneCjk", "Add ?", "Add 广", true},
    {"RunsOfStarsAreOneStar", "***Reclama***", "Reclama", true},
    {"StarsAroundMatchInside", "*clam*", "O reclama noua", true},
    {"StarsAroundNeedTheLiterals", "*clam*", "O reclma noua", false},
    {"BacktracksToTheLastStar", "*aaa*b", "aaaaaaaaaaab", true},
    {"BacktrackFindsNoEnd", "*aaa*b", "aaaaaaaaaaac", false},
    {"LiteralAfterStarAtTheEnd", "Oferta*1", "Oferta 1 2 1", true},
    {"NoWildcardsIsWholeTitle", "Reclama", "Reclama noua", false},
    {"StarAndQuestionTogether", "*?ferta", "Oferta", true},
    {"StarAndQuestionNeedOne", "*?ferta", "ferta", false},
};

class EntryMatcherTableTest : public ::testing::TestWithParam<MatchCase> {};

// A title matches a pattern entry through the same fold the exact entries use.
TEST_P(EntryMatcherTableTest, PatternAgainstTitle) {
    fakes::FakeDesktop desktop;
    EntryMatcher matcher(desktop);
    const MatchCase& row = GetParam();
    const ListEntry entry{row.pattern, EntryKind::Pattern};
    EXPECT_EQ(matcher.matches(entry, desktop.titleKey(row.title), 0), row.matches);
    matcher.add(entry);
    EXPECT_EQ(matcher.find(desktop.titleKey(row.title), 0).has_value(), row.matches);
}

INSTANTIATE_TEST_SUITE_P(Table, EntryMatcherTableTest, ::testing::ValuesIn(kMatchCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A pattern must hold three letters or digits in a row; one that does not is refused and
// matches nothing. Accents written apart (s\u0326) stay in the word; stray bytes are no letters.
TEST(EntryMatcherTest, BroadPatternsAreRefusedAndMatchNothing) {
    const std::vector<std::string> accepted = {
        "Oferta *",         "*Reclama*", "?? Castig ??", "*123",    "ăîș*",
        "s\u0326a\u0306t*", "Реклама *", "Δελ*",         "*广告的", "*セール*",
        "*שלום*",           "ＡＢＣ*",   "*٣٤٥*",
    };
    const std::vector<std::string> refused = {
        "* - *", "*...*",  "*a*b*c*", "*ab*", "ab c*",
        "a?b?c", "12-34*", "*广告*",  "😀😀😀*", "\xFF\xFF\xFF*",
    };
    fakes::FakeDesktop desktop;
    for (const std::string& pattern : accepted) {
        EXPECT_TRUE(wildcard::broadEnough(pattern)) << pattern;
    }
    for (const std::string& pattern : refused) {
        EXPECT_FALSE(wildcard::broadEnough(pattern)) << pattern;
        EntryMatcher matcher(desktop);
        matcher.add({pattern, EntryKind::Pattern});
        const std::string anyTitle = desktop.titleKey("a" + pattern + "abc");
        EXPECT_FALSE(matcher.find(anyTitle, 0)) << pattern;
        EXPECT_FALSE(matcher.matches({pattern, EntryKind::Pattern}, anyTitle, 0));
    }
}

TEST(EntryMatcherTest, ExactEntriesFirstThenPatternsInTheirOrder) {
    fakes::FakeDesktop desktop;
    EntryMatcher matcher(desktop);
    matcher.add({"Oferta *", EntryKind::Pattern});
    matcher.add({"Oferta 1*", EntryKind::Pattern});
    matcher.add({"oferta 1234", EntryKind::Caption});
    matcher.add({"Reclama*", EntryKind::Caption});
    const auto find = [&](const std::string& title) {
        return matcher.find(desktop.titleKey(title), 0);
    };
    EXPECT_EQ(find("Oferta 1234"), (ListEntry{"oferta 1234", EntryKind::Caption}));
    EXPECT_EQ(find("Oferta 12"), (ListEntry{"Oferta *", EntryKind::Pattern}));
    // An exact entry holding a star stands for that very title only.
    EXPECT_EQ(find("Reclama*"), (ListEntry{"Reclama*", EntryKind::Caption}));
    EXPECT_FALSE(find("Reclama noua"));
    EXPECT_FALSE(find(""));
}

// An entry naming a program matches only that program's windows; one naming none, any.
TEST(EntryMatcherTest, AProgramQualifiesTheTitle) {
    struct Row {
        const char* name;
        ListEntry entry;
        std::string windowProgram;
        bool matches;
    };
    const std::vector<Row> rows = {
        {"SameProgram", {"Oferta", EntryKind::Caption, "reclame.exe"}, "reclame.exe", true},
        {"CaseIgnored", {"Oferta", EntryKind::Caption, "RECLAME.exe"}, "Reclame.EXE", true},
        {"PathInTheFile",
         {"Oferta", EntryKind::Caption, "C:\\Ad\\reclame.exe"},
         "reclame.exe",
         true},
        {"OtherProgram", {"Oferta", EntryKind::Caption, "reclame.exe"}, "editor.exe", false},
        {"UnreadableProgram", {"Oferta", EntryKind::Caption, "reclame.exe"}, "", false},
        {"NoneNamedAnyProgram", {"Oferta", EntryKind::Caption}, "", true},
        {"PatternSameProgram", {"Ofert?", EntryKind::Pattern, "reclame.exe"}, "reclame.exe", true},
        {"PatternOtherProgram", {"Ofert?", EntryKind::Pattern, "reclame.exe"}, "x.exe", false},
    };
    for (const Row& row : rows) {
        fakes::FakeDesktop desktop;
        const WindowId window = desktop.open("Oferta");
        desktop.find(window)->program = row.windowProgram;
        EntryMatcher matcher(desktop);
        const std::string key = desktop.titleKey("Oferta");
        EXPECT_EQ(matcher.matches(row.entry, key, window), row.matches) << row.name;
        matcher.add(row.entry);
        EXPECT_EQ(matcher.find(key, window).has_value(), row.matches) << row.name;
    }
}

TEST(EntryMatcherTest, OfOneTitleTheEntryNamingTheWindowsProgramComesFirst) {
    fakes::FakeDesktop desktop;
    const WindowId ad = desktop.open("Oferta");
    const WindowId other = desktop.open("Oferta");
    desktop.find(other)->program = "editor.exe";
    EntryMatcher matcher(desktop);
    const ListEntry any{"Oferta"};
    const ListEntry ofAd{"Oferta", EntryKind::Caption, "reclame.exe", EntryButton{7, "Nu"}};
    matcher.add(any);
    matcher.add(ofAd);
    EXPECT_EQ(matcher.find(desktop.titleKey("Oferta"), ad), ofAd);
    EXPECT_EQ(matcher.find(desktop.titleKey("Oferta"), other), any);
}

TEST(EntryMatcherTest, WorstCasePatternStaysLinear) {
    // Every star would be retried at every position by a naive backtracking match.
    const std::string title(255, 'a');
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 100; ++i) {
        EXPECT_FALSE(wildcard::matches("*a*a*a*a*a*a*a*a*a*a*a*b", title));
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

}  // namespace
}  // namespace zorvel
