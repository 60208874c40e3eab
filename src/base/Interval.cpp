#include "base/Interval.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace zorvel::interval {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// A number taken apart: its digits (with the full stop) and its decimal exponent.
struct Scanned {
    bool negative = false;
    std::string mantissa;  // digits and at most one full stop, as read
    int mantissaDigits = 0;
    long long exponent = 0;         // saturated well beyond any double's range
    bool danglingExponent = false;  // an "e" that no digit followed
    std::size_t end = 0;            // where reading stopped
};

// Reads a number from the start of `text`. With `skipBlanks`, blanks, tabs and line feeds
// are passed over wherever they stand, as the lenient read does.
Scanned scan(std::string_view text, bool skipBlanks) {
    Scanned s;
    std::size_t i = 0;
    auto skip = [&] {
        while (skipBlanks && i < text.size() && (isBlank(text[i]) || text[i] == '\n')) {
            ++i;
        }
    };
    skip();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        s.negative = text[i++] == '-';
    }
    bool point = false;
    for (skip(); i < text.size(); ++i, skip()) {
        if (isDigit(text[i])) {
            ++s.mantissaDigits;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
        s.mantissa += text[i];
    }
    s.end = i;
    if (s.mantissaDigits == 0 || i == text.size() || (text[i] != 'e' && text[i] != 'E')) {
        return s;
    }
    ++i;
    skip();
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negativeExponent = text[i++] == '-';
    }
    long long exponent = 0;
    int exponentDigits = 0;
    for (skip(); i < text.size() && isDigit(text[i]); ++i, skip()) {
        exponent = std::min(exponent * 10 + (text[i] - '0'), 1'000'000'000LL);
        ++exponentDigits;
    }
    if (exponentDigits == 0) {
        s.danglingExponent = true;
        return s;
    }
    s.exponent = negativeExponent ? -exponent : exponent;
    s.end = i;
    return s;
}

// Whether a number that does not fit a double is too large (rather than too small): the
// place of its first significant digit decides.
bool overflows(const Scanned& s) {
    const std::size_t point = std::min(s.mantissa.find('.'), s.mantissa.size());
    const std::size_t first = s.mantissa.find_first_of("123456789");
    const long long place = static_cast<long long>(point) - static_cast<long long>(first);
    return place + s.exponent > 0;
}

double toDouble(const Scanned& s) {
    if (s.mantissaDigits == 0) {
        return 0.0;
    }
    // from_chars never looks at the locale; it is given only digits, a point and "e".
    std::string text = s.mantissa;
    if (text.back() == '.') {
        text.pop_back();
    }
    text += 'e' + std::to_string(s.exponent);
    double value = 0.0;
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        value = overflows(s) ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return s.negative ? -value : value;
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::optional<double> parseNumber(std::string_view text) {
    text = trimBlanks(text);
    const Scanned s = scan(text, false);
    if (s.mantissaDigits == 0 || s.danglingExponent || s.end != text.size()) {
        return std::nullopt;
    }
    return toDouble(s);
}

std::optional<std::int16_t> roundToInt16(double value) {
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    // Also turns away NaN, for which every comparison is false.
    if (!(value >= lowest - 0.5 && value <= highest + 0.5)) {
        return std::nullopt;
    }
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = fraction < 0.5 ? below : below + 1.0;
    if (fraction == 0.5 && std::fmod(below, 2.0) == 0.0) {
        rounded = below;
    }
    if (rounded < lowest || rounded > highest) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

std::optional<std::int16_t> timesThousand(std::int16_t seconds) {
    const int product = seconds * 1000;
    if (product < std::numeric_limits<std::int16_t>::min() ||
        product > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(product);
}

std::optional<int> millisecondsFromText(std::string_view text) {
    const std::optional<double> number = parseNumber(text);
    const std::optional<std::int16_t> seconds = number ? roundToInt16(*number) : std::nullopt;
    const std::optional<std::int16_t> product = seconds ? timesThousand(*seconds) : std::nullopt;
    // A negative interval is not one a timer can take.
    if (!product || *product < 0) {
        return std::nullopt;
    }
    return *product;
}

double leadingNumber(std::string_view text) {
    return toDouble(scan(text, true));
}

}  // namespace zorvel::interval
