#include "fakes/FakeControls.h"

#include <algorithm>
#include <cctype>

namespace zorvel::fakes {

namespace {

std::string foldKey(const std::string& text, bool dropPunctuation) {
    std::string key;
    for (unsigned char c : text) {
        if (dropPunctuation && (c == '-' || c == '\'')) {
            continue;
        }
        key.push_back(static_cast<char>(std::tolower(c)));
    }
    return key;
}

}  // namespace

bool listOrderBefore(const std::string& a, const std::string& b) {
    const std::string wordA = foldKey(a, true);
    const std::string wordB = foldKey(b, true);
    if (wordA != wordB) {
        return wordA < wordB;
    }
    // Ignored characters weigh least: "ab" before "a-b".
    if (a.size() != b.size()) {
        return a.size() < b.size();
    }
    return foldKey(a, false) < foldKey(b, false);
}

std::string FakeListBox::item(int index) const {
    if (index < 0 || index >= count()) {
        return {};
    }
    return items[static_cast<size_t>(index)];
}

void FakeListBox::select(int index) {
    selected = index >= 0 && index < count() ? index : -1;
    selectionHistory.push_back(selected);
}

void FakeListBox::add(const std::string& text) {
    // An equal entry goes after the ones already there, as the real control does.
    auto at = std::upper_bound(items.begin(), items.end(), text, listOrderBefore);
    const int index = static_cast<int>(at - items.begin());
    items.insert(at, text);
    if (selected >= index) {
        ++selected;  // the selected entry stays selected
    }
}

void FakeListBox::removeAt(int index) {
    if (index < 0 || index >= count()) {
        return;
    }
    items.erase(items.begin() + index);
    if (index == selected) {
        selected = -1;
    } else if (index < selected) {
        --selected;
    }
}

void FakeListBox::clear() {
    items.clear();
    selected = -1;
}

void FakeTextBox::setText(const std::string& text) {
    value = text;
    allSelected = false;
    if (onChange) {
        onChange();
    }
}

void FakeCheckBox::setValue(int value) {
    if (value == checked) {
        return;
    }
    checked = value;
    if (onClick) {
        onClick();
    }
}

void FakeLabel::setFont(double size, bool makeBold) {
    points = size;
    isBold = makeBold;
}

}  // namespace zorvel::fakes
