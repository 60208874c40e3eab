#include "fakes/FakeLogFile.h"

namespace zorvel::fakes {

std::optional<std::uint64_t> FakeLogFile::append(std::string_view header, std::string_view added) {
    ++appends;
    if (failing) {
        return std::nullopt;
    }
    if (!bytes || bytes->empty()) {
        bytes = std::string(header);
    }
    *bytes += added;
    return bytes->size();
}

bool FakeLogFile::rotate() {
    ++rotations;
    if (failing || olderHeld || !bytes) {
        return false;
    }
    older = std::move(bytes);
    bytes.reset();
    return true;
}

std::string FakeLogFile::ensureExists() {
    if (!bytes && failing) {
        return "Access is denied.";
    }
    if (!bytes) {
        bytes.emplace();
    }
    return {};
}

}  // namespace zorvel::fakes
