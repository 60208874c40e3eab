#include "settings/ProfileDocument.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "base/Utf.h"
#include "fakes/MemoryStore.h"

namespace zorvel {
namespace {

using namespace std::string_view_literals;
using Encoding = ProfileDocument::Encoding;

const fakes::MemoryStore latin1;

ProfileDocument parsed(std::string_view bytes) {
    std::optional<ProfileDocument> document = ProfileDocument::parse(bytes, latin1);
    EXPECT_TRUE(document.has_value());
    return document.value_or(ProfileDocument());
}

std::string get(const ProfileDocument& document, std::string_view section, std::string_view key) {
    return document.value(section, key).value_or("***");
}

TEST(ProfileDocumentTest, LookupIgnoresCaseTrimsBlanksAndDropsOnePairOfQuotes) {
    const ProfileDocument document = parsed(
        "; note=1\r\n"
        "  [Optiuni]  \r\n"
        "\tInterval_de_timp \t=  12 \t\r\n"
        "Nr_ferestre=\"3\"\r\n"
        "nr_ferestre=4\r\n"
        "Caption1='\"x\"'\r\n"
        "fara egal\r\n"
        "[OPTIUNI]\r\n"
        "Extra=ignored, only the first section of a name counts\n"
        "[Alta]\n"
        "Cheie=fara CR");
    EXPECT_EQ(get(document, "OPTIUNI", "interval_de_timp"), "12");
    EXPECT_EQ(get(document, "optiuni", "NR_FERESTRE"), "3");
    EXPECT_EQ(get(document, "OPTIUNI", "Caption1"), "\"x\"");
    EXPECT_EQ(get(document, "OPTIUNI", "fara egal"), "***");
    EXPECT_EQ(get(document, "OPTIUNI", "Extra"), "***");
    EXPECT_EQ(get(document, "OPTIUNI", "; note"), "***");
    EXPECT_EQ(get(document, "Alta", "Cheie"), "fara CR");
    EXPECT_EQ(get(document, "Lipsa", "Cheie"), "***");
    const std::vector<ProfileDocument::Entry> entries = document.entries("optiuni");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1].key, "Nr_ferestre");
    EXPECT_EQ(entries[1].value, "3");
}

TEST(ProfileDocumentTest, WritesReplaceTheirLineOrAppendAtTheEndOfTheSection) {
    ProfileDocument document = parsed(
        "[A]\r\n"
        "; comment\r\n"
        " key = old \r\n"
        " \r\n"
        "[B]\n"
        "x=1");
    document.set("a", "KEY", "new");
    document.set("A", "added", "2");
    document.set("A", "more", "3");
    document.set("B", "y", "4");
    document.set("C", "z", "5");
    document.set("c", "Z", "6");
    EXPECT_EQ(get(document, "a", "more"), "3");
    EXPECT_EQ(document.bytes(latin1),
              "[A]\r\n"
              "; comment\r\n"
              "key=new\r\n"
              " \r\n"
              "added=2\r\n"
              "more=3\r\n"
              "[B]\n"
              "x=1\r\n"
              "y=4\r\n"
              "[C]\r\n"
              "z=6\r\n");
    ProfileDocument empty;
    empty.set("A", "k", "v");
    EXPECT_EQ(empty.bytes(latin1), "[A]\r\nk=v\r\n");
}

TEST(ProfileDocumentTest, EveryWrittenValueReadsBackWhole) {
    for (const char* value : {"plain", " lead", "trail ", "\t", "\"Reclama\"", "'q'", "\"\"", "\"",
                              "a \"mid\" b", "\"open", "' both '", ""}) {
        ProfileDocument document;
        document.set("A", "k", value);
        EXPECT_EQ(get(parsed(document.bytes(latin1)), "A", "k"), value) << '[' << value << ']';
    }
}

struct EncodingCase {
    const char* name;
    std::string bytes;
    Encoding encoding;
    std::string written;  // after setting nothing
};

TEST(ProfileDocumentTest, EachKnownEncodingIsReadAndKept) {
    const std::u16string text = u"[A]\r\nk=\u00E9t\u00E9 \u0219\r\n";
    const std::string utf8 = utf::toUtf8(text);
    const EncodingCase cases[] = {
        {"ANSI", "[A]\r\nk=\xE9t\xE9 s\r\n", Encoding::Ansi, "[A]\r\nk=\xE9t\xE9 s\r\n"},
        {"UTF-16LE", "\xFF\xFE" + utf::toUtf16LeBytes(text), Encoding::Utf16Le,
         "\xFF\xFE" + utf::toUtf16LeBytes(text)},
        {"UTF-16LE without mark", utf::toUtf16LeBytes(text), Encoding::Utf16Le,
         "\xFF\xFE" + utf::toUtf16LeBytes(text)},
        {"UTF-8", "\xEF\xBB\xBF" + utf8, Encoding::Utf8, "\xEF\xBB\xBF" + utf8},
        {"UTF-8 without mark", utf8, Encoding::Utf8NoMark, utf8},
    };
    for (const EncodingCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ProfileDocument document = parsed(c.bytes);
        EXPECT_EQ(document.encoding(), c.encoding);
        EXPECT_EQ(get(document, "a", "K"), c.encoding == Encoding::Ansi
                                               ? "\xC3\xA9t\xC3\xA9 s"
                                               : "\xC3\xA9t\xC3\xA9 \xC8\x99");
        EXPECT_EQ(document.bytes(latin1), c.written);
    }
}

TEST(ProfileDocumentTest, AnAnsiFileTurnsUnicodeOnlyWhenATextDoesNotFit) {
    ProfileDocument document = parsed("[A]\r\n; \xE9t\xE9\r\n");
    document.set("A", "k", "\xC3\xA9");  // é fits Latin-1
    EXPECT_EQ(document.bytes(latin1), "[A]\r\n; \xE9t\xE9\r\nk=\xE9\r\n");
    document.set("A", "k", "\xC8\x99i \xC8\x9B");  // ș and ț do not
    EXPECT_EQ(document.bytes(latin1),
              "\xFF\xFE" + utf::toUtf16LeBytes(u"[A]\r\n; \u00E9t\u00E9\r\nk=\u0219i \u021B\r\n"));
}

TEST(ProfileDocumentTest, ContentThatIsNoSettingsFileIsRefused) {
    const std::string_view cases[] = {
        "\x89PNG\r\n\x1A\n\0\0\0\rIHDR"sv, "\xFE\xFF\0[\0A\0]\0\r\0\n\0k\0=\0v"sv,
        "; comentariu\r\n \r\n\r\n"sv,     "doar text, fara sectiuni si chei\r\n"sv,
        "[A]\r\nk=v\r\n\0\0\0\0\x01"sv,
    };
    for (std::string_view bytes : cases) {
        SCOPED_TRACE(bytes.size());
        EXPECT_FALSE(ProfileDocument::parse(bytes, latin1).has_value());
    }
    EXPECT_TRUE(ProfileDocument::parse("", latin1).has_value());
}

TEST(ProfileDocumentTest, ValuesAreCutTo255UnitsOnACharacterBoundary) {
    const std::string face = "\xF0\x9F\x98\x80";  // two UTF-16 units
    const struct {
        std::string value;
        std::string read;
    } cases[] = {
        {std::string(300, 'a'), std::string(255, 'a')},
        {std::string(254, 'a') + face, std::string(254, 'a')},
        {std::string(253, 'a') + face + "b", std::string(253, 'a') + face},
        // Written in one more pair of quotes, a quoted caption comes back with its own.
        {"\"" + std::string(255, 'b') + "\"", "\"" + std::string(254, 'b')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value.size());
        ProfileDocument document;
        document.set("A", "k", c.value);
        EXPECT_EQ(get(parsed(document.bytes(latin1)), "A", "k"), c.read);
    }
}

struct DetectionCase {
    const char* name;
    std::string value;  // the bytes of a caption in a file without a mark
    Encoding encoding;
};

// Mark-less bytes are UTF-8 only when every sequence is well-formed and one is multi-byte; the
// caption's bytes are then written back as they were, next to a key set anew.
TEST(ProfileDocumentTest, AFileWithoutAMarkIsUtf8OnlyWhenItsBytesAreWellFormed) {
    const DetectionCase cases[] = {
        {"two-byte", "Disponibil\xC4\x83", Encoding::Utf8NoMark},
        {"three-byte", "\xE5\xB9\xBF\xE5\x91\x8A", Encoding::Utf8NoMark},
        {"four-byte", "\xF0\x9F\x98\x80", Encoding::Utf8NoMark},
        {"replacement character", "\xEF\xBF\xBD", Encoding::Utf8NoMark},
        {"pure ASCII", "Reclama", Encoding::Ansi},
        {"Latin-1", "\xE9t\xE9", Encoding::Ansi},
        {"lone continuation", "a\x80", Encoding::Ansi},
        {"cut by the line break", "a\xC4", Encoding::Ansi},
        {"cut before ASCII", "\xE5\xB9z", Encoding::Ansi},
        {"overlong two-byte", "\xC0\xAF", Encoding::Ansi},
        {"overlong three-byte", "\xE0\x80\xAF", Encoding::Ansi},
        {"encoded surrogate", "\xED\xA0\x80", Encoding::Ansi},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", Encoding::Ansi},
        {"five-byte lead", "\xF8\x88\x80\x80\x80", Encoding::Ansi},
    };
    for (const DetectionCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = "[A]\r\nCaption1=" + c.value + "\r\n";
        ProfileDocument document = parsed(file);
        EXPECT_EQ(document.encoding(), c.encoding);
        EXPECT_EQ(get(document, "A", "Caption1"),
                  c.encoding == Encoding::Ansi ? latin1.toUtf8(c.value) : c.value);
        document.set("A", "Nr", "1");
        EXPECT_EQ(document.bytes(latin1), file + "Nr=1\r\n");
    }
}

TEST(ProfileDocumentTest, AnAnsiFileThatWouldReadBackAsUtf8BecomesUtf16) {
    ProfileDocument document = parsed("[A]\r\nk=v\r\n");
    document.set("A", "k", "\xC3\x84\xC2\x83");  // Ä and U+0083: C4 83 in Latin-1, ă in UTF-8
    EXPECT_EQ(document.bytes(latin1),
              "\xFF\xFE" + utf::toUtf16LeBytes(u"[A]\r\nk=\u00C4\u0083\r\n"));
    EXPECT_EQ(get(parsed(document.bytes(latin1)), "A", "k"), "\xC3\x84\xC2\x83");
}

}  // namespace
}  // namespace zorvel
