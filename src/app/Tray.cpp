#include "app/Tray.h"

#include "base/Texts.h"

namespace zorvel {

namespace {

constexpr unsigned kIconId = 1;

}  // namespace

Tray::Tray(Form& form, Shell& shell) : form_(form), shell_(shell), tip_(texts::kTrayTip) {}

void Tray::hideToTray() {
    nidTray_ = TrayRecord{form_.handle(), kIconId, true, true, true, tip_, paused_};
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

void Tray::showPaused(bool paused, const std::string& tip) {
    paused_ = paused;
    tip_ = tip;
    if (nidTray_.window != 0) {
        nidTray_.paused = paused;
        nidTray_.tip = tip;
        shell_.notifyIcon(TrayCommand::Modify, nidTray_);
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
