#pragma once

// What the main window and its controls start with, for the real window and the fakes alike.
namespace zorvel::designTime {

inline constexpr int kIntervalMilliseconds = 5000;
inline constexpr double kWindowFontPoints = 8.25;
inline constexpr double kLinkFontPoints = 9.75;

}  // namespace zorvel::designTime
