#pragma once

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/Shell.h"

namespace zorvel::fakes {

// A notification area that, like the real one, holds one icon per (window, id): it refuses
// to add an icon that is there and to delete one that is not.
class FakeShell : public Shell {
  public:
    struct Call {
        TrayCommand command;
        TrayRecord record;
        bool accepted;
    };

    bool notifyIcon(TrayCommand command, const TrayRecord& record) override;
    void openMaximized(const std::string& address) override { opened.push_back(address); }
    bool openDocument(const std::string& path) override;
    bool openIn(const std::string& program, const std::string& path) override;

    // Explorer restarted: the new taskbar starts with no icons.
    void recreateTaskbar() { icons.clear(); }

    std::set<std::pair<WindowId, unsigned>> icons;
    std::vector<Call> calls;
    std::vector<std::string> opened;
    std::vector<std::string> documents;
    // No program is associated with documents: opening one fails.
    bool noAssociation = false;
    // A program named to open a document starts.
    bool programsStart = true;
    // Runs as a document is opened, to look at the world the program meets then.
    std::function<void()> onOpenDocument;
};

}  // namespace zorvel::fakes
