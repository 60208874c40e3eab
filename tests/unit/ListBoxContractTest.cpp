#include "contracts/ListBoxContract.h"

#include <gtest/gtest.h>

#include "fakes/FakeControls.h"

namespace zorvel {
namespace {

using contracts::ListOrderCase;

class ListBoxContractTest : public ::testing::TestWithParam<ListOrderCase> {};

TEST_P(ListBoxContractTest, TheFakeListShowsTheRealControlsOrder) {
    fakes::FakeListBox list;
    EXPECT_EQ(contracts::shownAfterAdding(list, GetParam().added), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Contract, ListBoxContractTest,
                         ::testing::ValuesIn(contracts::listOrderCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zorvel
