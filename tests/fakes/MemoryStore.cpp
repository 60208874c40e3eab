#include "fakes/MemoryStore.h"

#include "base/Utf.h"

namespace zorvel::fakes {

SettingsStore::Contents MemoryStore::read() const {
    if (!bytes_) {
        return {Contents::State::Missing, {}};
    }
    return readFails ? Contents{Contents::State::Unreadable, {}}
                     : Contents{Contents::State::Read, *bytes_};
}

bool MemoryStore::createNew(const std::string& content) {
    if (bytes_ || directoryReadOnly) {
        return false;
    }
    bytes_ = content;
    return true;
}

bool MemoryStore::replace(const std::string& content) {
    ++replaces;
    if (directoryReadOnly) {
        return false;
    }
    bytes_ = content;
    return true;
}

std::string MemoryStore::toUtf8(std::string_view ansi) const {
    std::u16string units;
    for (char byte : ansi) {
        units += static_cast<char16_t>(static_cast<unsigned char>(byte));
    }
    return utf::toUtf8(units);
}

std::optional<std::string> MemoryStore::fromUtf8(std::string_view utf8) const {
    std::string out;
    for (char16_t unit : utf::toUtf16(utf8)) {
        if (unit > 0xFF) {
            return std::nullopt;
        }
        out += static_cast<char>(unit);
    }
    return out;
}

}  // namespace zorvel::fakes
