#include "settings/Settings.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

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
// Every read passes this as its default, so a value beginning with it counts as missing.
constexpr char kMissing[] = "***";

bool isMissing(const std::string& value) {
    return value.starts_with(kMissing);
}

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

// Values are stored bare, one per line: a line break inside a window's title would end the
// value there and write the rest as lines of their own, sections and keys included.
std::string oneLine(std::string caption) {
    for (char& c : caption) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return caption;
}

}  // namespace

std::string settingsPath(const std::string& executableDirectory) {
    return fileInDirectory(executableDirectory, kFileName);
}

bool Settings::load() {
    // When the file cannot be created the reads below find nothing and the design-time
    // state stays, as with a file that has none of the keys.
    store_.createNew(std::string(kSettingsTemplate));
    const SettingsStore::Contents contents = store_.read();
    document_ = contents.state == SettingsStore::Contents::State::Read
                    ? ProfileDocument::parse(contents.bytes, store_)
                : contents.state == SettingsStore::Contents::State::Missing
                    ? std::optional<ProfileDocument>(ProfileDocument())
                    : std::nullopt;
    if (!document_) {
        return false;
    }
    loadInterval();
    loadCaptions();
    return true;
}

bool Settings::save() {
    if (!document_) {
        return true;  // not a file of ours: it stays as it is
    }
    const int count = lstCaption_.count();
    document_->set(kOptions, kIntervalKey, std::to_string(tmrVerifica_.interval() / 1000));
    document_->set(kOptions, kCountKey, std::to_string(count));
    for (int i = 0; i < count; ++i) {
        document_->set(kCaptions, captionKey(i + 1), oneLine(lstCaption_.item(i)));
    }
    return store_.replace(document_->bytes(store_));
}

std::string Settings::read(const char* section, const std::string& key) const {
    return document_->value(section, key).value_or(kMissing);
}

void Settings::loadInterval() {
    const std::string value = read(kOptions, kIntervalKey);
    if (isMissing(value)) {
        return;
    }
    // A value the timer cannot take (not a number, negative, above 32 s) counts as missing.
    const std::optional<int> milliseconds = interval::millisecondsFromText(value);
    if (!milliseconds) {
        return;
    }
    tmrVerifica_.setInterval(*milliseconds);
    txtTimp_.setText(value);
}

double Settings::captionCount() const {
    const std::string value = read(kOptions, kCountKey);
    // Ties to the even neighbour, as the default rounding does.
    return isMissing(value) ? 0 : std::nearbyint(interval::leadingNumber(value));
}

// Only the caption keys the file holds are looked at, in the order of their numbers: a
// count far above them costs nothing.
void Settings::loadCaptions() {
    const double count = captionCount();
    std::vector<std::pair<std::uint64_t, std::string>> numbered;
    for (ProfileDocument::Entry& entry : document_->entries(kCaptions)) {
        const std::optional<std::uint64_t> number = captionNumber(entry.key);
        if (number && static_cast<double>(*number) <= count && !isMissing(entry.value) &&
            !entry.value.empty()) {
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
