#include "fakes/FakeControls.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <string_view>
#include <tuple>

namespace zorvel::fakes {

namespace {

// A Romanian letter with a mark sorts right after its plain letter, case ignored.
struct MarkedLetter {
    const char* utf8;
    char base;
    int mark;
};

constexpr MarkedLetter kMarkedLetters[] = {
    {"â", 'a', 1}, {"Â", 'a', 1}, {"ă", 'a', 2}, {"Ă", 'a', 2}, {"î", 'i', 1},
    {"Î", 'i', 1}, {"ș", 's', 2}, {"Ș", 's', 2}, {"ş", 's', 1}, {"Ş", 's', 1},
    {"ț", 't', 2}, {"Ț", 't', 2}, {"ţ", 't', 1}, {"Ţ", 't', 1},
};

// The weights the real control compares by, most significant first: symbols before digits
// before letters, then the marks, then the characters that word sort ignores.
struct SortKey {
    std::vector<int> letters;
    std::vector<int> marks;
    size_t ignored = 0;
};

int letterWeight(unsigned char c) {
    if (std::isalpha(c)) {
        return 0x300 + std::tolower(c);
    }
    return (std::isdigit(c) ? 0x200 : 0x100) + c;
}

SortKey sortKey(std::string_view text) {
    SortKey key;
    key.letters.reserve(text.size());
    key.marks.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const size_t length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        const std::string_view character = text.substr(i, length);
        i += length;
        if (character == "-" || character == "'") {
            ++key.ignored;
            continue;
        }
        // Every marked letter takes two bytes.
        const auto* marked =
            length != 2 ? std::end(kMarkedLetters)
                        : std::find_if(
                              std::begin(kMarkedLetters), std::end(kMarkedLetters),
                              [&](const MarkedLetter& letter) { return character == letter.utf8; });
        const bool isMarked = marked != std::end(kMarkedLetters);
        key.letters.push_back(letterWeight(isMarked ? marked->base : c));
        key.marks.push_back(isMarked ? marked->mark : 0);
    }
    return key;
}

}  // namespace

int listOrder(const std::string& a, const std::string& b) {
    const SortKey keyA = sortKey(a);
    const SortKey keyB = sortKey(b);
    const auto tieA = std::tie(keyA.letters, keyA.marks, keyA.ignored);
    const auto tieB = std::tie(keyB.letters, keyB.marks, keyB.ignored);
    return tieA < tieB ? -1 : tieB < tieA ? 1 : 0;
}

std::string FakeListBox::item(int index) const {
    if (index < 0 || index >= count()) {
        return {};
    }
    return items[static_cast<size_t>(index)];
}

ListEntry FakeListBox::entry(int index) const {
    const auto at = static_cast<size_t>(index);
    const bool kept = index >= 0 && at < entries.size() && entries[at].text == item(index);
    return kept ? entries[at] : ListEntry{item(index)};
}

std::vector<EntryKind> FakeListBox::kinds() const {
    std::vector<EntryKind> shown;
    for (int i = 0; i < count(); ++i) {
        shown.push_back(entry(i).kind);
    }
    return shown;
}

void FakeListBox::update(int index, const ListEntry& changed) {
    if (index >= 0 && index < count() && item(index) == changed.text) {
        fillEntries();
        entries[static_cast<size_t>(index)] = changed;
    }
}

void FakeListBox::fillEntries() {
    for (size_t i = entries.size(); i < items.size(); ++i) {
        entries.push_back(ListEntry{items[i]});
    }
}

void FakeListBox::select(int index) {
    selected = index >= 0 && index < count() ? index : -1;
    selectionHistory.push_back(selected);
}

void FakeListBox::add(const ListEntry& entry) {
    const std::string& text = entry.text;
    // The control's binary search: an entry equal to the new one, met on the way, takes it
    // in front of itself, so equal entries land by the search's path, not in adding order.
    int index = 0;
    // A list loaded in its own order grows at its end: one comparison instead of a search.
    if (!items.empty() && listOrder(items.back(), text) < 0) {
        index = count();
    }
    for (int high = index == count() ? -1 : count() - 1; index <= high;) {
        const int middle = (index + high) / 2;
        const int order = listOrder(items[static_cast<size_t>(middle)], text);
        if (order == 0) {
            index = middle;
            break;
        }
        if (order > 0) {
            high = middle - 1;
        } else {
            index = middle + 1;
        }
    }
    fillEntries();
    items.insert(items.begin() + index, text);
    entries.insert(entries.begin() + index, entry);
    if (selected >= index) {
        ++selected;  // the selected entry stays selected
    }
}

void FakeListBox::removeAt(int index) {
    if (index < 0 || index >= count()) {
        return;
    }
    fillEntries();
    items.erase(items.begin() + index);
    entries.erase(entries.begin() + index);
    if (index == selected) {
        selected = -1;
    } else if (index < selected) {
        --selected;
    }
}

void FakeListBox::clear() {
    items.clear();
    entries.clear();
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
