#pragma once

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "closer/EntryMatcher.h"
#include "platform/Desktop.h"

namespace zorvel {

// The visible top-level windows by title key, read once, for looking many captions up.
class TitleIndex {
  public:
    explicit TitleIndex(Desktop& desktop);
    // The windows an entry matches, in stacking order, topmost first.
    std::vector<WindowId> windowsFor(const ListEntry& entry) const;
    // The same, whatever their program.
    std::vector<WindowId> windowsTitled(const ListEntry& entry) const;

  private:
    Desktop& desktop_;
    std::unordered_map<std::string, std::vector<WindowId>> byKey_;
    // Every titled window with its key as characters, in stacking order: read only when a
    // pattern asks, so a list of exact captions pays nothing for it.
    mutable std::vector<std::pair<WindowId, std::u32string>> inOrder_;
    std::vector<std::pair<WindowId, const std::string*>> order_;
};

}  // namespace zorvel
