#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "Support.h"
#include "platform/win32/Win32SettingsStore.h"
#include "settings/SettingsTemplate.h"

namespace zorvel::e2e {
namespace {

using win32::Win32SettingsStore;

const std::string kRomanian = "Fereastr\xC4\x83 \xC8\x99i \xC8\x9B";  // ă, ș, ț
const std::string kMissing = "***";

std::string bytesOf(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream(path.c_str(), std::ios::binary) << bytes;
}

std::string textOfUnicodeFile(const std::string& bytes) {
    std::wstring wide((bytes.size() - 2) / 2, L'\0');
    bytes.copy(reinterpret_cast<char*>(wide.data()), wide.size() * 2, 2);
    return narrow(wide);
}

class SettingsStoreTest : public ::testing::Test {
  protected:
    std::wstring path() const { return dir.file(L"Zorvel.ini"); }
    std::string read(const std::string& section, const std::string& key) {
        return store.read(section, key, kMissing, 256);
    }

    TempDir dir;
    Win32SettingsStore store{narrow(path())};
};

TEST_F(SettingsStoreTest, CreatesTheTemplateByteForByteAndOnlyOnce) {
    ASSERT_TRUE(store.createNew(std::string(kSettingsTemplate)));
    EXPECT_EQ(bytesOf(path()), kSettingsTemplate);
    EXPECT_EQ(bytesOf(path()).size(), 168u);
    EXPECT_EQ(read("OPTIUNI", "Interval_de_timp"), "0");
    EXPECT_EQ(read("optiuni", "NR_FERESTRE"), "0");
    EXPECT_EQ(read("FERESTRE_DE_INCHIS", "Caption1"), kMissing);
    EXPECT_FALSE(store.createNew("[OPTIUNI]\r\n"));
    EXPECT_EQ(bytesOf(path()), kSettingsTemplate);
}

TEST_F(SettingsStoreTest, NeverOverwritesAnExistingFileWhateverItsAttributes) {
    const std::string mine = "[OPTIUNI]\r\nNr_ferestre=3\r\n";
    const DWORD attributes[] = {
        FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM,
        FILE_ATTRIBUTE_READONLY,
        FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY};
    for (DWORD attribute : attributes) {
        SCOPED_TRACE(attribute);
        writeBytes(path(), mine);
        ASSERT_TRUE(SetFileAttributesW(path().c_str(), attribute));
        EXPECT_FALSE(store.createNew(std::string(kSettingsTemplate)));
        EXPECT_EQ(read("OPTIUNI", "Nr_ferestre"), "3");
        SetFileAttributesW(path().c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(bytesOf(path()), mine);
        DeleteFileW(path().c_str());
    }
}

TEST_F(SettingsStoreTest, ValuesGoThroughTheProfileCallsAndKeepTheComments) {
    ASSERT_TRUE(store.createNew(std::string(kSettingsTemplate)));
    store.prepareFor("Oferta speciala\n");
    EXPECT_EQ(bytesOf(path()), kSettingsTemplate);
    store.write("OPTIUNI", "Nr_ferestre", "2");
    store.write("FERESTRE_DE_INCHIS", "Caption1", "Oferta speciala");
    store.write("FERESTRE_DE_INCHIS", "Caption2", std::string(300, 'a'));
    EXPECT_EQ(read("OPTIUNI", "Nr_ferestre"), "2");
    EXPECT_EQ(read("FERESTRE_DE_INCHIS", "Caption1"), "Oferta speciala");
    EXPECT_EQ(read("FERESTRE_DE_INCHIS", "Caption2"), std::string(255, 'a'));
    const std::string bytes = bytesOf(path());
    EXPECT_NE(bytes.find(";;;; Optiuni generale ;;;;\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Interval_de_timp=0\r\nNr_ferestre=2\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Caption1=Oferta speciala\r\n"), std::string::npos);
}

TEST_F(SettingsStoreTest, ARomanianCaptionTurnsTheFileUnicodeAndReadsBackIdentical) {
    ASSERT_TRUE(store.createNew(std::string(kSettingsTemplate)));
    store.write("FERESTRE_DE_INCHIS", "Caption1", "Oferta");
    store.prepareFor("Oferta\n" + kRomanian + "\n");
    const std::string converted = bytesOf(path());
    ASSERT_TRUE(converted.starts_with("\xFF\xFE"));
    store.prepareFor(kRomanian);
    EXPECT_EQ(bytesOf(path()), converted);

    store.write("FERESTRE_DE_INCHIS", "Caption2", kRomanian);
    EXPECT_EQ(read("FERESTRE_DE_INCHIS", "Caption2"), kRomanian);
    EXPECT_EQ(read("FERESTRE_DE_INCHIS", "Caption1"), "Oferta");
    EXPECT_EQ(read("OPTIUNI", "Interval_de_timp"), "0");
    const std::string bytes = bytesOf(path());
    ASSERT_TRUE(bytes.starts_with("\xFF\xFE"));
    const std::string text = textOfUnicodeFile(bytes);
    EXPECT_NE(text.find("[OPTIUNI]\r\n;;;; Optiuni generale ;;;;\r\n"), std::string::npos);
    EXPECT_NE(text.find(";;;; Caption-ul ferestrelor care trebuie inchise automat ;;;;\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("Caption2=" + kRomanian + "\r\n"), std::string::npos);
}

TEST_F(SettingsStoreTest, PreparingForAMissingFileLeavesAnEmptyUnicodeOne) {
    store.prepareFor(kRomanian);
    EXPECT_EQ(bytesOf(path()), "\xFF\xFE");
    store.write("FERESTRE_DE_INCHIS", "Caption1", kRomanian);
    EXPECT_EQ(read("FERESTRE_DE_INCHIS", "Caption1"), kRomanian);
}

TEST_F(SettingsStoreTest, AnUnwritablePathReadsAsMissingAndWritesNothing) {
    const std::wstring nowhere = dir.file(L"lipsa\\Zorvel.ini");
    const std::wstring folder = dir.file(L"Zorvel.ini");  // a directory where the file belongs
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    for (const std::wstring& where : {nowhere, folder}) {
        SCOPED_TRACE(narrow(where));
        Win32SettingsStore unwritable(narrow(where));
        EXPECT_FALSE(unwritable.createNew(std::string(kSettingsTemplate)));
        unwritable.prepareFor(kRomanian);
        unwritable.write("OPTIUNI", "Nr_ferestre", "1");
        EXPECT_EQ(unwritable.read("OPTIUNI", "Nr_ferestre", kMissing, 256), kMissing);
    }
    EXPECT_EQ(GetFileAttributesW(nowhere.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesW(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST(SettingsStorePathTest, TheFileLiesBesideTheExecutable) {
    EXPECT_EQ(Win32SettingsStore::besideExecutable(), narrow(besideDriver(L"Zorvel.ini")));
}

}  // namespace
}  // namespace zorvel::e2e
