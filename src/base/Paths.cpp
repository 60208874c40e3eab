#include "base/Paths.h"

namespace zorvel {

std::string fileInDirectory(const std::string& directory, std::string_view name) {
    const bool hasSeparator =
        !directory.empty() && (directory.back() == '\\' || directory.back() == '/');
    return directory + (hasSeparator ? "" : "\\") + std::string(name);
}

}  // namespace zorvel
