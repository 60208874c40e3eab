#include "fakes/FakeForm.h"

namespace zorvel::fakes {

bool FakeForm::loadPointerResource() {
    ++pointerLoads;
    return pointerLoadable;
}

void FakeForm::show() {
    shown = true;
    events.push_back("show");
}

void FakeForm::hide() {
    shown = false;
    events.push_back("hide");
}

Point FakeForm::clientToScreen(Point client) const {
    return Point{client.x + clientOrigin.x, client.y + clientOrigin.y};
}

Answer FakeForm::askYesNo(const std::string& text, const std::string& title) {
    questions.push_back(title + ": " + text);
    if (whileAsking) {
        whileAsking();
    }
    return answer;
}

bool FakeForm::askRetry(const std::string& text, const std::string& title) {
    retryQuestions.push_back(title + ": " + text);
    if (whileAsking) {
        whileAsking();
    }
    if (saveBoxPresses.empty()) {
        return false;
    }
    const bool pressedRetry = saveBoxPresses.front();
    saveBoxPresses.pop_front();
    return pressedRetry;
}

void FakeForm::unload() {
    events.push_back("unload");
    if (onUnload) {
        onUnload();
    }
}

}  // namespace zorvel::fakes
