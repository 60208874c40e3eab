#include "settings/Settings.h"

#include <vector>

#include "closer/Interval.h"
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
constexpr int kReadBufferChars = 256;

bool isMissing(const std::string& value) {
    return value.starts_with(kMissing);
}

std::string captionKey(int number) {
    return kCaptionKey + std::to_string(number);
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

void Settings::load() {
    // When the file cannot be created the reads below find nothing and the design-time
    // state stays, as with a file that has none of the keys.
    store_.createNew(std::string(kSettingsTemplate));
    loadInterval();
    const int count = captionCount();
    for (int number = 1; number <= count; ++number) {
        const std::string caption = read(kCaptions, captionKey(number));
        if (!isMissing(caption) && !caption.empty()) {
            lstCaption_.add(caption);
        }
    }
}

void Settings::save() {
    std::vector<std::string> captions;
    std::string allCaptions;
    for (int i = 0; i < lstCaption_.count(); ++i) {
        captions.push_back(oneLine(lstCaption_.item(i)));
        allCaptions += captions.back() + '\n';
    }
    // Before the first write, so that no caption is squeezed into the ANSI code page.
    store_.prepareFor(allCaptions);
    store_.write(kOptions, kIntervalKey, std::to_string(tmrVerifica_.interval() / 1000));
    store_.write(kOptions, kCountKey, std::to_string(captions.size()));
    for (size_t i = 0; i < captions.size(); ++i) {
        store_.write(kCaptions, captionKey(static_cast<int>(i) + 1), captions[i]);
    }
}

std::string Settings::read(const char* section, const std::string& key) {
    return store_.read(section, key, kMissing, kReadBufferChars);
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

int Settings::captionCount() {
    const std::string value = read(kOptions, kCountKey);
    if (isMissing(value)) {
        return 0;
    }
    // A count beyond the 16-bit range counts as 0, like one that is not a number.
    return interval::roundToInt16(interval::leadingNumber(value)).value_or(0);
}

}  // namespace zorvel
