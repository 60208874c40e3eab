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

TryAnswer FakeForm::askTryAgainOrContinue(const std::string& text, const std::string& title) {
    saveQuestions.push_back(title + ": " + text);
    if (whileAsking) {
        whileAsking();
    }
    if (saveBoxPresses.empty()) {
        return TryAnswer::Cancel;
    }
    const TryAnswer pressed = saveBoxPresses.front();
    saveBoxPresses.pop_front();
    return pressed;
}

void FakeForm::unload() {
    events.push_back("unload");
    if (onUnload) {
        onUnload();
    }
}

}  // namespace zorvel::fakes
