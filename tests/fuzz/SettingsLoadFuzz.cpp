// Arbitrary bytes as the settings file: the start-up load, the exit save and the next load
// must neither crash nor hang, and what they leave must be something the program can hold.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fakes/FakeControls.h"
#include "fakes/MemoryStore.h"
#include "platform/DesignTime.h"
#include "settings/Settings.h"

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::size_t characters(const std::string& utf8) {
    std::size_t count = 0;
    for (char c : utf8) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

struct Start {
    explicit Start(zorvel::SettingsStore& store) : settings(store, list, text, timer) {
        settings.load();
    }
    zorvel::fakes::FakeListBox list;
    zorvel::fakes::FakeTextBox text;
    zorvel::fakes::FakeTimer timer;
    zorvel::Settings settings;
};

void requireHoldable(const Start& start) {
    const int interval = start.timer.milliseconds;
    require(interval == designTime::kIntervalMilliseconds || (interval >= 0 && interval <= 32000));
    require(start.list.count() <= 32767);
    for (const std::string& caption : start.list.items) {
        require(!caption.empty() && !caption.starts_with("***"));
        require(characters(caption) <= 255 && caption.find('\0') == std::string::npos);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zorvel::fakes::MemoryStore store(std::string_view(reinterpret_cast<const char*>(data), size));
    Start first(store);
    requireHoldable(first);
    first.settings.save();
    Start next(store);
    requireHoldable(next);
    // The interval in force always survives the round trip through the file.
    require(next.timer.milliseconds == first.timer.milliseconds);
    return 0;
}
