#include "contracts/ProfileContract.h"

#include <gtest/gtest.h>

#include <cctype>

#include "fakes/MemoryStore.h"
#include "settings/ProfileDocument.h"

namespace zorvel {
namespace {

using contracts::ProfileFile;
using contracts::ProfileReadCase;
using contracts::ProfileReadDeparture;
using contracts::ProfileWriteCase;
using contracts::ProfileWriteDeparture;

const fakes::MemoryStore latin1;

ProfileDocument documentOf(const ProfileFile& file) {
    if (file.kind == ProfileFile::Kind::None) {
        return {};
    }
    std::optional<ProfileDocument> document =
        ProfileDocument::parse(contracts::bytesOf(file), latin1);
    EXPECT_TRUE(document.has_value());
    return document.value_or(ProfileDocument());
}

std::string read(const ProfileFile& file, const std::string& section, const std::string& key) {
    return documentOf(file).value(section, key).value_or(contracts::kDefault);
}

std::string written(const ProfileFile& before, const std::string& section, const std::string& key,
                    const std::string& value) {
    ProfileDocument document = documentOf(before);
    document.set(section, key, value);
    return document.bytes(latin1);
}

std::string lowered(std::string name) {
    for (char& c : name) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return name;
}

const auto rowName = [](const auto& info) { return std::string(info.param.name); };

class ProfileReadContractTest : public ::testing::TestWithParam<ProfileReadCase> {};

TEST_P(ProfileReadContractTest, TheDocumentReadsAsThePlatformDoes) {
    const ProfileReadCase& row = GetParam();
    EXPECT_EQ(read(row.file, row.section, row.key), row.value);
}

// The captions are read a section at a time: each entry follows the same rules.
TEST_P(ProfileReadContractTest, TheSectionsEntriesReadAsThePlatformDoes) {
    const ProfileReadCase& row = GetParam();
    std::string value = contracts::kDefault;
    for (const ProfileDocument::Entry& entry : documentOf(row.file).entries(row.section)) {
        if (value == contracts::kDefault && lowered(entry.key) == lowered(row.key)) {
            value = entry.value;
        }
    }
    EXPECT_EQ(value, row.value);
}

INSTANTIATE_TEST_SUITE_P(Contract, ProfileReadContractTest,
                         ::testing::ValuesIn(contracts::profileReadCases()), rowName);

class ProfileWriteContractTest : public ::testing::TestWithParam<ProfileWriteCase> {};

TEST_P(ProfileWriteContractTest, TheDocumentWritesAsThePlatformDoes) {
    const ProfileWriteCase& row = GetParam();
    EXPECT_EQ(written(row.before, row.section, row.key, row.value), contracts::bytesOf(row.after));
}

INSTANTIATE_TEST_SUITE_P(Contract, ProfileWriteContractTest,
                         ::testing::ValuesIn(contracts::profileWriteCases()), rowName);

class ProfileReadDepartureTest : public ::testing::TestWithParam<ProfileReadDeparture> {};

TEST_P(ProfileReadDepartureTest, TheDocumentReadsItsOwnWay) {
    const ProfileReadDeparture& row = GetParam();
    EXPECT_EQ(read(row.file, row.section, row.key), row.ours);
}

INSTANTIATE_TEST_SUITE_P(Contract, ProfileReadDepartureTest,
                         ::testing::ValuesIn(contracts::profileReadDepartures()), rowName);

class ProfileWriteDepartureTest : public ::testing::TestWithParam<ProfileWriteDeparture> {};

TEST_P(ProfileWriteDepartureTest, TheDocumentWritesItsOwnWay) {
    const ProfileWriteDeparture& row = GetParam();
    EXPECT_EQ(written(row.before, row.section, row.key, row.value), contracts::bytesOf(row.ours));
}

INSTANTIATE_TEST_SUITE_P(Contract, ProfileWriteDepartureTest,
                         ::testing::ValuesIn(contracts::profileWriteDepartures()), rowName);

}  // namespace
}  // namespace zorvel
