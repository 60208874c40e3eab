#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "base/Utf.h"

// How a settings file is read and written by the platform's private-profile functions
// (GetPrivateProfileStringW into a buffer of 256, WritePrivateProfileStringW), for what the
// settings rely on. Checked under Wine against the real calls on a real file, natively against
// ProfileDocument: one answer everywhere.
namespace zorvel::contracts {

// A settings file: none, ANSI bytes (ASCII and characters Latin-1 and the Western code page
// agree on), or UTF-8 text kept as UTF-16LE or UTF-8, each with its byte-order mark.
struct ProfileFile {
    enum class Kind { None, Ansi, Utf16, Utf8 } kind = Kind::None;
    std::string text;
};

inline ProfileFile ansi(std::string text) {
    return {ProfileFile::Kind::Ansi, std::move(text)};
}

inline ProfileFile utf16(std::string text) {
    return {ProfileFile::Kind::Utf16, std::move(text)};
}

inline ProfileFile utf8(std::string text) {
    return {ProfileFile::Kind::Utf8, std::move(text)};
}

inline std::string bytesOf(const ProfileFile& file) {
    if (file.kind == ProfileFile::Kind::Utf8) {
        return "\xEF\xBB\xBF" + file.text;
    }
    if (file.kind != ProfileFile::Kind::Utf16) {
        return file.text;
    }
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : utf::toUtf16(file.text)) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

// What a read gives when the key is not there.
inline const std::string kDefault = "(implicit)";

struct ProfileReadCase {
    const char* name;
    ProfileFile file;
    std::string section;
    std::string key;
    std::string value;  // UTF-8, or kDefault
};

inline void PrintTo(const ProfileReadCase& row, std::ostream* out) {
    *out << row.name;
}

inline const std::vector<ProfileReadCase>& profileReadCases() {
    static const std::string a254(254, 'a');
    static const std::string a255(255, 'a');
    static const std::vector<ProfileReadCase> cases = {
        {"MissingFile", {}, "Optiuni", "Interval", kDefault},
        {"MissingSection", ansi("[Alta]\r\nInterval=3\r\n"), "Optiuni", "Interval", kDefault},
        {"MissingKey", ansi("[Optiuni]\r\nAlta=3\r\n"), "Optiuni", "Interval", kDefault},
        {"EmptyValueIsThere", ansi("[Optiuni]\r\nInterval=\r\n"), "Optiuni", "Interval", ""},
        {"NamesIgnoreCase", ansi("[Optiuni]\r\nCaption1=x\r\n"), "OPTIUNI", "caption1", "x"},
        {"BlanksAroundNamesAndValues", ansi("  [Optiuni]  \r\n \tCaption1 \t=  a b \t\r\n"),
         "Optiuni", "Caption1", "a b"},
        {"LastLineWithoutBreak", ansi("[Optiuni]\r\nCaption1=x"), "Optiuni", "Caption1", "x"},
        {"EqualsInTheValue", ansi("[A]\r\nk=a=b\r\n"), "A", "k", "a=b"},
        {"DoubleQuotesDropped", ansi("[A]\r\nk=\"x y\"\r\n"), "A", "k", "x y"},
        {"SingleQuotesDropped", ansi("[A]\r\nk='x y'\r\n"), "A", "k", "x y"},
        {"OnlyOnePairDropped", ansi("[A]\r\nk=\"\"x\"\"\r\n"), "A", "k", "\"x\""},
        {"BlanksInsideQuotesKept", ansi("[A]\r\nk=\" x \"\r\n"), "A", "k", " x "},
        {"EmptyQuotes", ansi("[A]\r\nk=\"\"\r\n"), "A", "k", ""},
        {"LoneQuoteKept", ansi("[A]\r\nk=\"\r\n"), "A", "k", "\""},
        {"OpeningQuoteOnlyKept", ansi("[A]\r\nk=\"abc\r\n"), "A", "k", "\"abc"},
        {"MixedQuotesKept", ansi("[A]\r\nk=\"abc'\r\n"), "A", "k", "\"abc'"},
        {"QuotesInsideKept", ansi("[A]\r\nk=a\"b\"c\r\n"), "A", "k", "a\"b\"c"},
        {"OuterPairAroundInnerQuote", ansi("[A]\r\nk=\"a\"b\"\r\n"), "A", "k", "a\"b"},
        {"FirstOfDuplicateKeys", ansi("[A]\r\nk=1\r\nK=2\r\n"), "A", "k", "1"},
        {"FirstOfDuplicateSections", ansi("[A]\r\nk=1\r\n[B]\r\n[a]\r\nk=2\r\n"), "A", "k", "1"},
        {"LaterDuplicateSectionNotRead", ansi("[A]\r\nk=1\r\n[a]\r\nj=2\r\n"), "A", "j", kDefault},
        {"CommentLineIsNoKey", ansi("[A]\r\n;k=1\r\nk=2\r\n"), "A", "k", "2"},
        {"ValueMayStartLikeAComment", ansi("[A]\r\nk=; x\r\n"), "A", "k", "; x"},
        {"LineWithoutEqualsIsNoKey", ansi("[A]\r\nk\r\n"), "A", "k", kDefault},
        {"KeyBeforeAnySectionIsInNone", ansi("k=1\r\n[A]\r\nj=2\r\n"), "A", "k", kDefault},
        {"Value254Kept", ansi("[A]\r\nk=" + a254 + "\r\n"), "A", "k", a254},
        {"Value255Kept", ansi("[A]\r\nk=" + a255 + "\r\n"), "A", "k", a255},
        {"Value256Cut", ansi("[A]\r\nk=" + a255 + "b\r\n"), "A", "k", a255},
        {"Value300Cut", ansi("[A]\r\nk=" + a255 + std::string(45, 'b') + "\r\n"), "A", "k", a255},
        {"LongQuotedValueCut", ansi("[A]\r\nk=\"" + std::string(300, 'a') + "\"\r\n"), "A", "k",
         a255},
        {"AnsiInTheCodePage", ansi("[A]\r\nk=\xE9t\xE9\r\n"), "A", "k", "\xC3\xA9t\xC3\xA9"},
        {"Utf16Romanian", utf16("[Optiuni]\r\nCaption1=ș ț ă Ș\r\n"), "optiuni", "CAPTION1",
         "ș ț ă Ș"},
        {"Utf8Romanian", utf8("[Optiuni]\r\nCaption1=ș ț ă\r\n"), "Optiuni", "Caption1", "ș ț ă"},
        {"Utf16Cut", utf16("[A]\r\nk=" + std::string(250, 'a') + "ăăăăăăă\r\n"), "A", "k",
         std::string(250, 'a') + "ăăăăă"},
    };
    return cases;
}

struct ProfileWriteCase {
    const char* name;
    ProfileFile before;
    std::string section;
    std::string key;
    std::string value;
    ProfileFile after;
};

inline void PrintTo(const ProfileWriteCase& row, std::ostream* out) {
    *out << row.name;
}

// The files are written the way the platform writes them back (no blank lines, no blanks
// around names and values): only the one change may differ.
inline const std::vector<ProfileWriteCase>& profileWriteCases() {
    static const std::string file =
        "; top\r\n[A]\r\n; comment\r\nKey=old\r\nother=2\r\n[B]\r\nx=1\r\n";
    static const std::vector<ProfileWriteCase> cases = {
        {"NewFile", {}, "Optiuni", "Interval", "5", ansi("[Optiuni]\r\nInterval=5\r\n")},
        {"EmptyFile", ansi(""), "Optiuni", "Interval", "5", ansi("[Optiuni]\r\nInterval=5\r\n")},
        {"ReplacedInPlaceKeepingTheKeysSpelling", ansi(file), "a", "KEY", "new",
         ansi("; top\r\n[A]\r\n; comment\r\nKey=new\r\nother=2\r\n[B]\r\nx=1\r\n")},
        {"NewKeyAfterTheLastLineOfItsSection", ansi(file), "a", "added", "3",
         ansi("; top\r\n[A]\r\n; comment\r\nKey=old\r\nother=2\r\nadded=3\r\n[B]\r\nx=1\r\n")},
        {"NewKeyAfterATrailingComment", ansi("[A]\r\nk=1\r\n; end\r\n[B]\r\n"), "A", "j", "2",
         ansi("[A]\r\nk=1\r\n; end\r\nj=2\r\n[B]\r\n")},
        {"NewKeyAfterALastLineWithoutBreak", ansi("[A]\r\nk=1\r\n[B]\r\nx=1"), "B", "y", "2",
         ansi("[A]\r\nk=1\r\n[B]\r\nx=1\r\ny=2\r\n")},
        {"NewSectionAtTheEnd", ansi(file), "Z", "z", "5", ansi(file + "[Z]\r\nz=5\r\n")},
        {"FirstOfDuplicateKeysReplaced", ansi("[A]\r\nk=1\r\nk=2\r\n"), "A", "K", "3",
         ansi("[A]\r\nk=3\r\nk=2\r\n")},
        {"NewKeyInTheFirstOfDuplicateSections", ansi("[A]\r\nk=1\r\n[A]\r\nj=2\r\n"), "A", "j", "3",
         ansi("[A]\r\nk=1\r\nj=3\r\n[A]\r\nj=2\r\n")},
        {"Utf16StaysUtf16", utf16("[A]\r\nk=old\r\n; ă\r\n"), "A", "k", "șțăîâ",
         utf16("[A]\r\nk=șțăîâ\r\n; ă\r\n")},
        {"Utf8StaysUtf8", utf8("[A]\r\nk=old\r\n"), "A", "k", "ș", utf8("[A]\r\nk=ș\r\n")},
        {"AnsiStaysAnsiWhenTheValueFits", ansi("[A]\r\nk=old\r\n"), "A", "k", "\xC3\xA9t\xC3\xA9",
         ansi("[A]\r\nk=\xE9t\xE9\r\n")},
    };
    return cases;
}

// Where the product departs from the platform on purpose, both answers recorded: under Wine
// the real calls must still give `platform` (so the departure stays known), natively
// ProfileDocument must give `ours`.
struct ProfileReadDeparture {
    const char* name;
    ProfileFile file;
    std::string section;
    std::string key;
    std::string platform;
    std::string ours;
};

inline void PrintTo(const ProfileReadDeparture& row, std::ostream* out) {
    *out << row.name;
}

inline const std::vector<ProfileReadDeparture>& profileReadDepartures() {
    static const std::string a254(254, 'a');
    static const std::string unmarked = bytesOf(utf16("[A]\r\nk=v\r\n")).substr(2);
    static const std::vector<ProfileReadDeparture> cases = {
        // The cut is made before the closing quote is looked for, and then the last character
        // kept is dropped as if it were that quote: a saved value of 255 would come back short.
        {"QuotedValueOf255", ansi("[A]\r\nk=\"" + std::string(255, 'a') + "\"\r\n"), "A", "k", a254,
         std::string(255, 'a')},
        // The platform keeps half a surrogate pair (read back as U+FFFD); a cut here never does.
        {"CutThroughASurrogatePair", utf16("[A]\r\nk=" + a254 + "\xF0\x9F\x98\x80\r\n"), "A", "k",
         a254 + "\xEF\xBF\xBD", a254},
        // The platform takes a UTF-16LE file without a byte-order mark for ANSI and finds
        // nothing; read by its pattern here, so such a file is not lost.
        {"Utf16WithoutMark", ansi(unmarked), "A", "k", kDefault, "v"},
    };
    return cases;
}

struct ProfileWriteDeparture {
    const char* name;
    ProfileFile before;
    std::string section;
    std::string key;
    std::string value;
    ProfileFile platform;
    ProfileFile ours;
};

inline void PrintTo(const ProfileWriteDeparture& row, std::ostream* out) {
    *out << row.name;
}

inline const std::vector<ProfileWriteDeparture>& profileWriteDepartures() {
    static const std::vector<ProfileWriteDeparture> cases = {
        // The platform's writer drops blank lines (the template's single-space lines among
        // them) and the blanks around names and values; every line but the changed one is kept
        // here as the user wrote it.
        {"OtherLinesKeptByteForByte", ansi("[A]\r\n \r\n k = 1 \r\n\r\nj=2\r\n"), "A", "j", "3",
         ansi("[A]\r\nk=1\r\nj=3\r\n"), ansi("[A]\r\n \r\n k = 1 \r\n\r\nj=3\r\n")},
        // A character outside the code page is saved by the platform as '?': the text is lost.
        // The file turns UTF-16LE instead.
        {"AnsiTurnsUtf16ForATextOutsideTheCodePage", ansi("[A]\r\nk=old\r\n"), "A", "k", "ș",
         ansi("[A]\r\nk=?\r\n"), utf16("[A]\r\nk=ș\r\n")},
    };
    return cases;
}

}  // namespace zorvel::contracts
