#include "settings/Settings.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <utility>
#include <vector>

#include "base/Caption.h"
#include "base/Interval.h"
#include "base/Paths.h"
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
// Beside each entry's key, with its number: what else the entry is. Zorvel's own keys, so a
// save removes those an entry no longer has.
constexpr char kProgramKey[] = "Program";
constexpr char kButtonKey[] = "Buton";
constexpr char kButtonIdKey[] = "ButonId";
constexpr char kClosedKey[] = "Inchise";
constexpr char kLastClosedKey[] = "Ultima";

// n of a key read as `name` followed by n; a key spelt otherwise (a leading zero, a sign)
// is another key, as in a look-up by name.
std::optional<std::uint64_t> keyNumber(std::string_view key, std::string_view name) {
    const std::size_t prefix = name.size();
    constexpr std::size_t kMostDigits = 18;
    if (key.size() <= prefix || key.size() > prefix + kMostDigits || key[prefix] == '0') {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < prefix; ++i) {
        if (std::tolower(static_cast<unsigned char>(key[i])) !=
            std::tolower(static_cast<unsigned char>(name[i]))) {
            return std::nullopt;
        }
    }
    std::uint64_t number = 0;
    for (char digit : key.substr(prefix)) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        number = number * 10 + static_cast<std::uint64_t>(digit - '0');
    }
    return number;
}

// A whole number, blanks around it allowed; nothing for any other text.
std::optional<long long> wholeNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    long long number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return number;
}

// The interval the file puts in force. A value the timer cannot take (not a number, negative,
// above 32 s, one beginning with "***") counts as missing.
std::optional<int> intervalIn(const ProfileDocument& document) {
    const std::optional<std::string> value = document.value(kOptions, kIntervalKey);
    return value ? interval::millisecondsFromText(*value) : std::nullopt;
}

}  // namespace

std::string settingsPath(const std::string& executableDirectory) {
    return fileInDirectory(executableDirectory, kFileName);
}

bool Settings::load() {
    // When the file cannot be created the reads below find nothing and the design-time
    // state stays, as with a file that has none of the keys.
    store_.createNew(std::string(kSettingsTemplate));
    std::optional<OnDisk> disk = onDisk(false);
    writable_ = disk.has_value();
    if (!disk) {
        return false;
    }
    loadInterval(disk->document);
    lstCaption_.addAll(entriesIn(disk->document));
    remember(disk->document, std::move(disk->bytes));
    return true;
}

void Settings::merge() {
    if (!writable_) {
        return;  // not a file of ours: nothing is taken from it, as at the start
    }
    if (std::optional<OnDisk> disk = onDisk(false); disk && disk->edited) {
        mergeIn(*disk);
    }
}

bool Settings::save() {
    if (!writable_) {
        return true;  // not a file of ours: it stays as it is
    }
    std::optional<OnDisk> disk = onDisk(true);
    if (!disk) {
        return false;
    }
    // Without this, an edit made by hand since the last read would be written over.
    if (disk->edited) {
        mergeIn(*disk);
    }
    ProfileDocument& document = disk->document;
    document.set(kOptions, kIntervalKey, std::to_string(tmrVerifica_.interval() / 1000));
    saveEntries(document, EntryKind::Caption, kCountKey, kCaptions, kCaptionKey);
    // A file that never held a pattern gets no pattern keys.
    if (hasPatterns() || document.value(kOptions, kPatternCountKey)) {
        saveEntries(document, EntryKind::Pattern, kPatternCountKey, kPatterns, kPatternKey);
    }
    std::string bytes = document.bytes(store_);
    if (!store_.replace(bytes)) {
        return false;
    }
    remember(document, std::move(bytes));
    return true;
}

void Settings::mergeIn(const OnDisk& disk) {
    const ProfileDocument& theirs = disk.document;
    const std::optional<int> interval = intervalIn(theirs);
    const int ours = tmrVerifica_.interval();
    if (interval && merge::threeWay(baseInterval_, *interval, ours) != ours) {
        loadInterval(theirs);
    }
    apply(merge::mergeLists(baseEntries_, entriesIn(theirs), listed()));
    remember(theirs, disk.bytes);
}

void Settings::remember(const ProfileDocument& document, std::string bytes) {
    baseBytes_ = std::move(bytes);
    baseEntries_ = entriesIn(document);
    baseInterval_ = intervalIn(document).value_or(tmrVerifica_.interval());
}

std::vector<ListEntry> Settings::listed() const {
    std::vector<ListEntry> entries;
    entries.reserve(static_cast<std::size_t>(lstCaption_.count()));
    for (int i = 0; i < lstCaption_.count(); ++i) {
        entries.push_back(lstCaption_.entry(i));
    }
    return entries;
}

// Changed in place, entry by entry: the list box keeps the user's selection on its entry.
void Settings::apply(const merge::ListChanges& changes) {
    for (const auto& [index, entry] : changes.updated) {
        lstCaption_.update(index, entry);
    }
    for (auto at = changes.removed.rbegin(); at != changes.removed.rend(); ++at) {
        lstCaption_.removeAt(*at);
    }
    if (!changes.added.empty()) {
        lstCaption_.addAll(changes.added);
    }
}

void Settings::saveEntries(ProfileDocument& document, EntryKind kind, const char* countKey,
                           const char* section, const char* key) const {
    int number = 0;
    for (int i = 0; i < lstCaption_.count(); ++i) {
        if (lstCaption_.kind(i) == kind) {
            // Entries come in also by ways other than the box (the picker, the load): a line
            // break must never write lines of its own.
            const std::string n = std::to_string(++number);
            document.set(section, key + n, caption::asListed(lstCaption_.item(i)));
            saveBeside(document, section, n, lstCaption_.entry(i));
        }
    }
    document.set(kOptions, countKey, std::to_string(number));
}

void Settings::saveBeside(ProfileDocument& document, const char* section, const std::string& n,
                          const ListEntry& entry) {
    const auto keep = [&](const char* key, bool has, const std::string& value) {
        if (has) {
            document.set(section, key + n, value);
        } else {
            document.remove(section, key + n);
        }
    };
    keep(kProgramKey, !entry.program.empty(), entry.program);
    keep(kButtonKey, entry.button.has_value(), entry.button ? entry.button->text : "");
    keep(kButtonIdKey, entry.button && entry.button->id,
         entry.button && entry.button->id ? std::to_string(*entry.button->id) : "");
    keep(kClosedKey, entry.closed > 0, std::to_string(entry.closed));
    keep(kLastClosedKey, !entry.lastClosed.empty(), entry.lastClosed);
}

bool Settings::hasPatterns() const {
    for (int i = 0; i < lstCaption_.count(); ++i) {
        if (lstCaption_.kind(i) == EntryKind::Pattern) {
            return true;
        }
    }
    return false;
}

std::optional<Settings::OnDisk> Settings::onDisk(bool templateWhenMissing) const {
    SettingsStore::Contents contents = store_.read();
    switch (contents.state) {
        case SettingsStore::Contents::State::Read: {
            std::optional<ProfileDocument> document =
                ProfileDocument::parse(contents.bytes, store_);
            if (!document) {
                return std::nullopt;
            }
            // An editor empties a file before it writes it anew: that is no edit of the list.
            const bool edited = !contents.bytes.empty() && contents.bytes != baseBytes_;
            return OnDisk{*std::move(document), std::move(contents.bytes), edited};
        }
        case SettingsStore::Contents::State::Missing:
            return OnDisk{
                templateWhenMissing
                    ? ProfileDocument::parse(kSettingsTemplate, store_).value_or(ProfileDocument())
                    : ProfileDocument(),
                {},
                false};
        case SettingsStore::Contents::State::Unreadable:
            break;
    }
    return std::nullopt;
}

void Settings::loadInterval(const ProfileDocument& document) {
    if (const std::optional<int> milliseconds = intervalIn(document)) {
        tmrVerifica_.setInterval(*milliseconds);
        txtTimp_.setText(*document.value(kOptions, kIntervalKey));
    }
}

// Only the keys the file holds are looked at, in the order of their numbers: a count far
// above them costs nothing. A value is loaded whatever it begins with: the document tells a
// missing key from a present one.
std::vector<std::pair<std::uint64_t, std::string>> Settings::numbered(
    const ProfileDocument& document, const char* countKey, const char* section, const char* key) {
    const std::optional<std::string> countText = document.value(kOptions, countKey);
    // Ties to the even neighbour, as the default rounding does; no number counts as 0.
    const double count = countText ? std::nearbyint(interval::leadingNumber(*countText)) : 0;
    std::vector<std::pair<std::uint64_t, std::string>> found;
    for (ProfileDocument::Entry& entry : document.entries(section)) {
        const std::optional<std::uint64_t> number = keyNumber(entry.key, key);
        if (number && static_cast<double>(*number) <= count && !entry.value.empty()) {
            found.emplace_back(*number, std::move(entry.value));
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

// A pattern narrower than the rule allows is not loaded: shown, it would only look like an
// entry, and matching it would close nearly any window. An exact reading of it would be an
// entry the user never made.
std::vector<ListEntry> Settings::entriesIn(const ProfileDocument& document, EntryKind kind) {
    const bool captions = kind == EntryKind::Caption;
    const char* section = captions ? kCaptions : kPatterns;
    std::vector<ListEntry> entries;
    for (auto& [number, text] : numbered(document, captions ? kCountKey : kPatternCountKey, section,
                                         captions ? kCaptionKey : kPatternKey)) {
        if (captions || wildcard::broadEnough(text)) {
            entries.push_back(entryAt(document, section, std::to_string(number),
                                      ListEntry{std::move(text), kind}));
        }
    }
    return entries;
}

ListEntry Settings::entryAt(const ProfileDocument& document, const char* section,
                            const std::string& number, ListEntry entry) {
    const auto value = [&](const char* key) {
        return document.value(section, key + number).value_or(std::string());
    };
    entry.program = programFileName(value(kProgramKey));
    const std::optional<long long> id = wholeNumber(value(kButtonIdKey));
    std::string buttonText = value(kButtonKey);
    if (!buttonText.empty() || (id && *id >= 0 && *id <= 0xFFFF)) {
        entry.button =
            EntryButton{id && *id >= 0 && *id <= 0xFFFF ? std::optional<int>(static_cast<int>(*id))
                                                        : std::nullopt,
                        std::move(buttonText)};
    }
    entry.closed = std::max(0LL, wholeNumber(value(kClosedKey)).value_or(0));
    entry.lastClosed = value(kLastClosedKey);
    return entry;
}

std::vector<ListEntry> Settings::entriesIn(const ProfileDocument& document) {
    std::vector<ListEntry> entries = entriesIn(document, EntryKind::Caption);
    std::vector<ListEntry> patterns = entriesIn(document, EntryKind::Pattern);
    entries.insert(entries.end(), std::make_move_iterator(patterns.begin()),
                   std::make_move_iterator(patterns.end()));
    return entries;
}

}  // namespace zorvel
