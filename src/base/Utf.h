#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The one conversion between the UTF-8 used inside the program and the UTF-16 of the
// platform's calls and of Unicode settings files. Malformed input becomes U+FFFD.
namespace zorvel::utf {

std::u16string toUtf16(std::string_view utf8);
std::string toUtf8(std::u16string_view utf16);
// Whether every byte belongs to a well-formed sequence: no overlong form, no surrogate, nothing
// beyond U+10FFFF, no sequence cut short.
bool isWellFormed(std::string_view utf8);

// UTF-16 as the little-endian bytes of a Unicode file, without a byte-order mark; an odd
// last byte is dropped.
std::string toUtf16LeBytes(std::u16string_view text);
std::u16string fromUtf16LeBytes(std::string_view bytes);

// The longest start of `text` of at most `units` UTF-16 units that ends on a character
// boundary: a surrogate pair is kept whole or dropped whole.
std::u16string_view cut(std::u16string_view text, std::size_t units);
// The same cut for UTF-8 text, counted in the UTF-16 units the text would take.
std::string cutUtf8(std::string_view utf8, std::size_t units);

// wchar_t is 16 bits wide on Windows, where these serve the W calls.
template <typename Wide>
std::basic_string<Wide> toWide(std::string_view utf8) {
    const std::u16string units = toUtf16(utf8);
    return std::basic_string<Wide>(units.begin(), units.end());
}
template <typename Wide>
std::string fromWide(const Wide* text, std::size_t length) {
    return toUtf8(std::u16string(text, text + length));
}

}  // namespace zorvel::utf
