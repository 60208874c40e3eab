#include "app/StartWithWindows.h"

#include "base/Texts.h"

namespace zorvel {

std::string commandProgram(const std::string& command) {
    const size_t first = command.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    const size_t last = command.find_last_not_of(" \t");
    std::string program = command.substr(first, last - first + 1);
    if (program.size() >= 2 && program.front() == '"' && program.back() == '"') {
        program = program.substr(1, program.size() - 2);
    }
    return program;
}

bool StartWithWindows::enabled() {
    const std::string program = autostart_.programPath();
    const auto command = autostart_.entry();
    return !program.empty() && command.has_value() &&
           autostart_.pathKey(commandProgram(*command)) == autostart_.pathKey(program);
}

void StartWithWindows::showState() {
    form_.checkMenuItem(CheckedMenuItem::StartWithWindows, enabled());
}

void StartWithWindows::mnuStartWithWindows_Click() {
    if (enabled()) {
        if (!autostart_.removeEntry()) {
            form_.warn(texts::kAutostartNotRemoved, texts::kAttention);
        }
        return;
    }
    // The path is quoted: unquoted, a path with blanks can start another program.
    const std::string program = autostart_.programPath();
    if (program.empty() || !autostart_.setEntry('"' + program + '"')) {
        form_.warn(texts::kAutostartNotSet, texts::kAttention);
    }
}

}  // namespace zorvel
