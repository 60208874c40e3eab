#include "settings/Settings.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "base/Caption.h"
#include "base/Interval.h"
#include "base/Paths.h"
#include "settings/SettingsTemplate.h"

namespace zorvel {

namespace {

constexpr char kFileName[] = "Zorvel.ini";
constexpr char kOptions[] = "OPTIUNI";
constexpr char kIntervalKey[] = "Interval_de_timp";
constexpr char kCountKey[] = "Nr_ferestre";
constexpr char kCaptions[] = "FERESTRE_DE_INCHIS";
constexpr char kCaptionKey[] = "Caption";

std::string captionKey(int number) {
    return kCaptionKey + std::to_string(number);
}

// n of a key read as "Caption" followed by n; a key spelt otherwise (a leading zero, a sign)
// is another key, as in a look-up by name.
std::optional<std::uint64_t> captionNumber(std::string_view key) {
    constexpr std::size_t kPrefix = std::string_view(kCaptionKey).size();
    constexpr std::size_t kMostDigits = 18;
    if (key.size() <= kPrefix || key.size() > kPrefix + kMostDigits || key[kPrefix] == '0') {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < kPrefix; ++i) {
        if (std::tolower(static_cast<unsigned char>(key[i])) != std::tolower(kCaptionKey[i])) {
            return std::nullopt;
        }
    }
    std::uint64_t number = 0;
    for (char digit : key.substr(kPrefix)) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        number = number * 10 + static_cast<std::uint64_t>(digit - '0');
    }
    return number;
}

}  // namespace

std::string settingsPath(const std::string& executableDirectory) {
    return fileInDirectory(executableDirectory, kFileName);
}

bool Settings::load() {
    // When the file cannot be created the reads below find nothing and the design-time
    // state stays, as with a file that has none of the keys.
    store_.createNew(std::string(kSettingsTemplate));
    const std::optional<ProfileDocument> document = onDisk(false);
    writable_ = document.has_value();
    if (!document) {
        return false;
    }
    loadInterval(*document);
    loadCaptions(*document);
    return true;
}

bool Settings::save() {
    if (!writable_) {
        return true;  // not a file of ours: it stays as it is
    }
    std::optional<ProfileDocument> document = onDisk(true);
    if (!document) {
        return false;
    }
    const int count = lstCaption_.count();
    document->set(kOptions, kIntervalKey, std::to_string(tmrVerifica_.interval() / 1000));
    document->set(kOptions, kCountKey, std::to_string(count));
    for (int i = 0; i < count; ++i) {
        // Entries come in also by ways other than the box (the picker, the load): a line
        // break must never write lines of its own.
        document->set(kCaptions, captionKey(i + 1), caption::asListed(lstCaption_.item(i)));
    }
    return store_.replace(document->bytes(store_));
}

std::optional<ProfileDocument> Settings::onDisk(bool templateWhenMissing) const {
    SettingsStore::Contents contents = store_.read();
    switch (contents.state) {
        case SettingsStore::Contents::State::Read:
            return ProfileDocument::parse(contents.bytes, store_);
        case SettingsStore::Contents::State::Missing:
            return templateWhenMissing ? ProfileDocument::parse(kSettingsTemplate, store_)
                                       : ProfileDocument();
        case SettingsStore::Contents::State::Unreadable:
            break;
    }
    return std::nullopt;
}

void Settings::loadInterval(const ProfileDocument& document) {
    const std::optional<std::string> value = document.value(kOptions, kIntervalKey);
    if (!value) {
        return;
    }
    // A value the timer cannot take (not a number, negative, above 32 s, one beginning with
    // "***") counts as missing.
    const std::optional<int> milliseconds = interval::millisecondsFromText(*value);
    if (!milliseconds) {
        return;
    }
    tmrVerifica_.setInterval(*milliseconds);
    txtTimp_.setText(*value);
}

// Only the caption keys the file holds are looked at, in the order of their numbers: a
// count far above them costs nothing. A caption is loaded whatever it begins with: the
// document tells a missing key from a present one.
void Settings::loadCaptions(const ProfileDocument& document) {
    const std::optional<std::string> countText = document.value(kOptions, kCountKey);
    // Ties to the even neighbour, as the default rounding does; no number counts as 0.
    const double count = countText ? std::nearbyint(interval::leadingNumber(*countText)) : 0;
    std::vector<std::pair<std::uint64_t, std::string>> numbered;
    for (ProfileDocument::Entry& entry : document.entries(kCaptions)) {
        const std::optional<std::uint64_t> number = captionNumber(entry.key);
        if (number && static_cast<double>(*number) <= count && !entry.value.empty()) {
            numbered.emplace_back(*number, std::move(entry.value));
        }
    }
    std::sort(numbered.begin(), numbered.end());
    std::vector<std::string> captions;
    captions.reserve(numbered.size());
    for (auto& [number, caption] : numbered) {
        captions.push_back(std::move(caption));
    }
    lstCaption_.addAll(captions);
}

}  // namespace zorvel
