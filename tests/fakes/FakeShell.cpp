#include "fakes/FakeShell.h"

namespace zorvel::fakes {

bool FakeShell::notifyIcon(TrayCommand command, const TrayRecord& record) {
    const std::pair key{record.window, record.id};
    bool accepted = false;
    if (command == TrayCommand::Add) {
        accepted = record.window != 0 && icons.insert(key).second;
    } else {
        accepted = icons.erase(key) == 1;
    }
    calls.push_back(Call{command, record, accepted});
    return accepted;
}

void FakeShell::openDocument(const std::string& path) {
    documents.push_back(path);
    if (onOpenDocument) {
        onOpenDocument();
    }
}

}  // namespace zorvel::fakes
