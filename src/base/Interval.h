#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Turning the texts of the check interval and of the caption count into numbers.
namespace zorvel::interval {

// The numeric test: surrounding blanks, a sign, a decimal part (full stop, whatever the
// locale) and an exponent are accepted; no thousands separators, no currency.
std::optional<double> parseNumber(std::string_view text);

// Nearest 16-bit signed integer, ties to the even one; nothing when out of range.
std::optional<std::int16_t> roundToInt16(double value);

// Seconds times 1000 in 16-bit signed arithmetic: nothing when the product overflows.
std::optional<std::int16_t> timesThousand(std::int16_t seconds);

// A text as a timer interval in milliseconds: numeric, rounded, times 1000, and a valid
// interval (0 to 32000); nothing otherwise, so the caller keeps the interval it has.
std::optional<int> millisecondsFromText(std::string_view text);

// The number at the start of a text, read leniently: blanks, tabs and line feeds skipped
// wherever they stand, the full stop as the decimal point, reading stops at the first
// character that cannot continue the number; 0 when the text does not begin with one.
double leadingNumber(std::string_view text);

}  // namespace zorvel::interval
