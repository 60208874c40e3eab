#include "app/Pause.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "base/Texts.h"

namespace zorvel {

namespace {

// The minute at which a pause starting at `now` for `milliseconds` ends, as "HH:MM".
std::string clockTime(const LocalTime& now, std::int64_t milliseconds) {
    constexpr std::int64_t kMinutesADay = 24 * 60;
    const std::int64_t sinceMidnightMs =
        ((now.hour * 60 + now.minute) * 60 + now.second) * 1000 + now.millisecond;
    const std::int64_t minute = (sinceMidnightMs + milliseconds) / 60000 % kMinutesADay;
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", static_cast<int>(minute / 60),
                  static_cast<int>(minute % 60));
    return text;
}

}  // namespace

void Pause::start(std::optional<std::int64_t> milliseconds) {
    active_ = true;
    if (!milliseconds) {
        endsAt_.reset();
        until_.clear();
        tmrPause_.setInterval(0);
        return;
    }
    const std::int64_t now = clock_.milliseconds();
    endsAt_ = now + *milliseconds;
    until_ = clockTime(clock_.localTime(), *milliseconds);
    waitForTheEnd(now);
}

void Pause::resume() {
    active_ = false;
    endsAt_.reset();
    tmrPause_.setInterval(0);
}

bool Pause::tmrPause_Timer() {
    if (!active_ || !endsAt_) {
        tmrPause_.setInterval(0);
        return false;
    }
    const std::int64_t now = clock_.milliseconds();
    if (now < *endsAt_) {
        waitForTheEnd(now);
        return false;
    }
    resume();
    return true;
}

std::string Pause::tip() const {
    if (!active_) {
        return texts::kTrayTip;
    }
    return until_.empty() ? texts::kTrayTipPaused : texts::kTrayTipPausedUntil + until_;
}

void Pause::waitForTheEnd(std::int64_t now) {
    const std::int64_t left =
        std::clamp<std::int64_t>(*endsAt_ - now, 1, std::numeric_limits<int>::max());
    tmrPause_.setInterval(static_cast<int>(left));
}

}  // namespace zorvel
