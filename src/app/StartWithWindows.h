#pragma once

#include <string>

#include "platform/Autostart.h"
#include "platform/Form.h"

namespace zorvel {

// The tray menu's "&Start with Windows": an entry in the login list that starts this very
// executable. Nothing is written until the user ticks the item.
class StartWithWindows {
  public:
    StartWithWindows(Autostart& autostart, Form& form) : autostart_(autostart), form_(form) {}

    // Whether the entry starts this executable (another copy's entry does not count).
    bool enabled();
    // Just before the menu opens: the entry may have been changed outside meanwhile.
    void showState();
    void mnuStartWithWindows_Click();

  private:
    Autostart& autostart_;
    Form& form_;
};

// The program a login command names: the command without blanks around it and without the
// quotes around its path.
std::string commandProgram(const std::string& command);

}  // namespace zorvel
