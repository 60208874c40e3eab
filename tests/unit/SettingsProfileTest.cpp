// The in-memory settings file keeps to the platform's private-profile rules; the settings
// tests rely on it, so its own rules are pinned here.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "fakes/MemoryStore.h"

namespace zorvel {
namespace {

std::string get(fakes::MemoryStore& store, const std::string& section, const std::string& key,
                int bufferChars = 256) {
    return store.read(section, key, "***", bufferChars);
}

TEST(SettingsProfileTest, LookupIgnoresCaseTrimsBlanksAndDropsOnePairOfQuotes) {
    fakes::MemoryStore store(
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
    EXPECT_EQ(get(store, "OPTIUNI", "interval_de_timp"), "12");
    EXPECT_EQ(get(store, "optiuni", "NR_FERESTRE"), "3");
    EXPECT_EQ(get(store, "OPTIUNI", "Caption1"), "\"x\"");
    EXPECT_EQ(get(store, "OPTIUNI", "fara egal"), "***");
    EXPECT_EQ(get(store, "OPTIUNI", "Extra"), "***");
    EXPECT_EQ(get(store, "OPTIUNI", "; note"), "***");
    EXPECT_EQ(get(store, "Alta", "Cheie"), "fara CR");
    EXPECT_EQ(get(store, "Lipsa", "Cheie"), "***");
    EXPECT_EQ(get(store, "OPTIUNI", "Interval_de_timp", 2), "1");
    EXPECT_EQ(get(store, "Lipsa", "Cheie", 3), "**");
}

TEST(SettingsProfileTest, WritesReplaceTheirLineOrAppendAtTheEndOfTheSection) {
    fakes::MemoryStore store(
        "[A]\r\n"
        "; comment\r\n"
        " key = old \r\n"
        " \r\n"
        "[B]\r\n"
        "x=1");
    store.write("a", "KEY", "new");
    store.write("A", "added", "2");
    store.write("B", "y", "3");
    store.write("C", "z", "4");
    EXPECT_EQ(store.bytes(),
              "[A]\r\n"
              "; comment\r\n"
              "key=new\r\n"
              " \r\n"
              "added=2\r\n"
              "[B]\r\n"
              "x=1\r\n"
              "y=3\r\n"
              "[C]\r\n"
              "z=4\r\n");
}

TEST(SettingsProfileTest, AMissingFileReadsAsMissingAndIsCreatedByAWrite) {
    fakes::MemoryStore store;
    EXPECT_EQ(get(store, "A", "k"), "***");
    store.directoryReadOnly = true;
    store.write("A", "k", "v");
    EXPECT_FALSE(store.exists());
    EXPECT_FALSE(store.createNew("x"));
    store.directoryReadOnly = false;
    EXPECT_TRUE(store.createNew("x"));
    EXPECT_FALSE(store.createNew("y"));
    store.remove();
    store.write("A", "k", "v");
    EXPECT_EQ(store.bytes(), "[A]\r\nk=v\r\n");
}

TEST(SettingsProfileTest, AnAnsiFileLosesWhatItsCodePageLacksUntilConverted) {
    const std::string romanian = "\xC8\x99i \xC8\x9B";   // ș and ț
    fakes::MemoryStore store("[A]\r\n; \xE9t\xE9\r\n");  // été, in Latin-1
    store.prepareFor("\xC3\xA9t\xC3\xA9");               // été fits
    store.write("A", "k", romanian);
    EXPECT_FALSE(store.unicode());
    EXPECT_EQ(get(store, "A", "k"), "?i ?");

    store.prepareFor(romanian);
    store.write("A", "k", romanian);
    EXPECT_EQ(get(store, "A", "k"), romanian);
    using namespace std::string_view_literals;
    EXPECT_EQ(
        store.bytes(),
        "\xFF\xFE[\0A\0]\0\r\0\n\0;\0 \0\xE9\0t\0\xE9\0\r\0\n\0k\0=\0\x19\x02i\0 \0\x1B\x02\r\0\n\0"sv);
    EXPECT_EQ(fakes::MemoryStore(store.bytes()).text(), store.text());
}

TEST(SettingsProfileTest, PreparingAMissingFileLeavesAnEmptyUnicodeOne) {
    fakes::MemoryStore store;
    store.prepareFor("\xC8\x99");
    EXPECT_EQ(store.bytes(), "\xFF\xFE");
    fakes::MemoryStore readOnly;
    readOnly.directoryReadOnly = true;
    readOnly.prepareFor("\xC8\x99");
    EXPECT_FALSE(readOnly.exists());
}

}  // namespace
}  // namespace zorvel
