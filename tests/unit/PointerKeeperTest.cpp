#include "dressing/PointerKeeper.h"

#include <gtest/gtest.h>

#include <optional>

#include "fakes/FakeControls.h"
#include "fakes/FakeForm.h"

namespace zorvel {
namespace {

using Shown = std::vector<PointerStyle>;
constexpr PointerStyle kCustom = PointerStyle::Custom;
constexpr PointerStyle kDefault = PointerStyle::Default;

class PointerKeeperTest : public ::testing::Test {
  protected:
    // The custom pointer loaded (or not) while nothing shows it, then the form as given.
    void prepare(bool loadable, bool captured, bool over) {
        form.pointerLoadable = loadable;
        keeper.loadCustomPointer();
        form.captured = captured;
        form.overSurface = over;
        form.shownPointers.clear();
    }

    fakes::FakeForm form;
    fakes::FakeCheckBox chkMarcaj;
    PointerKeeper keeper{form, chkMarcaj};
};

TEST_F(PointerKeeperTest, TheAskedPointerShowsAtOnceOnlyOverTheSurfaceOrDuringACapture) {
    struct Case {
        PointerStyle wanted;
        bool loadable, captured, over;
        std::optional<PointerStyle> shown;
    };
    for (const Case& c :
         {Case{kCustom, true, true, false, kCustom}, Case{kCustom, true, false, true, kCustom},
          Case{kCustom, true, false, false, std::nullopt},
          Case{kCustom, false, true, false, kDefault},
          Case{kDefault, true, false, true, kDefault}}) {
        SCOPED_TRACE(testing::Message() << c.loadable << c.captured << c.over);
        prepare(c.loadable, c.captured, c.over);
        keeper.setPointer(c.wanted);
        EXPECT_EQ(form.shownPointers, c.shown ? Shown{*c.shown} : Shown{});
    }
}

TEST_F(PointerKeeperTest, LoadingTheCustomPointerShowsItWhereItWasAskedFor) {
    prepare(false, false, true);
    keeper.setPointer(kCustom);
    EXPECT_EQ(form.shownPointers, Shown{kDefault});
    form.pointerLoadable = true;
    keeper.loadCustomPointer();
    EXPECT_EQ(form.shownPointers, (Shown{kDefault, kCustom}));
}

TEST_F(PointerKeeperTest, AMovementKeepsThePickersHandOnlyWhileArmedAndCapturing) {
    struct Case {
        bool armed, captured, loadable, kept;
    };
    for (const Case& c : {Case{true, true, true, true}, Case{false, true, true, false},
                          Case{true, false, true, false}, Case{true, true, false, false}}) {
        SCOPED_TRACE(testing::Message() << c.armed << c.captured << c.loadable);
        prepare(c.loadable, c.captured, true);
        chkMarcaj.checked = c.armed ? 1 : 0;
        keeper.Form_MouseMove();
        EXPECT_EQ(form.shownPointers, c.kept ? Shown{kCustom} : Shown{});
    }
}

TEST_F(PointerKeeperTest, ThePlatformsQueryGetsTheCustomPointerOnlyOverTheSurface) {
    struct Case {
        PointerStyle wanted;
        bool loadable, over, taken;
    };
    for (const Case& c : {Case{kCustom, true, true, true}, Case{kCustom, true, false, false},
                          Case{kCustom, false, true, false}, Case{kDefault, true, true, false}}) {
        SCOPED_TRACE(testing::Message() << c.loadable << c.over);
        prepare(c.loadable, false, false);
        keeper.setPointer(c.wanted);
        EXPECT_EQ(keeper.Form_SetPointer(c.over), c.taken);
        EXPECT_EQ(form.shownPointers, c.taken ? Shown{kCustom} : Shown{});
    }
}

}  // namespace
}  // namespace zorvel
