#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Form.h"

namespace zorvel::fakes {

class FakeForm : public Form {
  public:
    WindowId handle() const override { return id; }
    bool visible() const override { return shown; }
    void show() override;
    void hide() override;
    void setTopmost(bool topmost) override { topmostCalls.push_back(topmost); }
    void showPointer(PointerStyle style) override { shownPointers.push_back(style); }
    bool loadPointerResource() override;
    bool pointerOverSurface() const override { return overSurface; }
    void captureMouse() override { captured = true; }
    void releaseMouse() override { captured = false; }
    bool inFront() const override { return front; }
    bool holdsCapture() const override { return captured; }
    WindowId focusedControl() const override { return focused; }
    void focusControl(WindowId control) override { focused = control; }
    Point clientToScreen(Point client) const override;
    Answer askYesNo(const std::string& text, const std::string& title) override;
    Answer askYesNoCancel(const std::string& text, const std::string& title) override {
        return askYesNo(text, title);
    }
    void warn(const std::string& text, const std::string& title) override {
        warnings.push_back(title + ": " + text);
    }
    TryAnswer askTryAgainOrContinue(const std::string& text, const std::string& title) override;
    void popupMenuAtPointer() override { ++menuPopups; }
    int chooseFromMenu(const std::vector<MenuLine>& lines, Point screen) override {
        menus.push_back(lines);
        menuPoints.push_back(screen);
        return menuChoice;
    }
    void checkMenuItem(CheckedMenuItem item, bool checked) override { menuChecks[item] = checked; }
    void showPaused(bool paused) override { menuPaused = paused; }
    void unload() override;

    WindowId id = 0x100;
    Point clientOrigin{179, 324};
    bool shown = true;
    bool captured = false;
    bool front = true;
    WindowId focused = 0;
    std::vector<PointerStyle> shownPointers;
    int pointerLoads = 0;
    bool pointerLoadable = true;
    bool overSurface = false;
    int menuPopups = 0;
    // The menus that opened, and the line the user chooses in each.
    std::vector<std::vector<MenuLine>> menus;
    std::vector<Point> menuPoints;
    int menuChoice = -1;
    std::vector<bool> topmostCalls;
    std::vector<std::string> events;  // show, hide, unload in order

    // What the user answers, to either question; `whileAsking` runs while it is open.
    Answer answer = Answer::No;
    std::function<void()> whileAsking;
    std::vector<std::string> questions;
    std::vector<std::string> warnings;
    // The buttons the user presses in the failed-save box, one per box, in order; Cancel once
    // they run out. This scripts the user: each press is the user's answer, given once.
    std::deque<TryAnswer> saveBoxPresses;
    std::vector<std::string> saveQuestions;
    std::map<CheckedMenuItem, bool> menuChecks;
    bool menuPaused = false;
    std::function<void()> onUnload;
};

}  // namespace zorvel::fakes
