// Arbitrary bytes as the settings file: the start-up load, the exit save and the next load
// must neither crash nor hang, what they leave must be something the program can hold, and a
// file the load refused must come out of the save untouched.
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
        loaded = settings.load();
    }
    zorvel::fakes::FakeListBox list;
    zorvel::fakes::FakeTextBox text;
    zorvel::fakes::FakeTimer timer;
    zorvel::Settings settings;
    bool loaded = false;
};

void requireHoldable(const Start& start) {
    const int interval = start.timer.milliseconds;
    require(interval == designTime::kIntervalMilliseconds || (interval >= 0 && interval <= 32000));
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
    const std::string before = store.bytes();
    require(first.settings.save());
    if (!first.loaded) {
        require(store.bytes() == before);
        return 0;
    }
    Start next(store);
    require(next.loaded);
    requireHoldable(next);
    // The interval in force always survives the round trip through the file.
    require(next.timer.milliseconds == first.timer.milliseconds);
    return 0;
}
