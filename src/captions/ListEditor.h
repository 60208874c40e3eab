#pragma once

#include <optional>
#include <string>

#include "platform/Controls.h"
#include "platform/Desktop.h"
#include "platform/Form.h"
#include "platform/FormEvents.h"

namespace zorvel {

// Editing the caption list by hand: add, modify, delete, clear. A text with * or ? may
// become a pattern; the user is asked, shown what it would match now.
class ListEditor {
  public:
    static constexpr int kPreviewTitles = 5;

    ListEditor(ListBox& lstCaption, TextBox& txtCaption, Form& form, Desktop& desktop)
        : lstCaption_(lstCaption), txtCaption_(txtCaption), form_(form), desktop_(desktop) {}

    void cmdAdauga_Click();
    void txtCaption_KeyPress(TypedKey key);
    void cmdModifica_Click();
    void cmdSterge_Click();
    void cmdStergeLista_Click();

  private:
    // False when nothing was added and the text stays in the box.
    bool addEntry(const std::string& text);
    void addAs(const std::string& text, EntryKind kind);
    std::string patternQuestion(const std::string& pattern);
    void removeEntry(int index, const std::string& text);

    ListBox& lstCaption_;
    TextBox& txtCaption_;
    Form& form_;
    Desktop& desktop_;
    // The entry "Modifica" took back into the box, until it is added again.
    std::optional<ListEntry> taken_;
};

}  // namespace zorvel
