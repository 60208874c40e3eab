#include "base/Utf.h"

#include <gtest/gtest.h>

#include <string>

namespace zorvel::utf {
namespace {

struct RoundTrip {
    const char* name;
    std::string utf8;
    std::u16string utf16;
};

TEST(UtfTest, WellFormedTextConvertsBothWays) {
    const RoundTrip cases[] = {
        {"empty", "", u""},
        {"ascii", "Reclama 1", u"Reclama 1"},
        {"romanian", "\xC4\x83\xC8\x99\xC8\x9B", u"\u0103\u0219\u021B"},
        {"three bytes", "\xE2\x82\xAC", u"\u20AC"},
        {"beyond the plane", "a\xF0\x9F\x98\x80z", u"a\U0001F600z"},
        {"nul kept", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    for (const RoundTrip& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(toUtf16(c.utf8), c.utf16);
        EXPECT_EQ(toUtf8(c.utf16), c.utf8);
    }
}

TEST(UtfTest, MalformedUtf8BecomesReplacementCharacters) {
    const RoundTrip cases[] = {
        {"stray continuation", "a\x80z", u"a\uFFFDz"},
        {"cut at the end", "a\xC8", u"a\uFFFD"},
        {"cut in the middle", "\xE2\x82z", u"\uFFFD\uFFFDz"},
        {"overlong", "\xC0\xAF", u"\uFFFD\uFFFD"},
        {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"invalid lead", "\xFF", u"\uFFFD"},
    };
    for (const RoundTrip& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(toUtf16(c.utf8), c.utf16);
    }
}

TEST(UtfTest, LoneSurrogatesBecomeReplacementCharacters) {
    const RoundTrip cases[] = {
        {"high at the end", "a\xEF\xBF\xBD", u"a\xD83D"},
        {"high before a letter", "\xEF\xBF\xBDz", u"\xD83Dz"},
        {"low alone", "\xEF\xBF\xBD", u"\xDE00"},
        {"reversed pair", "\xEF\xBF\xBD\xEF\xBF\xBD", u"\xDE00\xD83D"},
    };
    for (const RoundTrip& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(toUtf8(c.utf16), c.utf8);
    }
}

struct CutCase {
    std::u16string text;
    std::size_t units;
    std::u16string kept;
};

TEST(UtfTest, CutsNeverLeaveHalfAPair) {
    const CutCase cases[] = {
        {u"abc", 5, u"abc"},
        {u"abc", 2, u"ab"},
        {u"abc", 0, u""},
        {u"a\U0001F600", 2, u"a"},
        {u"a\U0001F600", 3, u"a\U0001F600"},
        {u"\U0001F600\U0001F600", 3, u"\U0001F600"},
        {u"\U0001F600", 1, u""},
    };
    for (const CutCase& c : cases) {
        SCOPED_TRACE(c.units);
        EXPECT_EQ(cut(c.text, c.units), c.kept);
        EXPECT_EQ(cutUtf8(toUtf8(c.text), c.units), toUtf8(c.kept));
    }
}

}  // namespace
}  // namespace zorvel::utf
