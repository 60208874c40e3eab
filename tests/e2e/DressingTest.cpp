#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "Support.h"
#include "platform/win32/ControlIds.h"

namespace zorvel::e2e {
namespace {

using namespace zorvel::win32;
using Lines = std::vector<std::string>;

class DressingTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_NE(zorvel.window(), nullptr); }

    Zorvel zorvel;
};

TEST_F(DressingTest, TheToggleSwitchesTopmostAndItsCaption) {
    auto topmost = [&] {
        return (GetWindowLongW(zorvel.window(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    };
    ASSERT_TRUE(waitUntil(topmost));
    zorvel.click(kChkOnTop);
    EXPECT_TRUE(waitUntil([&] { return !topmost(); }));
    EXPECT_EQ(zorvel.text(kChkOnTop), "^");
    EXPECT_TRUE(zorvel.waitForFocus(kCmdClose));
    zorvel.click(kChkOnTop);
    EXPECT_TRUE(waitUntil(topmost));
    EXPECT_EQ(zorvel.text(kChkOnTop), "V");
}

TEST_F(DressingTest, HoveringTheLinkTurnsItBoldAndTheSurfaceTurnsItBack) {
    ASSERT_TRUE(zorvel.activate());
    RECT label{};
    GetWindowRect(zorvel.control(kLabel2), &label);
    auto showsBlueText = [&] {
        const ScreenPixels pixels = screenPixels(label);
        for (size_t i = 0; i + 2 < pixels.bits.size(); i += 3) {
            if (static_cast<unsigned char>(pixels.bits[i]) > 200 && pixels.bits[i + 1] == 0 &&
                pixels.bits[i + 2] == 0) {
                return true;
            }
        }
        return false;
    };
    ASSERT_TRUE(waitUntil(showsBlueText));
    const ScreenPixels plain = settledPixels(label);
    input::moveTo(input::centreOf(zorvel.control(kLabel2)));
    ASSERT_TRUE(waitUntil([&] { return !(screenPixels(label) == plain); }));
    POINT surface{3, 100};  // bare surface, left of the list
    ClientToScreen(zorvel.window(), &surface);
    input::moveTo(surface);
    // 10 points and the first 9.75 both come out 13 pixels high at 96 DPI.
    EXPECT_TRUE(waitUntil([&] { return screenPixels(label) == plain; }));
}

// The web browser's place in the registry, taken by the helper for one test.
class FakeBrowser {
  public:
    explicit FakeBrowser(const std::wstring& reportPath) {
        RegCreateKeyExW(HKEY_CLASSES_ROOT, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                        nullptr);
        wchar_t old[1024]{};
        DWORD size = sizeof(old);
        had_ = RegQueryValueExW(key_, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(old),
                                &size) == ERROR_SUCCESS;
        old_ = old;
        set(L"\"" + besideDriver(L"zorvel_helper.exe") + L"\" \"report:" + reportPath +
            L"\" \"%1\"");
    }
    ~FakeBrowser() {
        if (had_) {
            set(old_);
        } else {
            RegDeleteValueW(key_, nullptr);
        }
        RegCloseKey(key_);
    }
    FakeBrowser(const FakeBrowser&) = delete;
    FakeBrowser& operator=(const FakeBrowser&) = delete;

  private:
    static constexpr wchar_t kKey[] = L"http\\shell\\open\\command";
    void set(const std::wstring& command) {
        RegSetValueExW(key_, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                       static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    }
    HKEY key_ = nullptr;
    bool had_ = false;
    std::wstring old_;
};

TEST_F(DressingTest, ClickingTheLinkOpensTheHomePageMaximized) {
    zorvel.add("Ramane");
    const std::wstring report = zorvel.dir().file(L"browser.txt");
    FakeBrowser browser(report);
    input::click(input::centreOf(zorvel.control(kLabel2)));
    ASSERT_TRUE(waitUntil([&] { return !readFile(report).empty(); }));
    const std::string bytes = readFile(report);
    std::wstring text(bytes.size() / 2, L'\0');
    memcpy(text.data(), bytes.data(), text.size() * 2);
    EXPECT_EQ(narrow(text),
              "http://zorvel.example.com/\n" + std::to_string(SW_SHOWMAXIMIZED) + "\n");
    EXPECT_EQ(zorvel.list(), Lines{"Ramane"});
    EXPECT_EQ(zorvel.text(kLabel2), "zorvel.example.com/");
}

}  // namespace
}  // namespace zorvel::e2e
