#include "app/frmZorvel.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "base/Texts.h"
#include "fakes/FakeAutostart.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeForm.h"
#include "fakes/FakeInstance.h"
#include "fakes/FakeLogFile.h"
#include "fakes/FakeShell.h"
#include "fakes/MemoryStore.h"

namespace zorvel {
namespace {

// The main window's behaviour wired to fakes, as the real window wires it to controls.
class FormTest : public ::testing::Test {
  protected:
    FormTest() {
        txtTimp.onChange = [this] { form.txtTimp_Change(); };
        chkMarcaj.onClick = [this] { form.chkMarcaj_Click(); };
        chkOnTop.checked = 1;
        chkOnTop.text = "V";
        window.onUnload = [this] {
            if (!form.Form_Unload()) {
                window.shown = false;
                ended = true;
            }
        };
    }

    bool hasLine(const std::string& line) const {
        return store.bytes().find(line + "\r\n") != std::string::npos;
    }

    fakes::FakeListBox lstCaption;
    fakes::FakeTextBox txtCaption, txtTimp;
    fakes::FakeCheckBox chkMarcaj, chkOnTop;
    fakes::FakeButton cmdClose;
    fakes::FakeButton cmdExit;
    fakes::FakeLabel label2;
    fakes::FakeTimer tmrVerifica;
    fakes::FakeTimer tmrRecheck{0};
    fakes::FakeTimer tmrLog{0};
    fakes::FakeTimer tmrPause{0};
    fakes::FakeForm window;
    fakes::FakeDesktop desktop;
    fakes::FakeShell shell;
    fakes::MemoryStore store;
    fakes::FakeInstance instance;
    fakes::FakeClock clock;
    fakes::FakeWindowWatch watch;
    fakes::FakeLogFile log;
    fakes::FakeAutostart autostart;
    frmZorvel form{FormControls{lstCaption, txtCaption, txtTimp, chkMarcaj, chkOnTop, cmdClose,
                                cmdExit, label2, tmrVerifica, tmrRecheck, tmrLog, tmrPause},
                   Services{window, desktop, shell, store, instance, clock, watch, log, autostart}};
    bool ended = false;
};

class FormGuardTest : public FormTest, public ::testing::WithParamInterface<GuardClaim> {};

TEST_P(FormGuardTest, AGuardNotKnownToBeOursWarnsRestoresAndEndsWithoutTouchingAnything) {
    instance.claim = GetParam();
    form.Form_Load();
    EXPECT_EQ(instance.calls, (std::vector<std::string>{"warn", "restore", "end"}));
    EXPECT_FALSE(store.exists());
    EXPECT_TRUE(window.topmostCalls.empty());
    EXPECT_TRUE(shell.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(HeldDeniedOrFailed, FormGuardTest,
                         ::testing::Values(GuardClaim::HeldByAnother, GuardClaim::Denied,
                                           GuardClaim::Failed));

TEST_F(FormTest, TheFirstCopyGoesTopmostThenLoadsTheSettings) {
    form.Form_Load();
    EXPECT_EQ(window.topmostCalls, std::vector<bool>{true});
    EXPECT_TRUE(store.exists());
    EXPECT_EQ(txtTimp.value, "0");
    EXPECT_EQ(tmrVerifica.milliseconds, 0);
}

TEST_F(FormTest, TheIntervalSwitchesInstantClosingOffAndOn) {
    form.Form_Load();  // a new file: interval 0
    EXPECT_EQ(watch.sink, nullptr);
    txtTimp.setText("3");
    ASSERT_NE(watch.sink, nullptr);
    lstCaption.add("Reclama");
    const WindowId ad = desktop.open("Reclama");
    watch.sink->windowEvent(ad, WindowEvent::Created);
    EXPECT_EQ(desktop.commands, std::vector<WindowId>{ad});
    txtTimp.setText("0");
    EXPECT_EQ(watch.sink, nullptr);
}

TEST_F(FormTest, ClosingHidesToTheTrayAndKeepsEverything) {
    form.Form_Load();
    txtCaption.value = "Reclama";
    form.cmdAdauga_Click();
    window.unload();
    EXPECT_FALSE(ended);
    EXPECT_FALSE(window.shown);
    EXPECT_EQ(shell.icons.size(), 1u);
    EXPECT_FALSE(hasLine("Caption1=Reclama"));
    form.trayIcon_Notify(TrayClick::LeftUp);
    EXPECT_TRUE(window.shown);
}

TEST_F(FormTest, ExitRemovesTheIconThenSaves) {
    form.Form_Load();
    txtCaption.value = "Reclama";
    form.cmdAdauga_Click();
    window.unload();
    form.mnuExit_Click();
    EXPECT_TRUE(ended);
    EXPECT_TRUE(shell.icons.empty());
    EXPECT_TRUE(hasLine("Nr_ferestre=1"));
    EXPECT_TRUE(hasLine("Caption1=Reclama"));
}

TEST_F(FormTest, TheSessionEndingSavesWhileHidden) {
    form.Form_Load();
    txtTimp.setText("7");
    txtCaption.value = "Pastrat";
    form.cmdAdauga_Click();
    window.unload();
    form.Form_SessionEnding();
    EXPECT_TRUE(hasLine("Interval_de_timp=7"));
    EXPECT_TRUE(hasLine("Caption1=Pastrat"));
}

TEST_F(FormTest, AFileThatCannotBeReadIsToldOnceAtStartAndLeftAloneAtExit) {
    const std::string binary("\x01\x00\x7F\x00\xFF", 5);
    store.replace(binary);
    form.Form_Load();
    EXPECT_EQ(window.warnings,
              std::vector<std::string>{
                  "Atentie: Fisierul de setari nu a putut fi citit. Programul porneste cu lista "
                  "goala si nu va modifica fisierul:\nC:\\Zorvel\\Zorvel.ini"});
    form.mnuExit_Click();
    EXPECT_TRUE(ended);
    EXPECT_EQ(store.bytes(), binary);
    EXPECT_EQ(window.warnings.size(), 1u);
}

TEST_F(FormTest, AFailedSaveIsAskedAboutAtExitButNeverAtTheSessionsEnd) {
    form.Form_Load();
    const std::string before = store.bytes();
    store.directoryReadOnly = true;
    form.Form_SessionEnding();
    EXPECT_TRUE(window.saveQuestions.empty());
    form.mnuExit_Click();
    EXPECT_FALSE(ended);
    EXPECT_EQ(window.saveQuestions,
              std::vector<std::string>{std::string("Atentie: Setarile nu au putut fi salvate in "
                                                   "fisierul\nC:\\Zorvel\\Zorvel.ini") +
                                       texts::kSettingsNotSavedChoices});
    EXPECT_TRUE(window.warnings.empty());
    EXPECT_EQ(store.bytes(), before);
}

TEST_F(FormTest, CancelAfterAFailedSaveKeepsTheProgramItsListAndItsIcon) {
    form.Form_Load();
    txtCaption.value = "Reclama";
    form.cmdAdauga_Click();
    window.unload();  // to the tray
    store.directoryReadOnly = true;
    form.mnuExit_Click();
    EXPECT_FALSE(ended);
    EXPECT_TRUE(window.shown);
    EXPECT_EQ(lstCaption.items, std::vector<std::string>{"Reclama"});
    EXPECT_EQ(shell.icons.size(), 1u);
    // The exit is forgotten: the close box hides again.
    window.unload();
    EXPECT_FALSE(ended);
    EXPECT_FALSE(window.shown);
    store.directoryReadOnly = false;
    form.mnuExit_Click();
    EXPECT_TRUE(ended);
    EXPECT_TRUE(shell.icons.empty());
    EXPECT_TRUE(hasLine("Caption1=Reclama"));
    EXPECT_EQ(window.saveQuestions.size(), 1u);
}

TEST_F(FormTest, TryAgainSavesAgainAndAsksAgainWhileTheSaveFails) {
    form.Form_Load();
    txtCaption.value = "Reclama";
    form.cmdAdauga_Click();
    store.directoryReadOnly = true;
    window.saveBoxPresses = {TryAnswer::TryAgain, TryAnswer::TryAgain, TryAnswer::TryAgain};
    // The user frees the file while the third question is open.
    window.whileAsking = [&] { store.directoryReadOnly = window.saveQuestions.size() < 3; };
    form.mnuExit_Click();
    EXPECT_EQ(window.saveQuestions.size(), 3u);
    EXPECT_TRUE(ended);
    EXPECT_TRUE(hasLine("Caption1=Reclama"));
}

TEST_F(FormTest, MovementsOverTheSurfaceResetTheLinkButNeverActAsTrayClicks) {
    form.Form_Load();
    window.unload();
    form.Label2_MouseMove();
    for (float x : {514.0f, 517.0f}) {
        form.Form_MouseMove(x, 3.0f);
    }
    EXPECT_FALSE(window.shown);
    EXPECT_EQ(window.menuPopups, 0);
    EXPECT_EQ(label2.points, 10);
    EXPECT_FALSE(label2.isBold);
}

TEST_F(FormTest, TheTrayMenuShowsWhetherThisProgramStartsWithWindows) {
    form.Form_Load();
    const struct {
        std::optional<std::string> entry;
        bool ticked;
    } cases[] = {
        {std::nullopt, false},
        {'"' + autostart.program + '"', true},
        {"\"C:\\Altundeva\\Zorvel.exe\"", false},
    };
    for (const auto& c : cases) {
        autostart.value = c.entry;  // changed outside, since the last time the menu opened
        form.trayIcon_Notify(TrayClick::RightUp);
        EXPECT_EQ(window.menuChecks[CheckedMenuItem::StartWithWindows], c.ticked);
    }
    EXPECT_EQ(window.menuPopups, 3);
}

TEST_F(FormTest, APickDisarmsThroughTheCheckBoxHandler) {
    form.Form_Load();
    const WindowId ad = desktop.open("Fereastra aleasa");
    desktop.underPointer = ad;
    chkMarcaj.setValue(1);
    EXPECT_TRUE(window.captured);
    form.Form_MouseUp(10.0f, -4.0f);
    EXPECT_EQ(lstCaption.items, std::vector<std::string>{"Fereastra aleasa"});
    EXPECT_EQ(chkMarcaj.checked, 0);
    EXPECT_FALSE(window.captured);
    EXPECT_EQ(desktop.lastPoint, (Point{189, 320}));
}

// Listed, closing on an interval, hidden in the tray: a paused Zorvel, as the user leaves it.
// Listed, closing on an interval, hidden in the tray, paused for ten minutes.
class FormPauseTest : public FormTest {
  protected:
    void SetUp() override {
        form.Form_Load();
        txtTimp.setText("5");
        txtCaption.value = "Reclama";
        form.cmdAdauga_Click();
        window.unload();
        form.mnuPauseTenMinutes_Click();
    }
};

TEST_F(FormPauseTest, OnlyTheUsersOwnCloseClosesAndANewIntervalKeepsThePause) {
    const WindowId ad = desktop.open("Reclama");
    form.tmrVerifica_Timer();
    txtTimp.setText("3");
    EXPECT_EQ(watch.sink, nullptr);
    EXPECT_TRUE(desktop.commands.empty());
    lstCaption.select(0);
    form.cmdClose_Click();
    EXPECT_EQ(desktop.commands, std::vector<WindowId>{ad});
}

TEST_F(FormPauseTest, ItsEndClosesWhatAppearedMeanwhileAtOnceAndTheIconIsItselfAgain) {
    // Both, though one entry matches them: the end looks at every window, not one per entry.
    const WindowId ad = desktop.open("Reclama");
    const WindowId again = desktop.open("Reclama");
    clock.now += Pause::kTenMinutesMs;
    form.tmrPause_Timer();
    EXPECT_EQ(desktop.commands, (std::vector<WindowId>{ad, again}));
    EXPECT_NE(watch.sink, nullptr);
    EXPECT_FALSE(window.menuPaused);
    EXPECT_FALSE(shell.calls.back().record.paused);
}

const CloseRecord kClosed{CloseTrigger::Sweep, CloseOutcome::Closed, {"Ad"}, "Ad", "ad.exe", 30};

TEST_F(FormTest, TheLogMenuOpensTheRecordFileMadeFirst) {
    form.Form_Load();
    std::optional<std::string> seen;
    shell.onOpenDocument = [&] { seen = log.bytes; };
    form.mnuLog_Click();
    EXPECT_EQ(seen, std::string());  // there, empty, before the editor looks
    EXPECT_EQ(shell.documents, std::vector<std::string>{log.path()});

    form.closeRecorder().record(kClosed);
    form.mnuLog_Click();  // a line still waiting for its batch is in the file the editor opens
    ASSERT_TRUE(seen);
    EXPECT_NE(seen->find("\tverificare\tinchisa\tAd\tAd\tad.exe\t30\tinchidere\r\n"),
              std::string::npos);
    EXPECT_EQ(tmrLog.milliseconds, 0);
}

TEST_F(FormTest, TheLogMenuSaysWhyWhenTheFileCannotBeMadeOrOpened) {
    form.Form_Load();
    const std::string path = log.path();
    const struct {
        bool fileCannotBeMade;
        std::string warning;
    } cases[] = {
        {false, "Atentie: Jurnalul inchiderilor nu a putut fi deschis:\n" + path},
        {true,
         "Atentie: Jurnalul inchiderilor nu a putut fi creat:\n" + path + "\nAccess is denied."},
    };
    shell.noAssociation = true;
    shell.programsStart = false;  // no editor either
    for (const auto& c : cases) {
        log.bytes.reset();
        log.failing = c.fileCannotBeMade;
        window.warnings.clear();
        form.mnuLog_Click();
        EXPECT_EQ(window.warnings, std::vector<std::string>{c.warning});
    }
}

TEST_F(FormTest, EndingWritesTheLinesWaitingForTheirBatch) {
    const std::function<void(frmZorvel&)> endings[] = {
        [](frmZorvel& f) { f.Form_SessionEnding(); },
        [](frmZorvel& f) { f.mnuExit_Click(); },  // last: after it the window is gone
    };
    form.Form_Load();
    for (const auto& end : endings) {
        log.bytes.reset();
        form.closeRecorder().record(kClosed);
        EXPECT_FALSE(log.bytes);
        end(form);
        ASSERT_TRUE(log.bytes);
        EXPECT_NE(log.bytes->find("\tad.exe\t30\tinchidere\r\n"), std::string::npos);
    }
}

}  // namespace
}  // namespace zorvel
