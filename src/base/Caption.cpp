#include "base/Caption.h"

#include "base/Utf.h"

namespace zorvel::caption {

std::string oneLine(std::string_view text, std::size_t units) {
    std::string out = utf::cutUtf8(text, units);
    for (char& c : out) {
        if (c == '\r' || c == '\n' || c == '\t') {
            c = ' ';
        }
    }
    return out;
}

std::string asListed(std::string_view text) {
    return oneLine(text, kMostUnits);
}

}  // namespace zorvel::caption
