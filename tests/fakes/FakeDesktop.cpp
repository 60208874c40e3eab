#include "fakes/FakeDesktop.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "base/Utf.h"

namespace zorvel::fakes {

WindowId FakeDesktop::open(const std::string& title, bool visible, WindowId parent) {
    const WindowId id = nextId_++;
    windows.push_back(Window{id, title, visible, parent});
    return id;
}

WindowId FakeDesktop::addButton(WindowId window, int controlId, const std::string& text,
                                bool push) {
    const WindowId button = open(text, true, window);
    find(button)->controlId = controlId;
    find(button)->push = push;
    return button;
}

std::vector<PushButton> FakeDesktop::pushButtons(WindowId window) {
    std::vector<PushButton> buttons;
    for (const Window& w : windows) {
        if (w.parent == window && w.parent != 0) {
            if (const auto button = asPushButton(w.id)) {
                buttons.push_back(*button);
            }
        }
    }
    return buttons;
}

std::optional<PushButton> FakeDesktop::asPushButton(WindowId window) {
    const Window* w = find(window);
    if (w == nullptr || !w->push) {
        return std::nullopt;
    }
    return PushButton{w->id, w->controlId, withoutAccessKey(w->title), w->visible && w->enabled};
}

bool FakeDesktop::pressButton(WindowId button) {
    const auto pressed = asPushButton(button);
    if (!pressed || !pressed->usable) {
        return false;
    }
    presses.push_back(button);
    return true;
}

void FakeDesktop::close(WindowId window) {
    std::erase_if(windows, [window](const Window& w) { return w.id == window; });
    if (foregroundWindow == window) {
        foregroundWindow = 0;
    }
}

bool FakeDesktop::exists(WindowId window) const {
    return std::any_of(windows.begin(), windows.end(),
                       [window](const Window& w) { return w.id == window; });
}

FakeDesktop::Window* FakeDesktop::find(WindowId window) {
    auto it = std::find_if(windows.begin(), windows.end(),
                           [window](const Window& w) { return w.id == window; });
    return it == windows.end() ? nullptr : &*it;
}

std::vector<TopWindow> FakeDesktop::topLevelWindows() {
    ++snapshots;
    std::vector<TopWindow> shown;
    for (const Window& w : windows) {
        if (w.parent == 0 && w.visible) {
            shown.push_back(TopWindow{w.id, w.title});
        }
    }
    return shown;
}

std::string FakeDesktop::titleKey(const std::string& title) {
    // Held to the platform's lookup by tests/contracts/TitleKeyContract.h.
    static const std::pair<std::string, std::string> kRomanian[] = {
        {"ă", "Ă"}, {"â", "Â"}, {"î", "Î"}, {"ș", "Ș"}, {"ț", "Ț"}, {"ş", "Ş"}, {"ţ", "Ţ"},
    };
    std::string key = title;
    for (char& c : key) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    for (const auto& [lower, upper] : kRomanian) {
        for (size_t at = key.find(lower); at != std::string::npos; at = key.find(lower, at)) {
            key.replace(at, lower.size(), upper);
        }
    }
    return key;
}

std::string FakeDesktop::wholeTitle(WindowId window) {
    const Window* w = find(window);
    return w == nullptr ? std::string{} : w->title;
}

bool FakeDesktop::isVisible(WindowId window) {
    const Window* w = find(window);
    return w != nullptr && w->visible;
}

bool FakeDesktop::isOurs(WindowId window) {
    const Window* w = find(window);
    return w != nullptr && w->ours;
}

bool FakeDesktop::isShell(WindowId window) {
    const Window* w = find(window);
    return w != nullptr && w->shell;
}

std::string FakeDesktop::programName(WindowId window) {
    const Window* w = find(window);
    return w == nullptr ? std::string{} : w->program;
}

bool FakeDesktop::runsAboveUs(WindowId window) {
    const Window* w = find(window);
    return w == nullptr || w->elevated;
}

void FakeDesktop::requestForeground(WindowId window) {
    ++foregroundRequests;
    if (onActivate) {
        onActivate(window);
    }
    askedForeground = window;
    if (!deferForeground) {
        grantForeground();
    }
}

void FakeDesktop::grantForeground() {
    if (!refuseForeground && exists(askedForeground)) {
        foregroundWindow = askedForeground;
    }
}

bool FakeDesktop::sameThread(WindowId a, WindowId b) {
    const Window* first = find(a);
    const Window* second = find(b);
    const auto thread = [](const Window* w) { return w->thread != 0 ? w->thread : w->id; };
    return first != nullptr && second != nullptr && thread(first) == thread(second);
}

bool FakeDesktop::sendCloseCommand(WindowId target) {
    if (!isVisible(target)) {
        return false;
    }
    if (foregroundWindow == 0 || !sameThread(target, foregroundWindow)) {
        ++commandsOutOfFront;
    }
    commands.push_back(target);
    if (onCommand) {
        onCommand(target);
    }
    const Window* w = find(target);
    if (!w->ignoresCommand && !w->refusesClose) {
        close(target);
    }
    return true;
}

bool FakeDesktop::sendClose(WindowId target) {
    if (!isVisible(target)) {
        return false;
    }
    closeRequests.push_back(target);
    if (!find(target)->refusesClose) {
        close(target);
    }
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
