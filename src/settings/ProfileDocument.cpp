#include "settings/ProfileDocument.h"

#include <algorithm>

#include "base/Utf.h"

namespace zorvel {

namespace {

constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kNewLineBreak = "\r\n";
constexpr std::size_t kValueUnits = 255;  // what a read into a buffer of 256 keeps

struct ParsedLine {
    enum class Kind { Other, Section, Key } kind = Kind::Other;
    std::string_view name;
    std::string_view value;
};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

ParsedLine parseLine(std::string_view line) {
    line = trimmed(line);
    if (line.empty() || line.front() == ';') {
        return {};
    }
    if (line.front() == '[') {
        const std::size_t close = line.find(']');
        return close == std::string_view::npos
                   ? ParsedLine{}
                   : ParsedLine{ParsedLine::Kind::Section, line.substr(1, close - 1), {}};
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return {};
    }
    return {ParsedLine::Kind::Key, trimmed(line.substr(0, equals)),
            trimmed(line.substr(equals + 1))};
}

std::string fold(std::string_view name) {
    std::string out(name);
    for (char& c : out) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
}

std::string lookupName(std::string_view foldedSection, std::string_view key) {
    return std::string(foldedSection) + '\n' + fold(key);
}

// A value as it must be written for a read to give it back: a value whose ends a read would
// take away (blanks, a pair of quotes) goes inside one more pair of quotes.
std::string storedValue(std::string_view value) {
    const bool losesEnds = !value.empty() && (isBlank(value.front()) || isBlank(value.back()) ||
                                              (value.size() >= 2 && value.front() == value.back() &&
                                               (value.front() == '"' || value.front() == '\'')));
    return losesEnds ? '"' + std::string(value) + '"' : std::string(value);
}

// A value as a read leaves it: one pair of quotes dropped, up to a NUL, 255 units at most.
std::string readValue(std::string_view raw) {
    const bool quoted =
        raw.size() >= 2 && raw.front() == raw.back() && (raw.front() == '"' || raw.front() == '\'');
    if (quoted) {
        raw = raw.substr(1, raw.size() - 2);
    }
    return utf::cutUtf8(raw.substr(0, raw.find('\0')), kValueUnits);
}

std::string fromUtf16Le(std::string_view bytes) {
    return utf::toUtf8(utf::fromUtf16LeBytes(bytes));
}

std::string toUtf16Le(std::string_view text) {
    return std::string(kUtf16LeMark) + utf::toUtf16LeBytes(utf::toUtf16(text));
}

// Text in UTF-16LE without a mark: most characters of a settings file are ASCII, so most
// high bytes are zero while low bytes almost never are.
bool looksLikeUtf16Le(std::string_view bytes) {
    if (bytes.size() < 2 || bytes.size() % 2 != 0) {
        return false;
    }
    std::size_t zeroLow = 0;
    std::size_t zeroHigh = 0;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        zeroLow += bytes[i] == '\0' ? 1 : 0;
        zeroHigh += bytes[i + 1] == '\0' ? 1 : 0;
    }
    return zeroHigh * 4 >= bytes.size() && zeroLow * 8 <= zeroHigh;
}

// Text in a Romanian or Western code page is practically never well-formed UTF-8 once it
// holds a byte above ASCII; pure ASCII stays ANSI, as it always was.
bool readsAsUtf8(std::string_view bytes) {
    const bool beyondAscii = std::any_of(
        bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return beyondAscii && utf::isWellFormed(bytes);
}

// The file's text as UTF-8, or nothing when it is in no encoding read here.
std::optional<std::string> decode(std::string_view bytes, const AnsiCodePage& codePage,
                                  ProfileDocument::Encoding& encoding) {
    using Encoding = ProfileDocument::Encoding;
    if (bytes.starts_with(kUtf16LeMark)) {
        encoding = Encoding::Utf16Le;
        return fromUtf16Le(bytes.substr(kUtf16LeMark.size()));
    }
    if (bytes.starts_with(kUtf8Mark)) {
        encoding = Encoding::Utf8;
        return utf::toUtf8(utf::toUtf16(bytes.substr(kUtf8Mark.size())));
    }
    if (looksLikeUtf16Le(bytes)) {
        encoding = Encoding::Utf16Le;
        return fromUtf16Le(bytes);
    }
    // Big-endian UTF-16 and binary data: text in a code page holds no NUL.
    if (bytes.starts_with(kUtf16BeMark) || bytes.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    if (readsAsUtf8(bytes)) {
        encoding = Encoding::Utf8NoMark;
        return std::string(bytes);
    }
    encoding = Encoding::Ansi;
    return codePage.toUtf8(bytes);
}

}  // namespace

std::optional<ProfileDocument> ProfileDocument::parse(std::string_view bytes,
                                                      const AnsiCodePage& codePage) {
    ProfileDocument document;
    if (bytes.empty()) {
        return document;
    }
    const std::optional<std::string> text = decode(bytes, codePage, document.encoding_);
    if (!text) {
        return std::nullopt;
    }
    document.addLines(*text);
    if (!document.hasEntries_) {
        return std::nullopt;
    }
    return document;
}

void ProfileDocument::addLines(std::string_view text) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        std::string_view lineBreak = end == std::string_view::npos ? "" : "\n";
        if (!lineBreak.empty() && line.ends_with('\r')) {
            line.remove_suffix(1);
            lineBreak = kNewLineBreak;
        }
        lines_.push_back({std::string(line), std::string(lineBreak), {}});
        index(lines_.size() - 1);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
}

void ProfileDocument::index(std::size_t line) {
    const ParsedLine parsed = parseLine(lines_[line].text);
    if (parsed.kind == ParsedLine::Kind::Section) {
        current_ = fold(parsed.name);
        counted_ = !sections_.contains(current_);
    } else if (parsed.kind == ParsedLine::Kind::Key && counted_ &&
               keys_.try_emplace(lookupName(current_, parsed.name), Place{line}).second) {
        sections_[current_].keys.push_back(fold(parsed.name));
    }
    hasEntries_ = hasEntries_ || parsed.kind != ParsedLine::Kind::Other;
    if (counted_) {
        sections_[current_].lastLine = line;
    }
}

const std::string& ProfileDocument::textAt(Place place) const {
    const Line& line = lines_[place.line];
    return place.added == kRead ? line.text : line.added[place.added];
}

std::string& ProfileDocument::textAt(Place place) {
    Line& line = lines_[place.line];
    return place.added == kRead ? line.text : line.added[place.added];
}

std::optional<std::string> ProfileDocument::value(std::string_view section,
                                                  std::string_view key) const {
    const auto found = keys_.find(lookupName(fold(section), key));
    if (found == keys_.end()) {
        return std::nullopt;
    }
    return readValue(parseLine(textAt(found->second)).value);
}

std::vector<ProfileDocument::Entry> ProfileDocument::entries(std::string_view section) const {
    std::vector<Entry> out;
    const std::string folded = fold(section);
    const auto found = sections_.find(folded);
    if (found == sections_.end()) {
        return out;
    }
    out.reserve(found->second.keys.size());
    for (const std::string& key : found->second.keys) {
        const ParsedLine parsed = parseLine(textAt(keys_.at(lookupName(folded, key))));
        out.push_back({std::string(parsed.name), readValue(parsed.value)});
    }
    return out;
}

void ProfileDocument::set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string folded = fold(section);
    const std::string name = lookupName(folded, key);
    if (const auto found = keys_.find(name); found != keys_.end()) {
        std::string& line = textAt(found->second);
        line = std::string(parseLine(line).name) + '=' + storedValue(value);
        return;
    }
    std::string line = std::string(key) + '=' + storedValue(value);
    const auto existing = sections_.find(folded);
    if (existing == sections_.end()) {
        lines_.push_back({'[' + std::string(section) + ']', std::string(kNewLineBreak), {}});
        index(lines_.size() - 1);
        lines_.push_back({std::move(line), std::string(kNewLineBreak), {}});
        index(lines_.size() - 1);
        return;
    }
    Section& target = existing->second;
    std::vector<std::string>& added = lines_[target.lastLine].added;
    added.push_back(std::move(line));
    keys_.emplace(name, Place{target.lastLine, added.size() - 1});
    target.keys.push_back(fold(key));
}

void ProfileDocument::remove(std::string_view section, std::string_view key) {
    const std::string folded = fold(section);
    const auto found = keys_.find(lookupName(folded, key));
    if (found == keys_.end()) {
        return;
    }
    const Place place = found->second;
    if (place.added == kRead) {
        lines_[place.line].removed = true;
    } else {
        lines_[place.line].added[place.added].clear();
    }
    keys_.erase(found);
    std::erase(sections_[folded].keys, fold(key));
}

std::string ProfileDocument::text() const {
    std::string out;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.removed) {
            for (const std::string& added : line.added) {
                out += added.empty() ? "" : added + std::string(kNewLineBreak);
            }
            continue;
        }
        out += line.text;
        // The last line may lack a break; one is needed once anything follows it.
        const bool followed = i + 1 < lines_.size() || !line.added.empty();
        out += line.lineBreak.empty() && followed ? kNewLineBreak : line.lineBreak;
        for (const std::string& added : line.added) {
            out += added.empty() ? "" : added + std::string(kNewLineBreak);
        }
    }
    return out;
}

std::string ProfileDocument::bytes(const AnsiCodePage& codePage) const {
    const std::string content = text();
    switch (encoding_) {
        case Encoding::Utf16Le:
            return toUtf16Le(content);
        case Encoding::Utf8:
            return std::string(kUtf8Mark) + content;
        case Encoding::Utf8NoMark:
            return content;
        case Encoding::Ansi:
            break;
    }
    // ANSI bytes that the next read would take for UTF-8 would come back as other text.
    std::optional<std::string> ansi = codePage.fromUtf8(content);
    const bool comesBack = ansi && (*ansi == content || !readsAsUtf8(*ansi));
    return comesBack ? *std::move(ansi) : toUtf16Le(content);
}

}  // namespace zorvel
