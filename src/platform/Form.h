#pragma once

#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/Pointer.h"

namespace zorvel {

enum class Answer { Yes, No, Cancel };

// The answers of the box offered when something could not be done: do it again, go on
// without it, or stay where one was.
enum class TryAnswer { TryAgain, Continue, Cancel };

// Menu items whose check mark the program sets.
enum class CheckedMenuItem { StartWithWindows };

// One line of a menu put together at the moment it opens.
struct MenuLine {
    enum class Mark { None, Check, Radio };
    std::string text;  // empty: a separator
    bool enabled = true;
    Mark mark = Mark::None;
    bool marked = false;
};

// The main window itself, as its handlers see it.
class Form {
  public:
    virtual ~Form() = default;
    virtual WindowId handle() const = 0;
    virtual bool visible() const = 0;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual void setTopmost(bool topmost) = 0;
    // Shows this pointer now; the custom one only when it could be loaded.
    virtual void showPointer(PointerStyle style) = 0;
    // Loads the custom pointer from the executable's cursor resource afresh; false when the
    // resource cannot be loaded.
    virtual bool loadPointerResource() = 0;
    // Whether the pointer is over the window's own surface or the link label.
    virtual bool pointerOverSurface() const = 0;
    virtual void captureMouse() = 0;
    virtual void releaseMouse() = 0;
    // Whether the window is the one in front, and whether it holds the mouse capture.
    virtual bool inFront() const = 0;
    virtual bool holdsCapture() const = 0;
    // The control of this window that has the keyboard focus; 0 when none has it.
    virtual WindowId focusedControl() const = 0;
    virtual void focusControl(WindowId control) = 0;
    virtual Point clientToScreen(Point client) const = 0;
    // The system-modal Yes/No question.
    virtual Answer askYesNo(const std::string& text, const std::string& title) = 0;
    // A warning offering Try Again, Continue and Cancel; closing the box counts as Cancel.
    virtual TryAnswer askTryAgainOrContinue(const std::string& text, const std::string& title) = 0;
    // A question with Yes, No and Cancel; closing the box counts as Cancel.
    virtual Answer askYesNoCancel(const std::string& text, const std::string& title) = 0;
    // A plain warning with an OK button.
    virtual void warn(const std::string& text, const std::string& title) = 0;
    virtual void popupMenuAtPointer() = 0;
    // Pops these lines up as a menu at a point of the screen and waits for the choice: the
    // index of the line chosen, or -1 when none was.
    virtual int chooseFromMenu(const std::vector<MenuLine>& lines, Point screen) = 0;
    virtual void checkMenuItem(CheckedMenuItem item, bool checked) = 0;
    // While paused the tray menu offers Resume where its Pause submenu was.
    virtual void showPaused(bool paused) = 0;
    // Asks the window to unload; Form_Unload decides whether it ends or only hides.
    virtual void unload() = 0;
};

}  // namespace zorvel
