#include "captions/WindowPicker.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <limits>

#include "fakes/FakeControls.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeForm.h"
#include "fakes/FakePointer.h"

namespace zorvel {
namespace {

using Items = std::vector<std::string>;
using Calls = std::vector<std::string>;

// Records, in one log, the order in which the picker works the form, the pointer and cmdClose.
struct LoggingForm : fakes::FakeForm {
    void captureMouse() override {
        log.push_back("capture");
        FakeForm::captureMouse();
    }
    void releaseMouse() override {
        log.push_back("release");
        FakeForm::releaseMouse();
    }
    Calls log;
};

struct LoggingPointer : fakes::FakePointer {
    explicit LoggingPointer(Calls& log) : log_(log) {}
    void setPointer(PointerStyle value) override {
        log_.push_back(value == PointerStyle::Custom ? "custom pointer" : "default pointer");
        FakePointer::setPointer(value);
    }
    void loadCustomPointer() override {
        log_.push_back("load pointer");
        FakePointer::loadCustomPointer();
    }
    Calls& log_;
};

struct LoggingButton : fakes::FakeButton {
    explicit LoggingButton(Calls& log) : log_(log) {}
    void focus() override {
        log_.push_back("focus cmdClose");
        FakeButton::focus();
    }
    Calls& log_;
};

class WindowPickerTest : public ::testing::Test {
  protected:
    WindowPickerTest() {
        chkMarcaj.onClick = [this] { picker.chkMarcaj_Click(); };
        form.id = desktop.open("Zorvel v1.0");
    }

    void arm() { chkMarcaj.setValue(1); }
    // Arms, then releases the mouse over `window`.
    void pickOver(WindowId window, float x = 20, float y = 30) {
        arm();
        desktop.underPointer = window;
        picker.Form_MouseUp(x, y);
    }

    fakes::FakeCheckBox chkMarcaj;
    LoggingForm form;
    LoggingPointer pointer{form.log};
    LoggingButton cmdClose{form.log};
    fakes::FakeListBox lstCaption;
    fakes::FakeDesktop desktop;
    WindowPicker picker{chkMarcaj, cmdClose, lstCaption, form, pointer, desktop};
};

TEST_F(WindowPickerTest, ALostCaptureIsTakenBackOnlyWhileArmedAndInFront) {
    struct Case {
        bool armed;
        bool inFront;
        bool stillCaptured;
        bool takenBack;
    };
    for (const Case c : {Case{true, true, false, true}, Case{true, false, false, false},
                         Case{true, true, true, false}, Case{false, true, false, false}}) {
        SCOPED_TRACE(testing::Message() << c.armed << c.inFront << c.stillCaptured);
        chkMarcaj.setValue(c.armed ? 1 : 0);
        form.captured = c.stillCaptured;
        form.front = c.inFront;
        form.log.clear();
        picker.Form_CaptureLost();
        EXPECT_EQ(form.log == Calls{"capture"}, c.takenBack);
    }
}

TEST_F(WindowPickerTest, ArmingCapturesThenSelectsAndLoadsTheCustomPointer) {
    arm();
    EXPECT_EQ(form.log, (Calls{"capture", "custom pointer", "load pointer", "focus cmdClose"}));
    EXPECT_TRUE(form.captured);
    form.log.clear();
    chkMarcaj.setValue(0);
    EXPECT_EQ(form.log, (Calls{"default pointer", "release", "focus cmdClose"}));
    EXPECT_FALSE(form.captured);
    arm();
    EXPECT_EQ(pointer.loads, 2);  // loaded afresh on every arming
}

TEST_F(WindowPickerTest, APickAddsTheTitleAsItIsThenDisarms) {
    lstCaption.add("Zeta");
    lstCaption.select(0);
    const WindowId ad = desktop.open("  Oferta zilei ");
    pickOver(ad);
    pickOver(ad);
    EXPECT_EQ(lstCaption.items, (Items{"  Oferta zilei ", "  Oferta zilei ", "Zeta"}));
    EXPECT_EQ(lstCaption.item(lstCaption.selected), "Zeta");
    EXPECT_EQ(lstCaption.selectionHistory.size(), 1u);
    EXPECT_EQ(chkMarcaj.checked, 0);
    EXPECT_FALSE(form.captured);
    EXPECT_EQ(pointer.style, PointerStyle::Default);
    EXPECT_EQ(form.log.back(), "focus cmdClose");
}

TEST_F(WindowPickerTest, TheReleasePointIsRoundedHalfEvenAndTakenToTheScreen) {
    const WindowId ad = desktop.open("Reclama");
    struct Case {
        float x, y;
        Point screen;
    };
    const Point o = form.clientOrigin;
    for (const Case& c :
         {Case{2.5f, 3.5f, {o.x + 2, o.y + 4}}, Case{-0.5f, -1.5f, {o.x + 0, o.y - 2}},
          Case{-200.4f, -7.6f, {o.x - 200, o.y - 8}}, Case{1000.5f, 0.49f, {o.x + 1000, o.y}}}) {
        pickOver(ad, c.x, c.y);
        EXPECT_EQ(desktop.lastPoint, c.screen) << c.x << ", " << c.y;
    }
    EXPECT_EQ(lstCaption.count(), 4);
}

TEST_F(WindowPickerTest, CoordinatesOutOfRangeAreClampedNotUndefined) {
    form.clientOrigin = {0, 0};
    pickOver(0, 1e30f, -1e30f);
    EXPECT_EQ(desktop.lastPoint,
              (Point{std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}));
    pickOver(0, std::numeric_limits<float>::quiet_NaN(), 5);
    EXPECT_EQ(desktop.lastPoint, (Point{0, 5}));
}

TEST_F(WindowPickerTest, TheClimbEndsAtTheTopOfTheChain) {
    const WindowId dialog = desktop.open("Setari");
    const WindowId panel = desktop.open("", true, dialog);
    const WindowId button = desktop.open("&OK", true, panel);
    pickOver(button);
    EXPECT_EQ(lstCaption.items, Items{"Setari"});

    // An owned pop-up climbs on to its owner, and from there on up.
    const WindowId owner = desktop.open("Editor");
    const WindowId popup = desktop.open("Salvati?", true, owner);
    const WindowId nested = desktop.open("Fisier", true, popup);
    pickOver(nested);
    EXPECT_EQ(lstCaption.items, (Items{"Editor", "Setari"}));
}

// Released over a push button, the pick asks, once disarmed, whether to press it instead.
TEST_F(WindowPickerTest, APushButtonPickedMayBecomeTheEntrysAnswer) {
    const WindowId nag = desktop.open("Actualizare disponibila");
    const WindowId nu = desktop.addButton(nag, 7, "&Nu");
    form.answer = Answer::Yes;
    form.whileAsking = [this] { EXPECT_FALSE(form.captured); };
    pickOver(nu);
    ASSERT_EQ(form.questions.size(), 1u);
    EXPECT_EQ(form.questions[0],
              "Atentie: La fiecare aparitie a ferestrei se apasa butonul \u00ABNu\u00BB in loc sa "
              "fie inchisa ?");
    EXPECT_EQ(lstCaption.entry(0).button, (EntryButton{7, "Nu"}));

    form.answer = Answer::No;
    pickOver(nu);
    pickOver(desktop.addButton(nag, 8, "Alt", false));
    EXPECT_EQ(form.questions.size(), 2u);
    ASSERT_EQ(lstCaption.count(), 3);
    EXPECT_EQ(std::count_if(lstCaption.entries.begin(), lstCaption.entries.end(),
                            [](const ListEntry& e) { return e.button.has_value(); }),
              1);
}

TEST_F(WindowPickerTest, NothingIsAddedForTheOwnWindowNoWindowOrAnEmptyTitle) {
    const WindowId ownControl = desktop.open("&Adauga", true, form.id);
    const WindowId untitled = desktop.open("");
    for (WindowId window : {form.id, ownControl, WindowId{0}, untitled}) {
        form.log.clear();
        pickOver(window);
        EXPECT_TRUE(lstCaption.items.empty()) << window;
        EXPECT_EQ(chkMarcaj.checked, 0);
        EXPECT_FALSE(form.captured);
        EXPECT_EQ(form.log.back(), "focus cmdClose");
    }
}

TEST_F(WindowPickerTest, ALongTitleIsCutTo254Characters) {
    const std::string title(300, 'x');
    pickOver(desktop.open(title.substr(0, 150) + std::string(150, 'y')));
    ASSERT_EQ(lstCaption.count(), 1);
    EXPECT_EQ(lstCaption.item(0), title.substr(0, 150) + std::string(104, 'y'));
}

TEST_F(WindowPickerTest, TheCutTo254KeepsEveryCharacterWhole) {
    const std::string face = "\xF0\x9F\x98\x80";  // two UTF-16 units
    const struct {
        std::string title;
        std::string kept;
    } cases[] = {
        {std::string(253, 'a') + face, std::string(253, 'a')},
        {std::string(252, 'a') + face + "b", std::string(252, 'a') + face},
        {std::string(254, 'a') + face, std::string(254, 'a')},
    };
    for (const auto& c : cases) {
        lstCaption.clear();
        pickOver(desktop.open(c.title));
        ASSERT_EQ(lstCaption.count(), 1);
        EXPECT_EQ(lstCaption.item(0), c.kept);
    }
}

TEST_F(WindowPickerTest, AParentChainThatLoopsEndsWithoutAddingAnything) {
    const WindowId a = desktop.open("A");
    const WindowId b = desktop.open("B", true, a);
    for (auto& w : desktop.windows) {
        if (w.id == a) {
            w.parent = b;  // a and b own each other
        }
    }
    pickOver(b);
    EXPECT_TRUE(lstCaption.items.empty());
    EXPECT_EQ(chkMarcaj.checked, 0);
}

TEST_F(WindowPickerTest, AReleaseWhenNotArmedPicksButDoesNotRunTheClickHandler) {
    desktop.underPointer = desktop.open("Reclama");
    picker.Form_MouseUp(5, 5);
    EXPECT_EQ(lstCaption.items, Items{"Reclama"});
    EXPECT_TRUE(form.log.empty());
    EXPECT_EQ(cmdClose.focusCount, 0);
}

}  // namespace
}  // namespace zorvel
