#include "fakes/MemoryStore.h"

#include <algorithm>

namespace zorvel::fakes {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kLastAnsi = 0xFF;
constexpr std::string_view kUnicodeMark = "\xFF\xFE";

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    const int extra = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    constexpr unsigned char kLeads[] = {0, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(kLeads[extra] | (c >> (6 * extra)));
    for (int shift = 6 * (extra - 1); shift >= 0; shift -= 6) {
        out += static_cast<char>(0x80 | ((c >> shift) & 0x3F));
    }
}

int utf8Length(unsigned char lead) {
    return lead < 0x80 ? 1 : lead >> 5 == 6 ? 2 : lead >> 4 == 14 ? 3 : lead >> 3 == 30 ? 4 : 0;
}

// The code points of UTF-8 text; a malformed byte becomes U+FFFD.
std::u32string codePoints(std::string_view utf8) {
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = utf8Length(lead);
        bool valid = length > 0 && i + static_cast<std::size_t>(length) <= utf8.size();
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        out += valid ? c : kReplacement;
        i += valid ? static_cast<std::size_t>(length) : 1;
    }
    return out;
}

std::string utf8(std::u32string_view text) {
    std::string out;
    for (char32_t c : text) {
        appendUtf8(out, c);
    }
    return out;
}

// What the platform stores in an ANSI file for a text: '?' where the code page has no letter.
std::string toAnsi(std::string_view text) {
    std::u32string points = codePoints(text);
    for (char32_t& c : points) {
        c = c > kLastAnsi ? U'?' : c;
    }
    return utf8(points);
}

bool fitsAnsi(std::string_view text) {
    for (char32_t c : codePoints(text)) {
        if (c > kLastAnsi) {
            return false;
        }
    }
    return true;
}

std::string decodeUtf16(std::string_view bytes) {
    std::u32string points;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char32_t unit =
            static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8;
        const bool high = unit >= 0xD800 && unit < 0xDC00;
        const bool low = unit >= 0xDC00 && unit < 0xE000;
        if (high && !points.empty() && points.back() >= 0xD800 && points.back() < 0xDC00) {
            points.back() = kReplacement;  // a high surrogate without its low one
        }
        if (low && !points.empty() && points.back() >= 0xD800 && points.back() < 0xDC00) {
            points.back() = 0x10000 + ((points.back() - 0xD800) << 10) + (unit - 0xDC00);
        } else {
            points += low ? kReplacement : unit;
        }
    }
    if (!points.empty() && points.back() >= 0xD800 && points.back() < 0xDC00) {
        points.back() = kReplacement;
    }
    return utf8(points);
}

std::string encodeUtf16(std::string_view text) {
    std::string out(kUnicodeMark);
    auto unit = [&out](char32_t u) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    };
    for (char32_t c : codePoints(text)) {
        if (c >= 0x10000) {
            unit(0xD800 + ((c - 0x10000) >> 10));
            unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            unit(c);
        }
    }
    return out;
}

std::string decodeAnsi(std::string_view bytes) {
    std::string out;
    for (char byte : bytes) {
        appendUtf8(out, static_cast<unsigned char>(byte));
    }
    return out;
}

std::string encodeAnsi(std::string_view text) {
    std::string out;
    for (char32_t c : codePoints(text)) {
        out += static_cast<char>(c > kLastAnsi ? U'?' : c);
    }
    return out;
}

std::string fold(std::string_view name) {
    std::string out(name);
    for (char& c : out) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string lookupName(std::string_view section, std::string_view key) {
    return fold(section) + '\n' + fold(key);
}

// The value as a read into a buffer of `bufferChars` UTF-16 units leaves it: up to the
// first NUL, at most bufferChars - 1 units, never half a character.
std::string cutToBuffer(std::string_view value, int bufferChars) {
    if (bufferChars <= 0) {
        return {};
    }
    value = value.substr(0, value.find('\0'));
    std::u32string kept;
    std::size_t units = 0;
    for (char32_t c : codePoints(value)) {
        units += c >= 0x10000 ? 2 : 1;
        if (units > static_cast<std::size_t>(bufferChars - 1)) {
            break;
        }
        kept += c;
    }
    return utf8(kept);
}

// The platform drops one pair of quotation marks around a value.
std::string unquote(std::string value) {
    const bool quoted = value.size() >= 2 && value.front() == value.back() &&
                        (value.front() == '"' || value.front() == '\'');
    return quoted ? value.substr(1, value.size() - 2) : value;
}

}  // namespace

MemoryStore::MemoryStore(std::string_view bytes) {
    setBytes(bytes);
}

bool MemoryStore::createNew(const std::string& content) {
    if (exists_ || directoryReadOnly) {
        return false;
    }
    setBytes(content);
    return true;
}

std::string MemoryStore::read(const std::string& section, const std::string& key,
                              const std::string& fallback, int bufferChars) {
    const auto found = exists_ ? keyLines_.find(lookupName(section, key)) : keyLines_.end();
    if (found == keyLines_.end()) {
        return cutToBuffer(fallback, bufferChars);
    }
    const Line& line = lines_[found->second];
    return cutToBuffer(unquote(text_.substr(line.valueBegin, line.to - line.valueBegin)),
                       bufferChars);
}

void MemoryStore::write(const std::string& section, const std::string& key,
                        const std::string& value) {
    writes.push_back({section, key, value});
    if (!canHaveFile()) {
        return;
    }
    const std::string name = stored(section);
    const std::string entry = stored(key) + '=' + stored(value);
    if (const auto line = keyLines_.find(lookupName(name, stored(key))); line != keyLines_.end()) {
        replaceValue(lines_[line->second], stored(value));
    } else if (const auto last = sectionEnds_.find(fold(name)); last != sectionEnds_.end()) {
        insertAt(lines_[last->second].next, entry + "\r\n");
    } else {
        insertAt(text_.size(), '[' + name + "]\r\n" + entry + "\r\n");
    }
}

void MemoryStore::prepareFor(const std::string& text) {
    if (!unicode_ && !fitsAnsi(text) && canHaveFile()) {
        unicode_ = true;
    }
}

std::string MemoryStore::bytes() const {
    return unicode_ ? encodeUtf16(text_) : encodeAnsi(text_);
}

void MemoryStore::remove() {
    exists_ = false;
    unicode_ = false;
    setText({});
}

void MemoryStore::setBytes(std::string_view bytes) {
    exists_ = true;
    unicode_ = bytes.starts_with(kUnicodeMark);
    setText(unicode_ ? decodeUtf16(bytes.substr(kUnicodeMark.size())) : decodeAnsi(bytes));
}

std::string MemoryStore::stored(const std::string& text) const {
    return unicode_ ? text : toAnsi(text);
}

bool MemoryStore::canHaveFile() {
    if (!exists_ && !directoryReadOnly) {
        exists_ = true;
        setText({});
    }
    return exists_;
}

void MemoryStore::replaceValue(const Line& line, const std::string& value) {
    text_.replace(line.begin, line.end - line.begin, line.keyName + '=' + value);
    parse();
}

void MemoryStore::insertAt(std::size_t at, const std::string& lines) {
    const bool unfinished = at == text_.size() && !text_.empty() && text_.back() != '\n';
    text_.insert(at, unfinished ? "\r\n" + lines : lines);
    parse();
}

void MemoryStore::setText(std::string text) {
    text_ = std::move(text);
    parse();
}

MemoryStore::Line MemoryStore::lineAt(std::size_t begin) const {
    Line line;
    const std::size_t lineBreak = std::min(text_.find('\n', begin), text_.size());
    const bool crlf = lineBreak < text_.size() && lineBreak > begin && text_[lineBreak - 1] == '\r';
    line.begin = begin;
    line.end = crlf ? lineBreak - 1 : lineBreak;
    line.next = lineBreak + (lineBreak < text_.size() ? 1 : 0);
    line.from = line.begin;
    line.to = line.end;
    while (line.from < line.to && isBlank(text_[line.from])) {
        ++line.from;
    }
    while (line.to > line.from && isBlank(text_[line.to - 1])) {
        --line.to;
    }
    const std::size_t equals = text_.find('=', line.from);
    if (line.from < line.to && text_[line.from] != ';' && text_[line.from] != '[' &&
        equals < line.to) {
        std::size_t nameEnd = equals;
        while (nameEnd > line.from && isBlank(text_[nameEnd - 1])) {
            --nameEnd;
        }
        line.keyName = text_.substr(line.from, nameEnd - line.from);
        line.valueBegin = equals + 1;
        while (line.valueBegin < line.to && isBlank(text_[line.valueBegin])) {
            ++line.valueBegin;
        }
        line.isKey = true;
    }
    return line;
}

void MemoryStore::parse() {
    lines_.clear();
    keyLines_.clear();
    sectionEnds_.clear();
    std::string section;
    bool counted = false;  // only the first section of a name is looked in
    for (std::size_t begin = 0; begin < text_.size(); begin = lines_.back().next) {
        Line line = lineAt(begin);
        const std::size_t close = text_.find(']', line.from);
        const std::size_t index = lines_.size();
        if (line.from < line.to && text_[line.from] == '[' && close < line.to) {
            section = fold(std::string_view(text_).substr(line.from + 1, close - line.from - 1));
            counted = !sectionEnds_.contains(section);
        } else if (line.isKey && counted) {
            keyLines_.try_emplace(section + '\n' + fold(line.keyName), index);
        }
        if (counted) {
            sectionEnds_[section] = index;
        }
        lines_.push_back(std::move(line));
    }
}

}  // namespace zorvel::fakes
