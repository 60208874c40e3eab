#pragma once

#include <cstdint>
#include <deque>
#include <unordered_set>

#include "closer/CloseEngine.h"
#include "closer/ListedCaptions.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/WindowWatch.h"

namespace zorvel {

// Closes a listed window the moment it appears, shows, is renamed or comes to the front,
// while automatic checking is on. A new window often gets its title only after it has been
// created, so it is looked at again for a while: often at first, when titles come, then
// less and less, so that a burst of new windows costs little.
class Watcher : public WindowEventSink {
  public:
    static constexpr std::int64_t kNewWindowWatchMs = 2000;
    // Enough for any real burst of pop-ups; a flood beyond it costs a look at every window.
    static constexpr std::size_t kMostWatched = 256;
    // Looks per pulse at most: under a flood each look waits on the window server, and a
    // pulse that looks at all of them keeps a listed window's first look waiting.
    static constexpr int kLooksPerPulse = 32;

    Watcher(ListedCaptions& captions, Desktop& desktop, CloseEngine& engine, Clock& clock,
            Timer& pulse, WindowWatch& watch)
        : captions_(captions),
          desktop_(desktop),
          engine_(engine),
          clock_(clock),
          pulse_(pulse),
          watch_(watch) {}

    void setEnabled(bool enabled);
    void windowEvent(WindowId window, WindowEvent event) override;
    // A listed window goes first once it shows; until then it is looked at again, and once
    // watched it is looked at on every pulse.
    FirstLook firstLook(WindowId window) override;
    void eventsLost() override { lookAtAll(); }
    // One look at every visible window, for the windows that came while nobody watched.
    void lookAtAll();
    // The pulse: looks at the new windows again, forgets those that settled or went.
    void tick();
    bool busy() const { return !newWindows_.empty(); }

  private:
    struct NewWindow {
        WindowId window = 0;
        std::int64_t born = 0;
        std::int64_t nextLook = 0;
        bool listed = false;  // listed when hidden: it closes the moment it shows
    };

    // True when the window needs no further look: it is being closed, or it is gone.
    bool look(WindowId window);
    void watchNew(WindowId window);

    ListedCaptions& captions_;
    Desktop& desktop_;
    CloseEngine& engine_;
    Clock& clock_;
    Timer& pulse_;
    WindowWatch& watch_;
    bool enabled_ = false;
    std::deque<NewWindow> newWindows_;
    // Listed windows the first look found hidden, until they are watched or looked at again.
    std::unordered_set<WindowId> unshown_;
};

}  // namespace zorvel
