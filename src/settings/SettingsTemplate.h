#pragma once

#include <string_view>

namespace zorvel {

// What a newly created Zorvel.ini holds: nine lines ending in CR LF, 168 bytes. The
// single-space lines are there on purpose: they are not empty lines.
inline constexpr std::string_view kSettingsTemplate =
    "[OPTIUNI]\r\n"
    ";;;; Optiuni generale ;;;;\r\n"
    " \r\n"
    "Interval_de_timp=0\r\n"
    "Nr_ferestre=0\r\n"
    " \r\n"
    "[FERESTRE_DE_INCHIS]\r\n"
    ";;;; Caption-ul ferestrelor care trebuie inchise automat ;;;;\r\n"
    " \r\n";

}  // namespace zorvel
