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
    int count() const override { return list_.count(); }
    std::string item(int index) const override { return list_.item(index); }
    ListEntry entry(int index) const override { return list_.entry(index); }
    int selectedIndex() const override { return list_.selectedIndex(); }
    void select(int index) override { list_.select(index); }
    void add(const ListEntry& entry) override;
    void addAll(const std::vector<ListEntry>& entries) override;
    void update(int index, const ListEntry& entry) override;
    void removeAt(int index) override;
    void clear() override;

    // The index of an entry of this text and kind; -1 when there is none.
    int find(const ListEntry& entry) const;
    // The entries as they are now.
    const EntryMatcher& matcher();

  private:
    ListBox& list_;
    EntryMatcher matcher_;
    bool stale_ = true;
};

}  // namespace zorvel
