#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "Support.h"
#include "contracts/ListBoxContract.h"
#include "contracts/ProfileContract.h"
#include "contracts/TitleKeyContract.h"
#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32ListBox.h"

namespace zorvel::e2e {
namespace {

using contracts::ListOrderCase;
using contracts::ProfileFile;
using contracts::ProfileReadCase;
using contracts::ProfileReadDeparture;
using contracts::ProfileWriteCase;
using contracts::ProfileWriteDeparture;
using contracts::SelectionCase;
using contracts::TitlePairCase;

// A window of the driver's own, hidden; destroyed with everything in it.
class OwnWindow {
  public:
    OwnWindow(const wchar_t* className, const std::wstring& title, DWORD style, HWND parent)
        : window_(CreateWindowExW(0, className, title.c_str(), style, 0, 0, 200, 200, parent,
                                  nullptr, GetModuleHandleW(nullptr), nullptr)) {}
    ~OwnWindow() { DestroyWindow(window_); }
    OwnWindow(const OwnWindow&) = delete;
    OwnWindow& operator=(const OwnWindow&) = delete;
    HWND handle() const { return window_; }

  private:
    HWND window_;
};

constexpr wchar_t kTitleClass[] = L"ZorvelContractTitle";

void registerTitleClass() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kTitleClass;
    RegisterClassW(&windowClass);
}

std::string caseName(const ::testing::TestParamInfo<ListOrderCase>& info) {
    return info.param.name;
}

std::string selectionName(const ::testing::TestParamInfo<SelectionCase>& info) {
    return info.param.name;
}

std::string pairName(const ::testing::TestParamInfo<TitlePairCase>& info) {
    return info.param.name;
}

class ContractsListBox : public ::testing::TestWithParam<ListOrderCase> {};

// A real list box styled like lstCaption, owner-drawn and keeping its strings, in the
// driver's own hidden window.
class RealListBox {
  public:
    RealListBox()
        : parent_(WC_STATICW, L"", WS_POPUP, nullptr),
          box_(WC_LISTBOXW, L"",
               WS_CHILD | WS_VSCROLL | LBS_SORT | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
               parent_.handle()),
          list_(box_.handle()) {}
    win32::Win32ListBox& list() { return list_; }
    bool created() const { return box_.handle() != nullptr; }

  private:
    OwnWindow parent_;
    OwnWindow box_;
    win32::Win32ListBox list_;
};

TEST_P(ContractsListBox, TheRealSortedListShowsTheContractsOrder) {
    RealListBox real;
    ASSERT_TRUE(real.created());
    EXPECT_EQ(contracts::shownAfterAdding(real.list(), GetParam().added), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Contracts, ContractsListBox,
                         ::testing::ValuesIn(contracts::listOrderCases()), caseName);

class ContractsListSelection : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(ContractsListSelection, TheRealListKeepsTheSelectedEntrySelected) {
    RealListBox real;
    ASSERT_TRUE(real.created());
    const SelectionCase& row = GetParam();
    EXPECT_EQ(contracts::selectedAfterAdding(real.list(), row),
              row.entries[static_cast<size_t>(row.selected)]);
}

INSTANTIATE_TEST_SUITE_P(Contracts, ContractsListSelection,
                         ::testing::ValuesIn(contracts::selectionCases()), selectionName);

class ContractsListKind : public ::testing::TestWithParam<contracts::KindCase> {};

TEST_P(ContractsListKind, TheRealListKeepsEachEntrysKindInSortedPlace) {
    RealListBox real;
    ASSERT_TRUE(real.created());
    EXPECT_EQ(contracts::kindsAfterAdding(real.list(), GetParam().added), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Contracts, ContractsListKind, ::testing::ValuesIn(contracts::kindCases()),
                         [](const auto& info) { return std::string(info.param.name); });

class ContractsTitleKey : public ::testing::TestWithParam<TitlePairCase> {};

TEST_P(ContractsTitleKey, TheDesktopKeyMatchesTitlesAsTheContractSays) {
    win32::Win32Desktop desktop;
    EXPECT_EQ(desktop.titleKey(GetParam().listed) == desktop.titleKey(GetParam().shown),
              GetParam().same);
}

TEST_P(ContractsTitleKey, ThePlatformsLookupFindsTitlesAsTheContractSays) {
    registerTitleClass();
    OwnWindow window(kTitleClass, widen(GetParam().listed), WS_OVERLAPPED, nullptr);
    ASSERT_NE(window.handle(), nullptr);
    const HWND found = FindWindowW(kTitleClass, widen(GetParam().shown).c_str());
    EXPECT_EQ(found == window.handle(), GetParam().same);
}

INSTANTIATE_TEST_SUITE_P(Contracts, ContractsTitleKey,
                         ::testing::ValuesIn(contracts::titlePairCases()), pairName);

// The case's file in a fresh directory of its own, so that no profile the platform keeps
// cached from another case is read instead.
class ProfileOnDisk {
  public:
    explicit ProfileOnDisk(const ProfileFile& file) : path_(dir_.file(L"Zorvel.ini")) {
        written_ =
            file.kind == ProfileFile::Kind::None || writeFile(path_, contracts::bytesOf(file));
    }
    bool written() const { return written_; }
    std::string read(const std::string& section, const std::string& key) const {
        wchar_t buffer[256]{};
        GetPrivateProfileStringW(widen(section).c_str(), widen(key).c_str(),
                                 widen(contracts::kDefault).c_str(), buffer, 256, path_.c_str());
        return narrow(buffer);
    }
    std::string write(const std::string& section, const std::string& key,
                      const std::string& value) const {
        EXPECT_TRUE(WritePrivateProfileStringW(widen(section).c_str(), widen(key).c_str(),
                                               widen(value).c_str(), path_.c_str()));
        return readFile(path_);
    }

  private:
    TempDir dir_;
    std::wstring path_;
    bool written_ = false;
};

const auto rowName = [](const auto& info) { return std::string(info.param.name); };

class ContractsProfileRead : public ::testing::TestWithParam<ProfileReadCase> {};

TEST_P(ContractsProfileRead, ThePlatformReadsAsTheContractSays) {
    const ProfileReadCase& row = GetParam();
    const ProfileOnDisk file(row.file);
    ASSERT_TRUE(file.written());
    EXPECT_EQ(file.read(row.section, row.key), row.value);
}

INSTANTIATE_TEST_SUITE_P(Contracts, ContractsProfileRead,
                         ::testing::ValuesIn(contracts::profileReadCases()), rowName);

class ContractsProfileWrite : public ::testing::TestWithParam<ProfileWriteCase> {};

TEST_P(ContractsProfileWrite, ThePlatformWritesAsTheContractSays) {
    const ProfileWriteCase& row = GetParam();
    const ProfileOnDisk file(row.before);
    ASSERT_TRUE(file.written());
    EXPECT_EQ(file.write(row.section, row.key, row.value), contracts::bytesOf(row.after));
}

INSTANTIATE_TEST_SUITE_P(Contracts, ContractsProfileWrite,
                         ::testing::ValuesIn(contracts::profileWriteCases()), rowName);

class ContractsProfileReadDeparture : public ::testing::TestWithParam<ProfileReadDeparture> {};

TEST_P(ContractsProfileReadDeparture, ThePlatformStillReadsItsWay) {
    const ProfileReadDeparture& row = GetParam();
    const ProfileOnDisk file(row.file);
    ASSERT_TRUE(file.written());
    EXPECT_EQ(file.read(row.section, row.key), row.platform);
}

INSTANTIATE_TEST_SUITE_P(Contracts, ContractsProfileReadDeparture,
                         ::testing::ValuesIn(contracts::profileReadDepartures()), rowName);

class ContractsProfileWriteDeparture : public ::testing::TestWithParam<ProfileWriteDeparture> {};

TEST_P(ContractsProfileWriteDeparture, ThePlatformStillWritesItsWay) {
    const ProfileWriteDeparture& row = GetParam();
    const ProfileOnDisk file(row.before);
    ASSERT_TRUE(file.written());
    EXPECT_EQ(file.write(row.section, row.key, row.value), contracts::bytesOf(row.platform));
}

INSTANTIATE_TEST_SUITE_P(Contracts, ContractsProfileWriteDeparture,
                         ::testing::ValuesIn(contracts::profileWriteDepartures()), rowName);

}  // namespace
}  // namespace zorvel::e2e
