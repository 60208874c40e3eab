#include "app/Tray.h"

#include "base/Texts.h"

namespace zorvel {

namespace {

constexpr unsigned kIconId = 1;

}  // namespace

void Tray::hideToTray() {
    nidTray_ = TrayRecord{form_.handle(), kIconId, true, true, true, texts::kTrayTip};
    // A repeated add is refused by the shell while the icon is there: it stays single.
    shell_.notifyIcon(TrayCommand::Add, nidTray_);
    form_.hide();
}

void Tray::removeIcon() {
    // Never hidden means never added: there is nothing for the shell to remove.
    if (nidTray_.window != 0) {
        shell_.notifyIcon(TrayCommand::Delete, nidTray_);
    }
}

void Tray::restoreIcon() {
    if (nidTray_.window != 0) {
        shell_.notifyIcon(TrayCommand::Add, nidTray_);
    }
}

void Tray::iconNotify(TrayClick click) {
    if (click == TrayClick::LeftUp) {
        form_.show();
    } else if (click == TrayClick::RightUp) {
        form_.popupMenuAtPointer();
    }
}

void Tray::mnuOpen_Click() {
    form_.show();
}

void Tray::taskbarCreated() {
    // Only a window hidden to the tray needs the icon; one not yet shown at start-up has
    // no filled record to add.
    if (!form_.visible()) {
        restoreIcon();
    }
}

}  // namespace zorvel
