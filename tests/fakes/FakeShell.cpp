#include "fakes/FakeShell.h"

namespace zorvel::fakes {

bool FakeShell::notifyIcon(TrayCommand command, const TrayRecord& record) {
    const std::pair key{record.window, record.id};
    bool accepted = false;
    if (command == TrayCommand::Add) {
        accepted = record.window != 0 && icons.insert(key).second;
    } else if (command == TrayCommand::Modify) {
        accepted = icons.contains(key);
    } else {
        accepted = icons.erase(key) == 1;
    }
    calls.push_back(Call{command, record, accepted});
    return accepted;
}

bool FakeShell::openDocument(const std::string& path) {
    documents.push_back(path);
    if (onOpenDocument) {
        onOpenDocument();
    }
    return !noAssociation;
}

bool FakeShell::openIn(const std::string&, const std::string&) {
    return programsStart;
}

}  // namespace zorvel::fakes
