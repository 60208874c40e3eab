#include "base/Caption.h"

#include "base/Utf.h"

namespace zorvel::caption {

std::string asListed(std::string_view text) {
    std::string out = utf::cutUtf8(text, kMostUnits);
    for (char& c : out) {
        if (c == '\r' || c == '\n' || c == '\t') {
            c = ' ';
        }
    }
    return out;
}

}  // namespace zorvel::caption
