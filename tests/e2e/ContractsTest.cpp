#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "Support.h"
#include "contracts/ListBoxContract.h"
#include "contracts/TitleKeyContract.h"
#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32ListBox.h"

namespace zorvel::e2e {
namespace {

using contracts::ListOrderCase;
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

// A real list box styled like lstCaption, in the driver's own hidden window.
class RealListBox {
  public:
    RealListBox()
        : parent_(WC_STATICW, L"", WS_POPUP, nullptr),
          box_(WC_LISTBOXW, L"", WS_CHILD | WS_VSCROLL | LBS_SORT | LBS_NOTIFY, parent_.handle()),
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

}  // namespace
}  // namespace zorvel::e2e
