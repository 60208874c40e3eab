#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorvel {

// The system's ANSI code page, in which a settings file without a byte-order mark is kept.
class AnsiCodePage {
  public:
    virtual ~AnsiCodePage() = default;
    virtual std::string toUtf8(std::string_view ansi) const = 0;
    // Nothing when a character has no exact counterpart in the code page: a look-alike
    // stand-in would change the text.
    virtual std::optional<std::string> fromUtf8(std::string_view utf8) const = 0;
};

}  // namespace zorvel
