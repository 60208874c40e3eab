#pragma once

#include <string>
#include <string_view>

namespace zorvel {

// A file named `name` in `directory`, with one separator between them whether or not the
// directory ends in one.
std::string fileInDirectory(const std::string& directory, std::string_view name);

}  // namespace zorvel
