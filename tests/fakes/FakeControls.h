#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/DesignTime.h"

namespace zorvel::fakes {

// Below zero when `a` sorts before `b` in the list box, zero when it holds them equal.
int listOrder(const std::string& a, const std::string& b);

// Sorts like the real LBS_SORT list box, held to it by tests/contracts/ListBoxContract.h:
// case ignored, marks and the hyphens and apostrophes that word sort skips weighing least.
class FakeListBox : public ListBox {
  public:
    using ListBox::add;
    int count() const override { return static_cast<int>(items.size()); }
    std::string item(int index) const override;
    ListEntry entry(int index) const override;
    int selectedIndex() const override { return selected; }
    void select(int index) override;
    void add(const ListEntry& entry) override;
    void update(int index, const ListEntry& entry) override;
    void removeAt(int index) override;
    void clear() override;
    std::vector<EntryKind> kinds() const;

    std::vector<std::string> items;
    // Beside items, as far as they go: tests may fill `items` alone, with plain captions.
    std::vector<ListEntry> entries;
    int selected = -1;
    std::vector<int> selectionHistory;

  private:
    void fillEntries();
};

class FakeTextBox : public TextBox {
  public:
    std::string text() const override { return value; }
    void setText(const std::string& text) override;
    void focus() override { ++focusCount; }
    void selectAll() override { allSelected = true; }

    std::string value;
    int focusCount = 0;
    bool allSelected = false;
    std::function<void()> onChange;
};

class FakeCheckBox : public CheckBox {
  public:
    int value() const override { return checked; }
    void setValue(int value) override;
    std::string caption() const override { return text; }
    void setCaption(const std::string& caption) override { text = caption; }

    int checked = 0;
    std::string text;
    std::function<void()> onClick;
};

class FakeButton : public Button {
  public:
    void focus() override { ++focusCount; }
    int focusCount = 0;
};

class FakeLabel : public Label {
  public:
    void setFont(double size, bool makeBold) override;

    double points = designTime::kLinkFontPoints;
    bool isBold = false;
};

class FakeTimer : public Timer {
  public:
    FakeTimer() = default;
    explicit FakeTimer(int interval) : milliseconds(interval) {}
    int interval() const override { return milliseconds; }
    void setInterval(int value) override { milliseconds = value; }
    int milliseconds = designTime::kIntervalMilliseconds;
};

}  // namespace zorvel::fakes
