#include "closer/NagButton.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "fakes/FakeDesktop.h"

namespace zorvel {
namespace {

// A nag with "Da" (6), "&Nu" (7) and "Anuleaza" (2); each row changes it and asks for a button.
TEST(NagButtonTest, TheButtonIsFoundByItsIdThenByItsTextAndOnlyWhenItCanBePressed) {
    struct Row {
        const char* name;
        EntryButton wanted;
        std::function<void(fakes::FakeDesktop&, WindowId nu)> change;
        int pressedId;  // 0: none
    };
    const std::vector<Row> rows = {
        {"IdAndText", {7, "Nu"}, nullptr, 7},
        {"TextCaseIgnored", {7, "NU"}, nullptr, 7},
        {"IdOnly", {7, ""}, nullptr, 7},
        {"IdOfAnotherTextFallsBackToTheText", {6, "Nu"}, nullptr, 7},
        {"TextOnly", {std::nullopt, "Nu"}, nullptr, 7},
        {"UnknownIdByText", {99, "Nu"}, nullptr, 7},
        {"NeitherIdNorText", {99, "Mai tarziu"}, nullptr, 0},
        {"Disabled", {7, "Nu"}, [](auto& d, WindowId nu) { d.find(nu)->enabled = false; }, 0},
        {"Hidden", {7, "Nu"}, [](auto& d, WindowId nu) { d.find(nu)->visible = false; }, 0},
        {"NotAPushButton", {7, "Nu"}, [](auto& d, WindowId nu) { d.find(nu)->push = false; }, 0},
        {"AnotherWindows",
         {7, "Nu"},
         [](auto& d, WindowId nu) { d.find(nu)->parent = d.open("Alta"); },
         0},
    };
    for (const Row& row : rows) {
        fakes::FakeDesktop desktop;
        const WindowId nag = desktop.open("Actualizare disponibila");
        desktop.addButton(nag, 6, "&Da");
        const WindowId nu = desktop.addButton(nag, 7, "&Nu");
        desktop.addButton(nag, 2, "Anuleaza");
        if (row.change) {
            row.change(desktop, nu);
        }
        const auto found = buttonToPress(desktop, nag, row.wanted);
        EXPECT_EQ(found ? found->id : 0, row.pressedId) << row.name;
    }
}

}  // namespace
}  // namespace zorvel
