#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "platform/Desktop.h"

namespace zorvel {

// The visible top-level windows by title key, read once, for looking many captions up.
class TitleIndex {
  public:
    explicit TitleIndex(Desktop& desktop);
    // The windows whose whole title has this key, in stacking order, topmost first.
    const std::vector<WindowId>& windowsWithKey(const std::string& key) const;

  private:
    std::unordered_map<std::string, std::vector<WindowId>> byKey_;
};

}  // namespace zorvel
