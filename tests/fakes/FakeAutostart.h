#pragma once

#include <algorithm>
#include <optional>
#include <string>

#include "platform/Autostart.h"

namespace zorvel::fakes {

// The login list as a single optional entry; paths compare without regard to ASCII case.
class FakeAutostart : public Autostart {
  public:
    std::string programPath() override { return program; }
    std::optional<std::string> entry() override { return value; }
    bool setEntry(const std::string& command) override {
        ++writes;
        if (writeFails) {
            return false;
        }
        value = command;
        return true;
    }
    bool removeEntry() override {
        ++writes;
        if (writeFails) {
            return false;
        }
        value.reset();
        return true;
    }
    std::string pathKey(const std::string& path) override {
        std::string key = path;
        std::transform(key.begin(), key.end(), key.begin(),
                       [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
        return key;
    }

    std::string program = "C:\\Program Files\\Zorvel\\Zorvel.exe";
    std::optional<std::string> value;
    bool writeFails = false;
    int writes = 0;
};

}  // namespace zorvel::fakes
