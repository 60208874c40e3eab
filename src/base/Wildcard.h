#pragma once

#include <string>
#include <string_view>

// Title patterns: `*` stands for any run of characters, none included, `?` for exactly one;
// every other character stands for itself. Characters are code points, so a surrogate pair
// of the UTF-16 title is one. Both sides are expected already folded alike.
namespace zorvel::wildcard {

// The letters or digits in a row a pattern must hold to name something.
inline constexpr int kLeastRun = 3;

// Whether the text holds a wildcard at all.
bool hasWildcards(std::string_view text);
// Whether the pattern holds kLeastRun letters or digits in a row; blanks, punctuation and
// wildcards break a run. Other patterns (`* - *`, `*...*`, `*a*b*c*`) would catch almost
// every window: they are refused.
bool broadEnough(std::string_view pattern);
// The text's characters; a byte that starts no valid UTF-8 sequence stands for itself.
std::u32string codePoints(std::string_view text);
// Whether the whole of `text` matches `pattern`; time linear in their lengths' product.
bool matches(std::u32string_view pattern, std::u32string_view text);
inline bool matches(std::string_view pattern, std::string_view text) {
    return matches(codePoints(pattern), codePoints(text));
}

}  // namespace zorvel::wildcard
