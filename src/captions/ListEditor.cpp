#include "captions/ListEditor.h"

#include <vector>

#include "base/Caption.h"
#include "base/Texts.h"
#include "base/Wildcard.h"

namespace zorvel {

namespace {

// Enough of a title to know the window by, and keeps the question's box a sane width.
constexpr std::size_t kPreviewTitleUnits = 60;

}  // namespace

void ListEditor::cmdAdauga_Click() {
    // Whatever reached the box (a paste, a message past its limit), the list shows what the
    // settings file will give back.
    const std::string text = caption::asListed(txtCaption_.text());
    if (!text.empty() && !addEntry(text)) {
        txtCaption_.focus();
        return;
    }
    txtCaption_.setText("");
    txtCaption_.focus();
}

bool ListEditor::addEntry(const std::string& text) {
    if (!wildcard::hasWildcards(text)) {
        addAs(text, EntryKind::Caption);
        return true;
    }
    // Refused before the question offers it: as a pattern it would close nearly any window,
    // and wildcards typed were not meant as a title.
    if (!wildcard::broadEnough(text)) {
        form_.warn(texts::kPatternTooBroad, texts::kAttention);
        return false;
    }
    switch (form_.askYesNoCancel(patternQuestion(text), texts::kAttention)) {
        case Answer::No:
            addAs(text, EntryKind::Caption);
            return true;
        case Answer::Cancel:
            return false;
        case Answer::Yes:
            break;
    }
    addAs(text, EntryKind::Pattern);
    return true;
}

void ListEditor::addAs(const std::string& text, EntryKind kind) {
    // An entry taken back into the box keeps what else it was: its program, button and count.
    ListEntry entry = taken_.value_or(ListEntry{});
    taken_.reset();
    entry.text = text;
    entry.kind = kind;
    lstCaption_.add(entry);
}

// The question, and the windows the pattern matches now: the visible ones of other programs,
// the shell's left out, topmost first.
std::string ListEditor::patternQuestion(const std::string& pattern) {
    const std::string key = desktop_.titleKey(pattern);
    int count = 0;
    std::string titles;
    for (const TopWindow& window : desktop_.topLevelWindows()) {
        if (window.title.empty() || desktop_.isOurs(window.id) || desktop_.isShell(window.id) ||
            !wildcard::matches(key, desktop_.titleKey(window.title))) {
            continue;
        }
        if (++count <= kPreviewTitles) {
            // One line each: a break inside a title would read as two windows.
            const std::string shown = caption::oneLine(window.title, kPreviewTitleUnits);
            titles += "\n" + shown + (shown.size() < window.title.size() ? "..." : "");
        } else if (count == kPreviewTitles + 1) {
            titles += "\n...";
        }
    }
    const std::string matches =
        count == 0 ? texts::kPatternMatchesNone
        : count == 1
            ? texts::kPatternMatchesOne
            : texts::kPatternMatchesBefore + std::to_string(count) + texts::kPatternMatchesAfter;
    return std::string(texts::kPatternQuestion) + "\n\n" + matches + titles;
}

void ListEditor::txtCaption_KeyPress(TypedKey key) {
    if (key == TypedKey::Enter) {
        cmdAdauga_Click();
    }
}

void ListEditor::cmdModifica_Click() {
    const int selected = lstCaption_.selectedIndex();
    if (selected != -1) {
        taken_ = lstCaption_.entry(selected);
        txtCaption_.setText(taken_->text);
        lstCaption_.removeAt(selected);
    }
    txtCaption_.focus();
    txtCaption_.selectAll();
}

void ListEditor::cmdSterge_Click() {
    const int selected = lstCaption_.selectedIndex();
    if (selected != -1) {
        // Sweeps keep running while the question is open and move the selection, so the
        // entry asked about is remembered rather than read again after the answer.
        const std::string asked = lstCaption_.item(selected);
        if (form_.askYesNo(texts::kDeleteQuestion, texts::kAttention) == Answer::Yes) {
            removeEntry(selected, asked);
        }
    }
    txtCaption_.focus();
}

void ListEditor::removeEntry(int index, const std::string& text) {
    if (index < lstCaption_.count() && lstCaption_.item(index) == text) {
        lstCaption_.removeAt(index);
        return;
    }
    for (int i = 0; i < lstCaption_.count(); ++i) {
        if (lstCaption_.item(i) == text) {
            lstCaption_.removeAt(i);
            return;
        }
    }
}

void ListEditor::cmdStergeLista_Click() {
    lstCaption_.clear();
}

}  // namespace zorvel
