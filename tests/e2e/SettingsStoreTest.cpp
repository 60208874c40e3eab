#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "Support.h"
#include "closer/CloseLog.h"
#include "platform/win32/Win32LogFile.h"
#include "platform/win32/Win32SettingsStore.h"
#include "settings/Settings.h"
#include "settings/SettingsTemplate.h"

namespace zorvel::e2e {
namespace {

using win32::Win32LogFile;
using win32::Win32SettingsStore;
using State = SettingsStore::Contents::State;

const std::string kRomanian = "Fereastr\xC4\x83 \xC8\x99i \xC8\x9B";  // ă, ș, ț

std::string bytesOf(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream(path.c_str(), std::ios::binary) << bytes;
}

// The names in a directory, "." and ".." left out; `directory` may be a "\\?\" path.
std::vector<std::wstring> namesIn(const std::wstring& directory) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((directory + L"\\*").c_str(), &found);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found)) {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") {
            names.push_back(name);
        }
    }
    if (search != INVALID_HANDLE_VALUE) {
        FindClose(search);
    }
    return names;
}

class SettingsStoreTest : public ::testing::Test {
  protected:
    std::wstring path() const { return dir.file(L"Zorvel.ini"); }

    TempDir dir;
    Win32SettingsStore store{narrow(path())};
};

TEST_F(SettingsStoreTest, CreatesTheTemplateByteForByteAndOnlyOnce) {
    EXPECT_EQ(store.read().state, State::Missing);
    ASSERT_TRUE(store.createNew(std::string(kSettingsTemplate)));
    EXPECT_EQ(bytesOf(path()), kSettingsTemplate);
    EXPECT_EQ(bytesOf(path()).size(), 168u);
    const SettingsStore::Contents contents = store.read();
    EXPECT_EQ(contents.state, State::Read);
    EXPECT_EQ(contents.bytes, kSettingsTemplate);
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
        EXPECT_EQ(store.read().bytes, mine);
        SetFileAttributesW(path().c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(bytesOf(path()), mine);
        DeleteFileW(path().c_str());
    }
}

TEST_F(SettingsStoreTest, ReplacesTheWholeFileKeepingItsAttributesAndNothingElse) {
    ASSERT_TRUE(store.replace("[A]\r\nk=1\r\n"));  // no file yet: made
    ASSERT_TRUE(SetFileAttributesW(path().c_str(), FILE_ATTRIBUTE_HIDDEN));
    const std::string large(3'000'000, 'x');
    ASSERT_TRUE(store.replace(large));
    EXPECT_EQ(bytesOf(path()), large);
    EXPECT_NE(GetFileAttributesW(path().c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    ASSERT_TRUE(store.replace(std::string(kSettingsTemplate)));
    EXPECT_EQ(store.read().bytes, kSettingsTemplate);
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::wstring>{L"Zorvel.ini"});
}

TEST_F(SettingsStoreTest, TheCodePageTakesOnlyWhatItHoldsExactly) {
    EXPECT_EQ(store.fromUtf8("\xC3\xA9t\xC3\xA9"), std::optional<std::string>("\xE9t\xE9"));
    EXPECT_EQ(store.toUtf8("\xE9t\xE9"), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(store.fromUtf8(kRomanian), std::nullopt);  // no "s" standing in for "ș"
    EXPECT_EQ(store.fromUtf8(""), std::optional<std::string>(""));
}

TEST_F(SettingsStoreTest, AnUnwritablePathIsMissingOrUnreadableAndGetsNothing) {
    const std::wstring nowhere = dir.file(L"lipsa\\Zorvel.ini");
    const std::wstring folder = dir.file(L"Zorvel.ini");  // a directory where the file belongs
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const struct {
        std::wstring where;
        State state;
    } cases[] = {{nowhere, State::Missing}, {folder, State::Unreadable}};
    for (const auto& c : cases) {
        SCOPED_TRACE(narrow(c.where));
        Win32SettingsStore unwritable(narrow(c.where));
        EXPECT_EQ(unwritable.read().state, c.state);
        EXPECT_FALSE(unwritable.createNew(std::string(kSettingsTemplate)));
        EXPECT_FALSE(unwritable.replace("[OPTIUNI]\r\nNr_ferestre=1\r\n"));
    }
    EXPECT_NE(GetFileAttributesW(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::wstring>{L"Zorvel.ini"});
}

// Folders nested past 260 characters, removed here: the shell's removal of the temporary
// directory cannot walk paths that long.
struct DeepFolders {
    explicit DeepFolders(const std::wstring& root) : path(L"\\\\?\\" + root) {
        for (int i = 0; path.size() < 300; ++i) {
            path += L"\\" + std::wstring(40, static_cast<wchar_t>(L'a' + i));
            made.push_back(path);
            CreateDirectoryW(path.c_str(), nullptr);
        }
    }
    ~DeepFolders() {
        for (const wchar_t* name : {L"\\Zorvel.ini", L"\\Zorvel.log", L"\\Zorvel.log.1"}) {
            DeleteFileW((path + name).c_str());
        }
        for (auto folder = made.rbegin(); folder != made.rend(); ++folder) {
            RemoveDirectoryW(folder->c_str());
        }
    }
    std::wstring path;
    std::vector<std::wstring> made;
};

TEST_F(SettingsStoreTest, APathOfMoreThan260CharactersRoundTrips) {
    const DeepFolders deep(dir.path());
    ASSERT_NE(GetFileAttributesW(deep.path.c_str()), INVALID_FILE_ATTRIBUTES);
    const std::wstring file = deep.path.substr(4) + L"\\Zorvel.ini";
    ASSERT_GE(file.size(), 260u);
    Win32SettingsStore longStore(narrow(file));
    const std::string content = "[OPTIUNI]\r\nNr_ferestre=1\r\n";
    ASSERT_TRUE(longStore.createNew(std::string(kSettingsTemplate)));
    EXPECT_EQ(longStore.read().bytes, kSettingsTemplate);
    ASSERT_TRUE(longStore.replace(content));
    EXPECT_EQ(longStore.read().bytes, content);
    EXPECT_EQ(namesIn(deep.path), std::vector<std::wstring>{L"Zorvel.ini"});
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::wstring>{std::wstring(40, L'a')});
}

TEST(SettingsStorePathTest, TheFileLiesBesideTheExecutable) {
    EXPECT_EQ(settingsPath(Win32SettingsStore::executableDirectory()),
              narrow(besideDriver(L"Zorvel.ini")));
}

// The close record lives beside the settings file and is only ever added to.
class SettingsStoreLogTest : public ::testing::Test {
  protected:
    std::wstring path() const { return dir.file(L"Zorvel.log"); }

    TempDir dir;
    Win32LogFile log{narrow(path())};
};

const std::string kMark = "\xEF\xBB\xBF";

TEST_F(SettingsStoreLogTest, TheMarkComesFirstInANewOrEmptyFileOnly) {
    struct Case {
        std::optional<std::string> before;  // nullopt: no file
        std::string after;
    };
    const Case cases[] = {
        {std::nullopt, kMark + "a\r\n"},
        {"", kMark + "a\r\n"},
        {kMark + "old\r\n", kMark + "old\r\na\r\n"},
        {"no mark\r\n", "no mark\r\na\r\n"},
    };
    for (const Case& c : cases) {
        DeleteFileW(path().c_str());
        if (c.before) {
            writeBytes(path(), *c.before);
        }
        EXPECT_EQ(log.append(kMark, "a\r\n"), c.after.size());
        EXPECT_EQ(bytesOf(path()), c.after);
    }
}

TEST_F(SettingsStoreLogTest, AnEditorHoldingTheFileOpenStopsNeitherWritesNorTheMoveOverAnOlderOne) {
    ASSERT_EQ(log.ensureExists(), "");
    EXPECT_EQ(bytesOf(path()), "");  // made empty: the mark comes with the first line
    HANDLE editor = CreateFileW(path().c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(editor, INVALID_HANDLE_VALUE);
    writeBytes(path() + L".1", "older");  // replaced by the move
    const std::string batch(100000, 'x');
    EXPECT_EQ(log.append(kMark, batch), kMark.size() + batch.size());
    EXPECT_EQ(log.append(kMark, "y"), kMark.size() + batch.size() + 1);
    ASSERT_TRUE(log.rotate());
    CloseHandle(editor);
    EXPECT_EQ(bytesOf(path() + L".1"), kMark + batch + "y");
    EXPECT_EQ(GetFileAttributesW(path().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(SettingsStoreLogTest, AFolderThatIsNotThereFailsQuietly) {
    Win32LogFile nowhere(narrow(dir.file(L"missing\\Zorvel.log")));
    EXPECT_FALSE(nowhere.append(kMark, "a"));
    EXPECT_NE(nowhere.ensureExists(), "");  // the system says why
    EXPECT_FALSE(nowhere.rotate());
    EXPECT_TRUE(namesIn(dir.path()).empty());
}

TEST_F(SettingsStoreTest, TheLogBesideAFileOfALongPathIsWrittenAndMovedAside) {
    const DeepFolders deep(dir.path());
    const std::string file = narrow(deep.path.substr(4) + L"\\Zorvel.log");
    ASSERT_GE(file.size(), 260u);
    EXPECT_EQ(logPath(narrow(deep.path.substr(4))), file);
    Win32LogFile longLog(file);
    ASSERT_EQ(longLog.ensureExists(), "");
    EXPECT_TRUE(longLog.append(kMark, "a\r\n"));
    EXPECT_TRUE(longLog.rotate());
    EXPECT_EQ(bytesOf(deep.path + L"\\Zorvel.log.1"), kMark + "a\r\n");
}

TEST(SettingsStorePathTest, TheLogLiesBesideTheSettingsFile) {
    EXPECT_EQ(logPath(Win32SettingsStore::executableDirectory()),
              narrow(besideDriver(L"Zorvel.log")));
}

}  // namespace
}  // namespace zorvel::e2e
