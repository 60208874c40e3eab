#include "base/Entry.h"

namespace zorvel {

std::string withoutAccessKey(const std::string& text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
        }
        shown += text[i];
    }
    return shown;
}

std::string programFileName(const std::string& program) {
    const std::size_t slash = program.find_last_of("\\/");
    std::string name = slash == std::string::npos ? program : program.substr(slash + 1);
    // A value with blanks around it names the same program.
    const std::size_t first = name.find_first_not_of(' ');
    const std::size_t last = name.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : name.substr(first, last - first + 1);
}

}  // namespace zorvel
