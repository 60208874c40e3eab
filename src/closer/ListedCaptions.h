#pragma once

#include <string>
#include <vector>

#include "closer/EntryMatcher.h"
#include "platform/Controls.h"
#include "platform/Desktop.h"

namespace zorvel {

// The caption list box, seen through one door so that the title keys of its entries are
// worked out once per change of the list, not once per window event.
class ListedCaptions : public ListBox {
  public:
    ListedCaptions(ListBox& list, Desktop& desktop) : list_(list), matcher_(desktop) {}

    using ListBox::add;
    using ListBox::addAll;
    int count() const override { return list_.count(); }
    std::string item(int index) const override { return list_.item(index); }
    EntryKind kind(int index) const override { return list_.kind(index); }
    int selectedIndex() const override { return list_.selectedIndex(); }
    void select(int index) override { list_.select(index); }
    void add(const std::string& text, EntryKind kind) override;
    void addAll(const std::vector<std::string>& texts, EntryKind kind) override;
    void removeAt(int index) override;
    void clear() override;

    ListEntry entry(int index) const { return ListEntry{item(index), kind(index)}; }
    // The entries as they are now.
    const EntryMatcher& matcher();

  private:
    ListBox& list_;
    EntryMatcher matcher_;
    bool stale_ = true;
};

}  // namespace zorvel
