#include "contracts/ListBoxContract.h"

#include <gtest/gtest.h>

#include "fakes/FakeControls.h"

namespace zorvel {
namespace {

using contracts::ListOrderCase;
using contracts::SelectionCase;

class ListBoxContractTest : public ::testing::TestWithParam<ListOrderCase> {};

TEST_P(ListBoxContractTest, TheFakeListShowsTheRealControlsOrder) {
    fakes::FakeListBox list;
    EXPECT_EQ(contracts::shownAfterAdding(list, GetParam().added), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Contract, ListBoxContractTest,
                         ::testing::ValuesIn(contracts::listOrderCases()),
                         [](const auto& info) { return std::string(info.param.name); });

class ListSelectionContractTest : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(ListSelectionContractTest, TheFakeListKeepsTheSelectedEntrySelected) {
    fakes::FakeListBox list;
    const SelectionCase& row = GetParam();
    EXPECT_EQ(contracts::selectedAfterAdding(list, row),
              row.entries[static_cast<size_t>(row.selected)]);
}

INSTANTIATE_TEST_SUITE_P(Contract, ListSelectionContractTest,
                         ::testing::ValuesIn(contracts::selectionCases()),
                         [](const auto& info) { return std::string(info.param.name); });

class ListKindContractTest : public ::testing::TestWithParam<contracts::KindCase> {};

TEST_P(ListKindContractTest, TheFakeListKeepsEachEntrysKindInSortedPlace) {
    fakes::FakeListBox list;
    EXPECT_EQ(contracts::kindsAfterAdding(list, GetParam().added), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Contract, ListKindContractTest,
                         ::testing::ValuesIn(contracts::kindCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zorvel
