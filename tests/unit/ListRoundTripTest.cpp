// Random lists through the add, the save and the next start's load.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "base/Utf.h"
#include "captions/ListEditor.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeForm.h"
#include "fakes/MemoryStore.h"
#include "settings/Settings.h"

namespace zorvel {
namespace {

using Items = std::vector<std::string>;

constexpr int kLists = 10000;
constexpr int kMostEntries = 5;
constexpr int kListsPerFile = 10;
constexpr int kMostCharacters = 300;

class RandomText {
  public:
    std::string next(bool latin1Only) {
        std::u32string text;
        if (chance(8)) {
            text += U"***";
        }
        if (chance(6)) {
            text += U"  ";
        }
        // Mostly short, so that ten thousand lists stay quick; one in eight up to the longest.
        const int length = upTo(chance(8) ? kMostCharacters : kMostCharacters / 12);
        while (static_cast<int>(text.size()) < length) {
            text += character(latin1Only);
        }
        if (chance(6)) {
            text += U" \t";
        }
        std::u16string units;
        for (char32_t c : text) {
            if (c >= 0x10000) {
                units += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
                units += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
            } else {
                units += static_cast<char16_t>(c);
            }
        }
        return utf::toUtf8(units);
    }
    bool chance(int oneIn) { return std::uniform_int_distribution<int>(1, oneIn)(random_) == 1; }
    int upTo(int most) { return std::uniform_int_distribution<int>(0, most)(random_); }

  private:
    char32_t in(char32_t first, char32_t last) {
        return std::uniform_int_distribution<char32_t>(first, last)(random_);
    }
    char32_t character(bool latin1Only) {
        static constexpr char32_t kAwkward[] = U" \t\r\n\"'=;[]*\u0103\u0219\u021B\u00EE\u00E2";
        switch (upTo(latin1Only ? 3 : 7)) {
            case 0:
                return kAwkward[upTo(latin1Only ? 10 : 15)];
            case 1:
                return in(0xA0, 0xFF);
            case 2:
            case 3:
                return in(0x20, 0x7E);
            case 4:
                return in(0x4E00, 0x9FFF);  // CJK
            case 5:
                return in(0x1F300, 0x1FAFF);  // emoji
            case 6:
                return in(0x10000, 0x10FFFF);
            default: {
                const char32_t c = in(0x80, 0xFFFD);
                return c >= 0xD800 && c < 0xE000 ? U'\u00B5' : c;
            }
        }
    }

    std::mt19937 random_{20240613};
};

// One start over the file, with the box and the buttons the user adds through.
struct OneStart {
    explicit OneStart(SettingsStore& store) : settings(store, lstCaption, txtTimp, tmrVerifica) {
        settings.load();
    }
    void add(const std::string& text) {
        txtCaption.value = text;
        editor.cmdAdauga_Click();
    }

    fakes::FakeListBox lstCaption;
    fakes::FakeTextBox txtCaption;
    fakes::FakeTextBox txtTimp;
    fakes::FakeTimer tmrVerifica;
    fakes::FakeForm form;  // a text with * or ? is added as an exact caption
    fakes::FakeDesktop desktop;
    ListEditor editor{lstCaption, txtCaption, form, desktop};
    Settings settings;
};

// Entries the list box holds equal but that differ (case, say) land among themselves by the
// box's search, not by the order they come in: a list with such a pair is drawn anew.
bool holdsAnEqualPair(const Items& items) {
    for (std::size_t i = 1; i < items.size(); ++i) {
        if (items[i] != items[i - 1] && fakes::listOrder(items[i], items[i - 1]) == 0) {
            return true;
        }
    }
    return false;
}

TEST(ListRoundTripTest, WhatTheListShowedComesBackAndSavesTheSameBytes) {
    RandomText random;
    int lists = 0;
    int unicodeFiles = 0;
    while (lists < kLists && !::testing::Test::HasFailure()) {
        const bool latin1Only = random.chance(3);
        fakes::MemoryStore store;
        OneStart before(store);
        // Several random lists share one file: their entries go into one list box.
        for (int list = 0; list < kListsPerFile; ++list) {
            const int entries = random.upTo(kMostEntries);
            for (int i = 0; i < entries; ++i) {
                before.add(random.next(latin1Only));
            }
        }
        const Items shown = before.lstCaption.items;
        if (holdsAnEqualPair(shown)) {
            continue;
        }
        lists += kListsPerFile;
        SCOPED_TRACE("lists up to " + std::to_string(lists));
        ASSERT_TRUE(before.settings.save());
        const std::string saved = store.bytes();
        unicodeFiles += saved.starts_with("\xFF\xFE") ? 1 : 0;

        OneStart after(store);
        ASSERT_EQ(after.lstCaption.items, shown);
        ASSERT_TRUE(after.settings.save());
        ASSERT_EQ(store.bytes(), saved);
    }
    // Both kinds of file were made: ANSI for Latin-1 lists, UTF-16 for the others.
    EXPECT_GT(unicodeFiles, kLists / kListsPerFile / 3);
    EXPECT_LT(unicodeFiles, kLists / kListsPerFile);
}

}  // namespace
}  // namespace zorvel
