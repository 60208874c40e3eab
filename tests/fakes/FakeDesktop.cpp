#include "fakes/FakeDesktop.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "base/Utf.h"

namespace zorvel::fakes {

namespace {

bool equalIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

}  // namespace

WindowId FakeDesktop::open(const std::string& title, bool visible, WindowId parent) {
    const WindowId id = nextId_++;
    windows.push_back(Window{id, title, visible, parent});
    return id;
}

void FakeDesktop::close(WindowId window) {
    std::erase_if(windows, [window](const Window& w) { return w.id == window; });
    if (foregroundWindow == window) {
        foregroundWindow = 0;
    }
}

bool FakeDesktop::exists(WindowId window) const {
    return find(window) != nullptr;
}

const FakeDesktop::Window* FakeDesktop::find(WindowId window) const {
    auto it = std::find_if(windows.begin(), windows.end(),
                           [window](const Window& w) { return w.id == window; });
    return it == windows.end() ? nullptr : &*it;
}

WindowId FakeDesktop::findVisibleTopLevel(const std::string& title) {
    ++lookups;
    for (const Window& w : windows) {
        if (w.parent == 0 && w.visible && equalIgnoringCase(w.title, title)) {
            return w.id;
        }
    }
    return 0;
}

std::unique_ptr<WindowSnapshot> FakeDesktop::snapshot() {
    class Snapshot : public WindowSnapshot {
      public:
        explicit Snapshot(std::vector<Window> windows) : windows_(std::move(windows)) {}
        std::vector<WindowId> windowsTitled(const std::string& title) const override {
            std::vector<WindowId> found;
            for (const Window& w : windows_) {
                if (equalIgnoringCase(w.title, title)) {
                    found.push_back(w.id);
                }
            }
            return found;
        }

      private:
        std::vector<Window> windows_;
    };
    ++snapshots;
    std::vector<Window> visibleTopLevel;
    std::copy_if(windows.begin(), windows.end(), std::back_inserter(visibleTopLevel),
                 [](const Window& w) { return w.parent == 0 && w.visible; });
    return std::make_unique<Snapshot>(std::move(visibleTopLevel));
}

bool FakeDesktop::isVisible(WindowId window) {
    const Window* w = find(window);
    return w != nullptr && w->visible;
}

void FakeDesktop::activate(WindowId window) {
    if (onActivate) {
        onActivate(window);
    }
    if (!refuseForeground && exists(window)) {
        foregroundWindow = window;
    }
}

bool FakeDesktop::sendCloseChord(WindowId) {
    // Modelled without the last-moment check the real one makes: the keys reach whatever is
    // in front, so a caller that lets the chord go at the wrong moment is caught here.
    chords.push_back(foregroundWindow);
    close(foregroundWindow);
    return true;
}

WindowId FakeDesktop::windowFromPoint(Point screen) {
    lastPoint = screen;
    return underPointer;
}

WindowId FakeDesktop::parent(WindowId window) {
    const Window* w = find(window);
    return w == nullptr ? 0 : w->parent;
}

std::string FakeDesktop::title(WindowId window, int maxChars) {
    const Window* w = find(window);
    if (w == nullptr) {
        return {};
    }
    // Cut in UTF-16 units as the platform cuts, which may leave half a pair (read as U+FFFD).
    return utf::toUtf8(utf::toUtf16(w->title).substr(0, static_cast<size_t>(maxChars)));
}

}  // namespace zorvel::fakes
