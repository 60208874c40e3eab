#pragma once

namespace zorvel {

// What this process learnt when it claimed the guard that marks a running copy.
enum class GuardClaim {
    Ours,           // the guard was free: this is the one copy
    HeldByAnother,  // a running copy holds it
    Denied,         // the guard is there but this process may not open it
    Failed,         // the guard could not be had for another reason
};

// This process among the copies of the program running in the user's session.
class Instance {
  public:
    virtual ~Instance() = default;
    virtual GuardClaim claimGuard() = 0;
    // "Deja programul a fost lansat !", titled "Atentie", critical icon, OK only.
    virtual void warnAlreadyRunning() = 0;
    // Shows the running copy's main window, even from the tray, and brings it to the front.
    virtual void restoreRunningCopy() = 0;
    // Ends this process at once: no unload, no settings written.
    virtual void endNow() = 0;
};

}  // namespace zorvel
