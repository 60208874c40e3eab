#include "base/Letters.h"

#include <algorithm>
#include <iterator>

namespace zorvel::letters {

namespace {

struct Range {
    char32_t first;
    char32_t last;
};

// Sorted and apart. Unassigned code points inside a block are taken along: no title holds them.
// clang-format off
constexpr Range kLettersAndDigits[] = {
    {0x0030, 0x0039}, {0x0041, 0x005A}, {0x0061, 0x007A},                   // ASCII
    {0x00AA, 0x00AA}, {0x00B5, 0x00B5}, {0x00BA, 0x00BA},                   // ª µ º
    {0x00C0, 0x00D6}, {0x00D8, 0x00F6},                                     // Latin-1 but × ÷
    {0x00F8, 0x02AF},                                                       // Latin Ext. A, B, IPA
    {0x0370, 0x0373}, {0x0376, 0x0377}, {0x037A, 0x037D}, {0x037F, 0x037F}, // Greek
    {0x0386, 0x0386}, {0x0388, 0x03F5}, {0x03F7, 0x03FF},
    {0x0400, 0x0481}, {0x048A, 0x052F},                                     // Cyrillic
    {0x05D0, 0x05EA}, {0x05EF, 0x05F2},                                     // Hebrew
    {0x0620, 0x064A}, {0x0660, 0x0669}, {0x066E, 0x066F}, {0x0671, 0x06D3}, // Arabic, digits
    {0x06D5, 0x06D5}, {0x06E5, 0x06E6}, {0x06EE, 0x06FC}, {0x06FF, 0x06FF},
    {0x1100, 0x11FF},                                                       // Hangul Jamo
    {0x1E00, 0x1EFF},                                                       // Latin Ext. Additional
    {0x3041, 0x3096}, {0x309D, 0x309F},                                     // Hiragana
    {0x30A1, 0x30FA}, {0x30FC, 0x30FF},                                     // Katakana but its dot
    {0x3131, 0x318E},                                                       // Hangul compat. Jamo
    {0x3400, 0x4DBF}, {0x4E00, 0x9FFF},                                     // CJK ideographs
    {0xAC00, 0xD7A3},                                                       // Hangul syllables
    {0xF900, 0xFAFF},                                                       // CJK compatibility
    {0xFF10, 0xFF19}, {0xFF21, 0xFF3A}, {0xFF41, 0xFF5A},                   // full-width
    {0xFF66, 0xFF9D},                                                       // half-width Katakana
    {0x20000, 0x3134F},                                                     // CJK beyond 16 bits
};

constexpr Range kCombiningMarks[] = {
    {0x0300, 0x036F},                                                       // Latin accents
    {0x0483, 0x0489},                                                       // Cyrillic
    {0x0591, 0x05BD}, {0x05BF, 0x05BF}, {0x05C1, 0x05C2}, {0x05C4, 0x05C5}, // Hebrew points
    {0x05C7, 0x05C7},
    {0x0610, 0x061A}, {0x064B, 0x065F}, {0x0670, 0x0670}, {0x06D6, 0x06DC}, // Arabic
    {0x06DF, 0x06E4}, {0x06E7, 0x06E8}, {0x06EA, 0x06ED},
    {0x3099, 0x309A},                                                       // kana voicing
    {0xFE20, 0xFE2F},                                                       // half marks
};
// clang-format on

template <std::size_t N>
bool inRanges(const Range (&ranges)[N], char32_t c) {
    const Range* after =
        std::upper_bound(std::begin(ranges), std::end(ranges), c,
                         [](char32_t point, const Range& r) { return point < r.first; });
    return after != std::begin(ranges) && c <= std::prev(after)->last;
}

}  // namespace

bool isLetterOrDigit(char32_t c) {
    return inRanges(kLettersAndDigits, c);
}

bool isCombiningMark(char32_t c) {
    return inRanges(kCombiningMarks, c);
}

}  // namespace zorvel::letters
