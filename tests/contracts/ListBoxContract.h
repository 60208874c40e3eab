#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/Controls.h"

// What a sorted list box shows after entries are added one by one. The expected orders are
// the real control's (LBS_SORT under Wine); the fake list box must agree with every row.
namespace zorvel::contracts {

struct ListOrderCase {
    const char* name;
    std::vector<std::string> added;
    std::vector<std::string> shown;
};

// Test output names the case instead of dumping its bytes.
inline void PrintTo(const ListOrderCase& row, std::ostream* out) {
    *out << row.name;
}

inline const std::vector<ListOrderCase>& listOrderCases() {
    static const std::vector<ListOrderCase> cases = {
        {"CaseIgnored", {"c", "A", "b", "D"}, {"A", "b", "c", "D"}},
        {"UnderscoreDigitsLetters", {"b", "1", "_x", "a", "9"}, {"_x", "1", "9", "a", "b"}},
        {"DigitsByCharacterNotValue", {"10", "9", "100", "2"}, {"10", "100", "2", "9"}},
        {"HyphenAndApostropheIgnoredFirst",
         {"b", "a-b", "A", "ab", "_x"},
         {"_x", "A", "ab", "a-b", "b"}},
        {"ApostropheWordSort", {"ob", "o'a", "oa"}, {"oa", "o'a", "ob"}},
        {"DiacriticsNextToTheirLetter",
         {"b", "ț", "t", "ă", "a", "u", "c"},
         {"a", "ă", "b", "c", "t", "ț", "u"}},
        {"DiacriticsWeighLessThanLaterLetters", {"ab", "ăa", "sb", "șa"}, {"ăa", "ab", "șa", "sb"}},
        {"UpperDiacriticsCaseIgnored",
         {"Ș", "s", "Â", "î", "ă", "T"},
         {"Â", "ă", "î", "s", "Ș", "T"}},
        {"CedillaBeforeCommaBelow", {"ţ", "ş", "ț", "ș"}, {"ş", "ș", "ţ", "ț"}},
        {"EqualEntriesGoWhereTheSearchMeetsThem",
         {"b", "A", "a", "B", "abc", "ABC", "Abc", "abc"},
         {"a", "A", "Abc", "abc", "ABC", "abc", "B", "b"}},
        {"InsertedBetween", {"a", "c", "e", "d", "b"}, {"a", "b", "c", "d", "e"}},
        {"PrefixFirst",
         {"Reclama noua", "Reclama", "Reclam"},
         {"Reclam", "Reclama", "Reclama noua"}},
    };
    return cases;
}

// Empties `list`, adds the entries in turn and reads back what it shows, top to bottom.
inline std::vector<std::string> shownAfterAdding(ListBox& list,
                                                 const std::vector<std::string>& added) {
    list.clear();
    for (const std::string& entry : added) {
        list.add(entry);
    }
    std::vector<std::string> shown;
    for (int i = 0; i < list.count(); ++i) {
        shown.push_back(list.item(i));
    }
    return shown;
}

// The entry selected before another is added stays selected wherever the new one lands.
struct SelectionCase {
    const char* name;
    std::vector<std::string> entries;
    int selected;
    std::string added;
};

inline void PrintTo(const SelectionCase& row, std::ostream* out) {
    *out << row.name;
}

inline const std::vector<SelectionCase>& selectionCases() {
    static const std::vector<SelectionCase> cases = {
        {"AddedBefore", {"b", "d"}, 1, "a"},
        {"AddedAfter", {"b", "d"}, 0, "e"},
        {"AddedBetween", {"b", "d"}, 1, "c"},
        {"AddedRightBefore", {"b", "d"}, 0, "a"},
    };
    return cases;
}

// The text selected after the case's entry is added to the others with one of them selected.
inline std::string selectedAfterAdding(ListBox& list, const SelectionCase& row) {
    shownAfterAdding(list, row.entries);
    list.select(row.selected);
    list.add(row.added);
    return list.selectedIndex() < 0 ? std::string{} : list.item(list.selectedIndex());
}

// Captions and patterns sort among each other by their text, and each keeps its kind.
struct KindCase {
    const char* name;
    std::vector<std::pair<std::string, EntryKind>> added;
    std::vector<std::pair<std::string, EntryKind>> shown;
};

inline void PrintTo(const KindCase& row, std::ostream* out) {
    *out << row.name;
}

inline const std::vector<KindCase>& kindCases() {
    constexpr EntryKind kCaption = EntryKind::Caption;
    constexpr EntryKind kPattern = EntryKind::Pattern;
    static const std::vector<KindCase> cases = {
        {"SortedAmongEachOther",
         {{"Oferta *", kPattern}, {"alta", kCaption}, {"*Reclama", kPattern}, {"Oferta", kCaption}},
         {{"*Reclama", kPattern},
          {"alta", kCaption},
          {"Oferta", kCaption},
          {"Oferta *", kPattern}}},
        {"SameTextBothKinds",
         {{"Oferta *", kCaption}, {"Oferta *", kPattern}, {"Oferta *", kCaption}},
         {{"Oferta *", kCaption}, {"Oferta *", kPattern}, {"Oferta *", kCaption}}},
    };
    return cases;
}

inline std::vector<std::pair<std::string, EntryKind>> kindsAfterAdding(
    ListBox& list, const std::vector<std::pair<std::string, EntryKind>>& added) {
    list.clear();
    for (const auto& [text, kind] : added) {
        list.add(text, kind);
    }
    std::vector<std::pair<std::string, EntryKind>> shown;
    for (int i = 0; i < list.count(); ++i) {
        shown.emplace_back(list.item(i), list.kind(i));
    }
    return shown;
}

}  // namespace zorvel::contracts
