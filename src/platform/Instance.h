#pragma once

namespace zorvel {

// This process among the copies of the program running in the user's session.
class Instance {
  public:
    virtual ~Instance() = default;
    virtual bool anotherIsRunning() = 0;
    // "Deja programul a fost lansat !", titled "Atentie", critical icon, OK only.
    virtual void warnAlreadyRunning() = 0;
    // Shows the running copy's main window, even from the tray, and brings it to the front.
    virtual void restoreRunningCopy() = 0;
    // Ends this process at once: no unload, no settings written.
    virtual void endNow() = 0;
};

}  // namespace zorvel
