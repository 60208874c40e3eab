#include "base/Wildcard.h"

#include <cstddef>

#include "base/Letters.h"

namespace zorvel::wildcard {

// Malformed text still compares byte for byte.
std::u32string codePoints(std::string_view text) {
    std::u32string points;
    points.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        // The lead byte's own bits, without the marks of the sequence's length.
        char32_t point = lead & (0x7FU >> length);
        bool whole = i + length <= text.size();
        for (std::size_t k = 1; whole && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            whole = (next & 0xC0) == 0x80;
            point = (point << 6) | (next & 0x3F);
        }
        if (length == 1 || !whole) {
            // A stray byte is kept outside Unicode, equal only to the same stray byte.
            points.push_back(lead < 0x80 ? lead : 0x110000 + lead);
            ++i;
            continue;
        }
        points.push_back(point);
        i += length;
    }
    return points;
}

bool hasWildcards(std::string_view text) {
    return text.find_first_of("*?") != std::string_view::npos;
}

bool broadEnough(std::string_view pattern) {
    int run = 0;
    for (char32_t c : codePoints(pattern)) {
        if (letters::isLetterOrDigit(c)) {
            if (++run == kLeastRun) {
                return true;
            }
        } else if (!letters::isCombiningMark(c)) {
            run = 0;
        }
    }
    return false;
}

bool matches(std::u32string_view p, std::u32string_view t) {
    std::size_t pi = 0;
    std::size_t ti = 0;
    // The last `*` seen and where its run of text ends so far: on a mismatch the run grows by
    // one and matching resumes after the star. Earlier stars never need another try, since a
    // later star can absorb whatever they would.
    std::size_t star = std::u32string_view::npos;
    std::size_t starText = 0;
    while (ti < t.size()) {
        if (pi < p.size() && p[pi] == U'*') {
            star = pi++;
            starText = ti;
        } else if (pi < p.size() && (p[pi] == U'?' || p[pi] == t[ti])) {
            ++pi;
            ++ti;
        } else if (star != std::u32string_view::npos) {
            pi = star + 1;
            ti = ++starText;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == U'*') {
        ++pi;
    }
    return pi == p.size();
}

}  // namespace zorvel::wildcard
