#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zorvel::caption {

// The most UTF-16 units of a caption that a read of the settings file gives back.
inline constexpr std::size_t kMostUnits = 255;

// The text on one line, cut to `units` UTF-16 units between two characters: line breaks and
// tabs become spaces.
std::string oneLine(std::string_view text, std::size_t units);

// A text as the list holds it and the settings file gives it back: a value is one line of at
// most kMostUnits.
std::string asListed(std::string_view text);

}  // namespace zorvel::caption
