#include "captions/ListEditor.h"

#include "base/Caption.h"
#include "base/Texts.h"

namespace zorvel {

void ListEditor::cmdAdauga_Click() {
    // Whatever reached the box (a paste, a message past its limit), the list shows what the
    // settings file will give back.
    const std::string text = caption::asListed(txtCaption_.text());
    if (!text.empty()) {
        lstCaption_.add(text);
    }
    txtCaption_.setText("");
    txtCaption_.focus();
}

void ListEditor::txtCaption_KeyPress(TypedKey key) {
    if (key == TypedKey::Enter) {
        cmdAdauga_Click();
    }
}

void ListEditor::cmdModifica_Click() {
    const int selected = lstCaption_.selectedIndex();
    if (selected != -1) {
        txtCaption_.setText(lstCaption_.item(selected));
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
