#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "closer/CloseEngine.h"
#include "platform/Controls.h"
#include "platform/Desktop.h"

namespace zorvel {

// The caption list box, seen through one door so that the title keys of its entries are
// worked out once per change of the list, not once per window event.
class ListedCaptions : public ListBox {
  public:
    ListedCaptions(ListBox& list, Desktop& desktop) : list_(list), desktop_(desktop) {}

    int count() const override { return list_.count(); }
    std::string item(int index) const override { return list_.item(index); }
    int selectedIndex() const override { return list_.selectedIndex(); }
    void select(int index) override { list_.select(index); }
    void add(const std::string& text) override;
    void addAll(const std::vector<std::string>& texts) override;
    void removeAt(int index) override;
    void clear() override;

    // The key of an entry's caption; empty captions, which nobody listed, have none.
    std::string keyOf(const std::string& caption) const;
    // The entry a title key matches, or nothing when none does.
    const ListedEntry* entryFor(const std::string& key);
    ListedEntry entryOf(const std::string& caption) const { return {caption, keyOf(caption)}; }

  private:
    ListBox& list_;
    Desktop& desktop_;
    std::unordered_map<std::string, ListedEntry> entries_;  // by key
    bool stale_ = true;
};

}  // namespace zorvel
