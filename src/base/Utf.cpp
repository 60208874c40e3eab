#include "base/Utf.h"

namespace zorvel::utf {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit < 0xDC00;
}

bool isLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit < 0xE000;
}

// The code point starting at `at`, and how many bytes it takes (at least one). Overlong
// forms, surrogates and values beyond U+10FFFF are malformed, as are cut sequences.
char32_t decodeAt(std::string_view utf8, std::size_t at, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(utf8[at]);
    length = 1;
    if (lead < 0x80) {
        return lead;
    }
    const std::size_t extra = lead >> 5 == 6 ? 1 : lead >> 4 == 14 ? 2 : lead >> 3 == 30 ? 3 : 0;
    if (extra == 0 || at + extra >= utf8.size()) {
        return kReplacement;
    }
    char32_t c = lead & (0x3F >> extra);
    for (std::size_t k = 1; k <= extra; ++k) {
        const auto next = static_cast<unsigned char>(utf8[at + k]);
        if ((next & 0xC0) != 0x80) {
            return kReplacement;
        }
        c = (c << 6) | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[extra] || c > 0x10FFFF || isHighSurrogate(c) || isLowSurrogate(c)) {
        return kReplacement;
    }
    length = extra + 1;
    return c;
}

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

}  // namespace

std::u16string toUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0, length = 0; at < utf8.size(); at += length) {
        const char32_t c = decodeAt(utf8, at, length);
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

std::string toUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t at = 0; at < utf16.size(); ++at) {
        const char32_t unit = utf16[at];
        const bool paired =
            isHighSurrogate(unit) && at + 1 < utf16.size() && isLowSurrogate(utf16[at + 1]);
        if (paired) {
            appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (utf16[++at] - 0xDC00));
        } else {
            appendUtf8(out, isHighSurrogate(unit) || isLowSurrogate(unit) ? kReplacement : unit);
        }
    }
    return out;
}

bool isWellFormed(std::string_view utf8) {
    for (std::size_t at = 0, length = 0; at < utf8.size(); at += length) {
        // A malformed sequence decodes to U+FFFD one byte long; the real U+FFFD takes three.
        if (decodeAt(utf8, at, length) == kReplacement && length == 1) {
            return false;
        }
    }
    return true;
}

std::u16string_view cut(std::u16string_view text, std::size_t units) {
    if (text.size() <= units) {
        return text;
    }
    const bool splitsPair =
        units > 0 && isHighSurrogate(text[units - 1]) && isLowSurrogate(text[units]);
    return text.substr(0, splitsPair ? units - 1 : units);
}

std::string cutUtf8(std::string_view utf8, std::size_t units) {
    std::size_t at = 0;
    for (std::size_t length = 0, taken = 0; at < utf8.size(); at += length) {
        const char32_t c = decodeAt(utf8, at, length);
        taken += c >= 0x10000 ? 2 : 1;
        if (taken > units) {
            break;
        }
    }
    return std::string(utf8.substr(0, at));
}

std::string toUtf16LeBytes(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(2 * text.size());
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

std::u16string fromUtf16LeBytes(std::string_view bytes) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                         static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
    return units;
}

}  // namespace zorvel::utf
