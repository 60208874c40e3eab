#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "Support.h"
#include "platform/win32/ControlIds.h"

namespace zorvel::e2e {
namespace {

using namespace zorvel::win32;

// Left, top, width and height in pixels, with readable failures.
struct Box {
    int x, y, width, height;
    bool operator==(const Box&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Box& box) {
        return out << box.x << ", " << box.y << ", " << box.width << " x " << box.height;
    }
};

// The client area on the screen.
Box clientArea(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return Box{origin.x, origin.y, client.right, client.bottom};
}

// A control's place in its window's client area.
RECT placeOf(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_NE(zorvel.window(), nullptr); }

    RECT clientRect(int id) const { return placeOf(zorvel.control(id)); }

    Zorvel zorvel;
};

struct Placement {
    int id;
    const char* text;
    RECT rect;  // left, top, right, bottom in client pixels at 96 DPI
};

// x, y, width, height as the layout draws them at 96 dots per inch.
constexpr RECT at(int x, int y, int width, int height) {
    return {x, y, x + width, y + height};
}

const Placement kLayout[] = {
    {kChkOnTop, "V", at(294, 0, 17, 16)},
    {kLabel1, "&Caption-ul ferestrei cu reclame:", at(8, 8, 193, 17)},
    {kTxtCaption, "", at(8, 24, 297, 19)},
    {kCmdAdauga, "&Adauga", at(16, 48, 89, 17)},
    {kCmdModifica, "&Modifica", at(112, 48, 89, 17)},
    {kCmdSterge, "&Sterge", at(208, 48, 89, 17)},
    {kCmdStergeLista, "Sterge &lista", at(8, 144, 105, 17)},
    {kLabel3, "&Timpul de verificare:", at(136, 144, 105, 17)},
    {kTxtTimp, "0", at(240, 144, 33, 19)},  // from the new settings file
    {kLabel4, "sec.", at(280, 144, 25, 17)},
    {kChkMarcaj, "", at(8, 168, 41, 41)},
    {kCmdClose, "&Inchide fereastra", at(48, 168, 217, 41)},
    {kCmdExit, "", at(264, 168, 41, 41)},
    {kLabel2, "zorvel.example.com/", at(8, 208, 297, 17)},
};

TEST_F(MainWindowTest, ClientAreaSitsWhereTheLayoutPutsIt) {
    ASSERT_EQ(GetDpiForWindow(zorvel.window()), 96u);
    EXPECT_EQ(clientArea(zorvel.window()), (Box{179, 324, 312, 225}));
    EXPECT_EQ(windowText(zorvel.window()), "Zorvel v1.0 - realizat de echipa Zorvel");
}

TEST_F(MainWindowTest, EveryControlHasItsRectangleAndText) {
    for (const Placement& expected : kLayout) {
        SCOPED_TRACE(expected.text);
        const RECT actual = clientRect(expected.id);
        EXPECT_EQ(actual.left, expected.rect.left);
        EXPECT_EQ(actual.top, expected.rect.top);
        EXPECT_EQ(actual.right, expected.rect.right);
        EXPECT_EQ(actual.bottom, expected.rect.bottom);
        EXPECT_EQ(zorvel.text(expected.id), expected.text);
    }
}

TEST_F(MainWindowTest, ListShowsWholeRowsWithinItsPlace) {
    const RECT actual = clientRect(kLstCaption);
    EXPECT_EQ(actual.left, 8);
    EXPECT_EQ(actual.top, 72);
    EXPECT_EQ(actual.right, 305);
    EXPECT_LE(actual.bottom, 72 + 69);
    RECT inner{};
    GetClientRect(zorvel.control(kLstCaption), &inner);
    const auto row = SendMessageW(zorvel.control(kLstCaption), LB_GETITEMHEIGHT, 0, 0);
    ASSERT_GT(row, 0);
    EXPECT_EQ(inner.bottom % row, 0);
    EXPECT_NE(GetWindowLongW(zorvel.control(kLstCaption), GWL_STYLE) & LBS_SORT, 0);
}

// The left edge of the list's first row as the screen shows it, where a focus rectangle's
// dots fall: plain when it holds only the background.
bool firstRowEdgeIsPlain(HWND list) {
    POINT origin{0, 0};
    ClientToScreen(list, &origin);
    const int row = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    const ScreenPixels edge = settledPixels(RECT{origin.x, origin.y, origin.x + 1, origin.y + row});
    const COLORREF background = GetSysColor(COLOR_WINDOW);
    for (int y = 0; y < edge.height; ++y) {
        const auto* pixel = reinterpret_cast<const BYTE*>(&edge.bits[static_cast<size_t>(y) * 4]);
        if (RGB(pixel[2], pixel[1], pixel[0]) != background) {
            return false;
        }
    }
    return true;
}

TEST_F(MainWindowTest, TheListsFocusRectangleGoesWithTheFocusAndWithTheEntries) {
    HWND list = zorvel.control(kLstCaption);
    const struct {
        const char* change;
        std::function<void()> apply;
    } changes[] = {
        {"the focus moves on", [&] { zorvel.focusOn(kTxtCaption); }},
        // Emptied as Zorvel's own clear does it, while the list keeps the focus.
        {"the list is emptied", [&] { SendMessageW(list, LB_RESETCONTENT, 0, 0); }},
        {"the emptied list loses the focus",
         [&] {
             SendMessageW(list, LB_RESETCONTENT, 0, 0);
             ASSERT_TRUE(waitUntil([&] { return firstRowEdgeIsPlain(list); }));
             zorvel.focusOn(kTxtCaption);
         }},
    };
    for (const auto& c : changes) {
        zorvel.add("Alfa");
        ASSERT_TRUE(zorvel.activate());
        zorvel.focusOn(kLstCaption);
        ASSERT_TRUE(zorvel.waitForFocus(kLstCaption));
        ASSERT_TRUE(waitUntil([&] { return !firstRowEdgeIsPlain(list); })) << c.change;
        c.apply();
        EXPECT_TRUE(waitUntil([&] { return firstRowEdgeIsPlain(list); })) << c.change;
        zorvel.click(kCmdStergeLista);
        ASSERT_TRUE(zorvel.waitForList({}));
    }
}

TEST_F(MainWindowTest, FixedDialogFrameWithoutMenuBar) {
    const LONG style = GetWindowLongW(zorvel.window(), GWL_STYLE);
    EXPECT_EQ(GetMenu(zorvel.window()), nullptr);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_NE(style & WS_SYSMENU, 0);
    EXPECT_NE(GetWindowLongW(zorvel.window(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME, 0);
}

TEST_F(MainWindowTest, StartsInItsInitialState) {
    EXPECT_EQ(SendMessageW(zorvel.control(kChkOnTop), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(zorvel.control(kChkMarcaj), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_TRUE(zorvel.list().empty());
    EXPECT_EQ(zorvel.selection(), LB_ERR);
    EXPECT_TRUE(zorvel.waitForFocus(kCmdExit));
}

TEST_F(MainWindowTest, EveryControlButTheHeadingHasATooltipShownOnHover) {
    std::vector<HWND> tips;
    for (HWND window : zorvel.process().windows()) {
        wchar_t name[64]{};
        GetClassNameW(window, name, 64);
        if (lstrcmpiW(name, TOOLTIPS_CLASSW) == 0) {
            tips.push_back(window);
        }
    }
    ASSERT_EQ(tips.size(), 1u);
    EXPECT_EQ(SendMessageW(tips[0], TTM_GETTOOLCOUNT, 0, 0), 14);

    ASSERT_TRUE(zorvel.activate());
    input::moveTo(input::centreOf(zorvel.control(kCmdAdauga)));
    EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(tips[0]) != FALSE; }));
}

TEST_F(MainWindowTest, TabVisitsTheControlsInOrderAndSkipsLabels) {
    ASSERT_TRUE(zorvel.activate());
    ASSERT_TRUE(zorvel.waitForFocus(kCmdExit));
    const int order[] = {kTxtCaption, kCmdAdauga, kCmdModifica, kCmdSterge,
                         kLstCaption, kChkMarcaj, kCmdClose,    kCmdStergeLista,
                         kTxtTimp,    kChkOnTop,  kCmdExit};
    for (int id : order) {
        input::press(VK_TAB);
        EXPECT_TRUE(zorvel.waitForFocus(id)) << "control " << id;
    }
}

TEST_F(MainWindowTest, AccessKeysOfLabelsMoveTheFocusPastThem) {
    ASSERT_TRUE(zorvel.activate());
    input::chord(VK_MENU, 'T');
    EXPECT_TRUE(zorvel.waitForFocus(kTxtTimp));
    input::chord(VK_MENU, 'C');
    EXPECT_TRUE(zorvel.waitForFocus(kTxtCaption));
}

TEST_F(MainWindowTest, AccessKeysClickTheButtons) {
    ASSERT_TRUE(zorvel.activate());
    zorvel.setText(kTxtCaption, "Reclama");
    input::chord(VK_MENU, 'A');
    EXPECT_TRUE(zorvel.waitForList({"Reclama"}));
    zorvel.select(0);
    input::chord(VK_MENU, 'M');
    EXPECT_TRUE(zorvel.waitForList({}));
    EXPECT_EQ(zorvel.text(kTxtCaption), "Reclama");
    zorvel.add("Alta");
    zorvel.add("Beta");
    zorvel.select(0);
    input::chord(VK_MENU, 'S');
    HWND question = zorvel.waitForMessageBox();
    ASSERT_NE(question, nullptr);
    SendNotifyMessageW(GetDlgItem(question, IDNO), BM_CLICK, 0, 0);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(question); }));
    ASSERT_TRUE(zorvel.activate());
    input::chord(VK_MENU, 'L');
    EXPECT_TRUE(zorvel.waitForList({}));
}

TEST_F(MainWindowTest, PlainLettersOnButtonsAndCheckBoxesDoNothing) {
    zorvel.add("Alfa");
    zorvel.add("Beta");
    zorvel.select(0);
    ASSERT_TRUE(zorvel.activate());
    for (int id : {kCmdExit, kCmdAdauga, kCmdStergeLista, kChkMarcaj, kChkOnTop}) {
        SCOPED_TRACE(id);
        zorvel.focusOn(id);
        ASSERT_TRUE(zorvel.waitForFocus(id));
        for (WORD letter : {'L', 'S', 'M', 'A', 'I'}) {
            input::press(letter);
        }
        // Keys are taken in order: once Alt+C has moved the focus, the letters were handled.
        input::chord(VK_MENU, 'C');
        ASSERT_TRUE(zorvel.waitForFocus(kTxtCaption));
        EXPECT_EQ(zorvel.list(), (std::vector<std::string>{"Alfa", "Beta"}));
        EXPECT_EQ(zorvel.selection(), 0);
        EXPECT_EQ(zorvel.text(kTxtCaption), "");
    }
}

TEST_F(MainWindowTest, TheListFindsAnEntryByTheLetterTyped) {
    zorvel.add("Alfa");
    zorvel.add("Beta");
    ASSERT_TRUE(zorvel.activate());
    zorvel.focusOn(kLstCaption);
    ASSERT_TRUE(zorvel.waitForFocus(kLstCaption));
    input::press('B');
    EXPECT_TRUE(waitUntil([&] { return zorvel.selection() == 1; }));
}

TEST_F(MainWindowTest, EnterInTheCaptionBoxAddsAndDoesNotEndTheProgram) {
    ASSERT_TRUE(zorvel.activate());
    input::chord(VK_MENU, 'C');
    ASSERT_TRUE(zorvel.waitForFocus(kTxtCaption));
    for (char c : std::string("AB")) {
        input::press(static_cast<WORD>(c));
    }
    ASSERT_TRUE(waitUntil([&] { return zorvel.text(kTxtCaption) == "ab"; }));
    input::press(VK_RETURN);
    EXPECT_TRUE(zorvel.waitForList({"ab"}));
    EXPECT_EQ(zorvel.text(kTxtCaption), "");
    EXPECT_TRUE(zorvel.process().running());
}

TEST(MainWindowScalingTest, TheLayoutFollowsTheDisplaysResolution) {
    // Wine reads the resolution when a program starts.
    const DWORD large = 144;
    const RegistryValue resolution(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels",
                                   REG_DWORD, &large, sizeof(large));
    Zorvel zorvel;
    ASSERT_NE(zorvel.window(), nullptr);
    // Twips times 144 / 1440, rounded: 4680 x 3375 at (2685, 4860); cmdClose 3255 x 615 at
    // (720, 2520). This process read 96 when it started; only Zorvel sees 144.
    EXPECT_EQ(clientArea(zorvel.window()), (Box{269, 486, 468, 338}));
    const RECT close = placeOf(zorvel.control(kCmdClose));
    EXPECT_EQ((Box{close.left, close.top, close.right - close.left, close.bottom - close.top}),
              (Box{72, 252, 326, 62}));
}

TEST_F(MainWindowTest, EscapeFromAnyControlEndsTheProgram) {
    ASSERT_TRUE(zorvel.activate());
    input::chord(VK_MENU, 'C');
    ASSERT_TRUE(zorvel.waitForFocus(kTxtCaption));
    input::press(VK_ESCAPE);
    EXPECT_TRUE(zorvel.process().waitForExit());
}

TEST_F(MainWindowTest, TheFocusComesBackToItsControlWhenTheWindowReturnsToTheFront) {
    ASSERT_TRUE(zorvel.activate());
    input::chord(VK_MENU, 'T');
    ASSERT_TRUE(zorvel.waitForFocus(kTxtTimp));
    Process targets = openTargets({L"top:Alta fereastra"});
    HWND other = targets.waitForWindow("Alta fereastra");
    ASSERT_NE(other, nullptr);
    ASSERT_TRUE(waitUntil([&] {
        SetForegroundWindow(other);
        return GetForegroundWindow() == other;
    }));
    ASSERT_TRUE(zorvel.activate());
    EXPECT_TRUE(zorvel.waitForFocus(kTxtTimp));
}

}  // namespace
}  // namespace zorvel::e2e
