#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Clock.h"
#include "platform/Controls.h"

namespace zorvel {

// A pause of automatic closing, for a while or until the user resumes. It is never saved:
// a start resumes. Its timer fires once, at the end, and not while it lasts.
class Pause {
  public:
    static constexpr std::int64_t kTenMinutesMs = 10 * 60 * 1000;
    static constexpr std::int64_t kOneHourMs = 60 * 60 * 1000;

    Pause(Clock& clock, Timer& tmrPause) : clock_(clock), tmrPause_(tmrPause) {}

    // For this long from now, or until resumed when nullopt; a new pause replaces one on.
    void start(std::optional<std::int64_t> milliseconds);
    void resume();
    bool active() const { return active_; }
    // True when this was the end of a pause for a while.
    bool tmrPause_Timer();
    // What the tray icon's tip says: until when, or that it is paused until resumed.
    std::string tip() const;

  private:
    // A timer asks for its interval as an int, and may fire a little early.
    void waitForTheEnd(std::int64_t now);

    Clock& clock_;
    Timer& tmrPause_;
    bool active_ = false;
    std::optional<std::int64_t> endsAt_;
    // The end's hour and minute where the user is, as in "14:35".
    std::string until_;
};

}  // namespace zorvel
