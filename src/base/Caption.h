#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zorvel::caption {

// The most UTF-16 units of a caption that a read of the settings file gives back.
inline constexpr std::size_t kMostUnits = 255;

// A text as the list holds it and the settings file gives it back: a value is one line, so
// line breaks and tabs become spaces, and it is cut to kMostUnits between two characters.
std::string asListed(std::string_view text);

}  // namespace zorvel::caption
