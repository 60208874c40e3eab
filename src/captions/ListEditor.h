#pragma once

#include <string>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormEvents.h"

namespace zorvel {

// Editing the caption list by hand: add, modify, delete, clear.
class ListEditor {
  public:
    ListEditor(ListBox& lstCaption, TextBox& txtCaption, Form& form)
        : lstCaption_(lstCaption), txtCaption_(txtCaption), form_(form) {}

    void cmdAdauga_Click();
    void txtCaption_KeyPress(TypedKey key);
    void cmdModifica_Click();
    void cmdSterge_Click();
    void cmdStergeLista_Click();

  private:
    void removeEntry(int index, const std::string& text);

    ListBox& lstCaption_;
    TextBox& txtCaption_;
    Form& form_;
};

}  // namespace zorvel
