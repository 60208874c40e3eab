#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "closer/CloseRecord.h"
#include "closer/EntryMatcher.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/Desktop.h"

namespace zorvel {

// Closes windows without ever waiting on the user-interface thread. Automatic closes post the
// close command to the window where it is, never touching the foreground; the user's own
// close brings the window to the front first, as the user is watching. Either way the window
// is then watched: a plain close request if the command is ignored, and an outcome for the
// record. Nothing is sent to a window twice while its outcome is awaited.
class CloseEngine {
  public:
    // The user's close: how long the window may take to come to the front, and how often
    // it is asked again (a settling focus change can take a granted activation away).
    static constexpr std::int64_t kGiveUpMs = 1000;
    static constexpr std::int64_t kAskAgainMs = 250;
    // A window still there this long after the command gets the close request itself, for
    // programs whose own handling drops the command.
    static constexpr std::int64_t kCloseRequestMs = 500;
    // Still there this long after the command: it refuses.
    static constexpr std::int64_t kOutcomeMs = 2000;
    // How often the engine looks while anything is awaited.
    static constexpr int kPulseMs = 10;

    CloseEngine(Desktop& desktop, Clock& clock, Timer& pulse, CloseRecorder& recorder)
        : desktop_(desktop), clock_(clock), pulse_(pulse), recorder_(recorder), matcher_(desktop) {}

    // Closes the window where it is; true when the command went out.
    bool closeInBackground(WindowId window, const ListEntry& entry, CloseTrigger trigger);
    // The user's close of the first of `candidates` that may be closed; returns it, or 0.
    WindowId closeForUser(const std::vector<WindowId>& candidates, const ListEntry& entry);
    // Being activated or awaiting its outcome: nothing more is sent to it for now.
    bool handling(WindowId window) const;
    // Stayed after the command and the close request; events leave it alone from then on.
    bool refused(WindowId window) const { return refusing_.contains(window); }
    bool busy() const { return !activations_.empty() || !awaited_.empty(); }
    // A window came to the front (an event, where the platform sends one).
    void foregroundChanged() { pumpActivations(); }
    // The pulse: completes activations and watches outcomes.
    void tick();
    // Forgets the refusals and rights of windows that have gone.
    void forgetGone();
    // The program ends: every close under way gets its close command now, if it still waits
    // for one, and is recorded as it stands, gone or still there.
    void finishAll();

  private:
    struct Activation {
        WindowId window = 0;
        ListEntry entry;
        bool asked = false;
        std::int64_t askedAt = 0;
        std::int64_t lastAsked = 0;
    };
    struct Awaited {
        ListEntry entry;
        CloseTrigger trigger = CloseTrigger::Sweep;
        std::string title;
        std::string program;
        std::int64_t sentAt = 0;
        bool closeRequested = false;
    };

    bool closable(WindowId window, const ListEntry& entry);
    // Closable, and not a process above ours (recorded once per window).
    bool mayClose(WindowId window, const ListEntry& entry, CloseTrigger trigger);
    bool sendCommand(WindowId window, const ListEntry& entry, CloseTrigger trigger);
    // Presses the entry's button of the window; false, said once, when there is none to press.
    bool press(WindowId window, const ListEntry& entry, CloseTrigger trigger,
               const std::string& title, const std::string& program);
    bool inFront(WindowId window);
    void pumpActivations();
    // One look at the activation in front; true when it is over, sent or dropped.
    bool step(Activation& activation);
    void watchOutcomes();
    // The user's closes still waiting for the front get the close command where they are.
    void sendWaitingActivations();
    // One look at an awaited window; true when its outcome is known.
    bool over(WindowId window, Awaited& awaited, std::int64_t elapsed);
    void record(CloseTrigger trigger, CloseOutcome outcome, const ListEntry& entry,
                std::string title, std::string program, std::optional<std::int64_t> ms = {});
    void keepPulsing();

    Desktop& desktop_;
    Clock& clock_;
    Timer& pulse_;
    CloseRecorder& recorder_;
    // Asks, at the last moment, whether a title still matches its entry.
    EntryMatcher matcher_;
    std::deque<Activation> activations_;
    std::unordered_map<WindowId, Awaited> awaited_;
    std::unordered_set<WindowId> refusing_;
    std::unordered_set<WindowId> aboveUs_;
    // Whose entry's button was not there to press.
    std::unordered_set<WindowId> noButton_;
};

}  // namespace zorvel
