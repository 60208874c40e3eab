#include "settings/Settings.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "base/Interval.h"
#include "base/Wildcard.h"
#include "settings/SettingsTemplate.h"

namespace zorvel {

namespace {

constexpr char kFileName[] = "Zorvel.ini";
constexpr char kOptions[] = "OPTIUNI";
constexpr char kIntervalKey[] = "Interval_de_timp";
constexpr char kCountKey[] = "Nr_ferestre";
constexpr char kCaptions[] = "FERESTRE_DE_INCHIS";
constexpr char kCaptionKey[] = "Caption";
// Patterns have keys and a section of their own: a reader of the caption keys alone sees
// the exact captions only, as before patterns existed.
constexpr char kPatternCountKey[] = "Nr_modele";
constexpr char kPatterns[] = "MODELE_DE_INCHIS";
constexpr char kPatternKey[] = "Model";
// Every read passes this as its default, so a value beginning with it counts as missing.
constexpr char kMissing[] = "***";

bool isMissing(const std::string& value) {
    return value.starts_with(kMissing);
}

// n of a key read as `name` followed by n; a key spelt otherwise (a leading zero, a sign)
// is another key, as in a look-up by name.
std::optional<std::uint64_t> keyNumber(std::string_view key, std::string_view name) {
    const std::size_t kPrefix = name.size();
    constexpr std::size_t kMostDigits = 18;
    if (key.size() <= kPrefix || key.size() > kPrefix + kMostDigits || key[kPrefix] == '0') {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < kPrefix; ++i) {
        if (std::tolower(static_cast<unsigned char>(key[i])) !=
            std::tolower(static_cast<unsigned char>(name[i]))) {
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
    const bool hasSeparator = !executableDirectory.empty() && (executableDirectory.back() == '\\' ||
                                                               executableDirectory.back() == '/');
    return executableDirectory + (hasSeparator ? "" : "\\") + kFileName;
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
    loadPatterns();
    return true;
}

bool Settings::save() {
    if (!document_) {
        return true;  // not a file of ours: it stays as it is
    }
    document_->set(kOptions, kIntervalKey, std::to_string(tmrVerifica_.interval() / 1000));
    saveEntries(EntryKind::Caption, kCountKey, kCaptions, kCaptionKey);
    // A file that never held a pattern gets no pattern keys.
    if (hasPatterns() || document_->value(kOptions, kPatternCountKey)) {
        saveEntries(EntryKind::Pattern, kPatternCountKey, kPatterns, kPatternKey);
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

void Settings::saveEntries(EntryKind kind, const char* countKey, const char* section,
                           const char* key) {
    int number = 0;
    for (int i = 0; i < lstCaption_.count(); ++i) {
        if (lstCaption_.kind(i) == kind) {
            ++number;
            document_->set(section, key + std::to_string(number), oneLine(lstCaption_.item(i)));
        }
    }
    document_->set(kOptions, countKey, std::to_string(number));
}

bool Settings::hasPatterns() const {
    for (int i = 0; i < lstCaption_.count(); ++i) {
        if (lstCaption_.kind(i) == EntryKind::Pattern) {
            return true;
        }
    }
    return false;
}

double Settings::count(const char* countKey) const {
    const std::string value = read(kOptions, countKey);
    // Ties to the even neighbour, as the default rounding does.
    return isMissing(value) ? 0 : std::nearbyint(interval::leadingNumber(value));
}

// Only the keys the file holds are looked at, in the order of their numbers: a count far
// above them costs nothing.
std::vector<std::string> Settings::numbered(const char* countKey, const char* section,
                                            const char* key) const {
    const double most = count(countKey);
    std::vector<std::pair<std::uint64_t, std::string>> found;
    for (ProfileDocument::Entry& entry : document_->entries(section)) {
        const std::optional<std::uint64_t> number = keyNumber(entry.key, key);
        if (number && static_cast<double>(*number) <= most && !entry.value.empty()) {
            found.emplace_back(*number, std::move(entry.value));
        }
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> values;
    values.reserve(found.size());
    for (auto& [number, value] : found) {
        values.push_back(std::move(value));
    }
    return values;
}

void Settings::loadCaptions() {
    std::vector<std::string> captions = numbered(kCountKey, kCaptions, kCaptionKey);
    std::erase_if(captions, isMissing);
    lstCaption_.addAll(captions);
}

// A pattern narrower than the window allows is not loaded: shown, it would only look like
// an entry, and matching it would close nearly any window. An exact reading of it would be
// an entry the user never made.
void Settings::loadPatterns() {
    std::vector<std::string> patterns = numbered(kPatternCountKey, kPatterns, kPatternKey);
    std::erase_if(patterns, [](const std::string& p) { return !wildcard::broadEnough(p); });
    lstCaption_.addAll(patterns, EntryKind::Pattern);
}

}  // namespace zorvel
