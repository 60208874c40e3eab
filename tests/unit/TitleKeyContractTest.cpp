#include "contracts/TitleKeyContract.h"

#include <gtest/gtest.h>

#include "fakes/FakeDesktop.h"

namespace zorvel {
namespace {

using contracts::TitlePairCase;

class TitleKeyContractTest : public ::testing::TestWithParam<TitlePairCase> {};

TEST_P(TitleKeyContractTest, TheFakeKeyMatchesTitlesAsThePlatformDoes) {
    fakes::FakeDesktop desktop;
    EXPECT_EQ(desktop.titleKey(GetParam().listed) == desktop.titleKey(GetParam().shown),
              GetParam().same);
}

INSTANTIATE_TEST_SUITE_P(Contract, TitleKeyContractTest,
                         ::testing::ValuesIn(contracts::titlePairCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zorvel
