#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "closer/Sweep.h"
#include "fakes/FakeControls.h"
#include "fakes/MemoryStore.h"
#include "settings/Settings.h"

namespace zorvel {
namespace {

using Entries = std::vector<ListEntry>;
using Keys = std::vector<std::string>;

std::string fileWith(const std::string& interval, int count, const Keys& captionKeys) {
    std::string text = "[OPTIUNI]\r\nInterval_de_timp=" + interval +
                       "\r\nNr_ferestre=" + std::to_string(count) + "\r\n[FERESTRE_DE_INCHIS]\r\n";
    for (const std::string& key : captionKeys) {
        text += key + "\r\n";
    }
    return text;
}

const Keys kBoth = {"Caption1=Alfa", "Program1=alfa.exe", "Caption2=Beta"};
const Keys kAlfaOnly = {"Caption1=Alfa", "Program1=alfa.exe"};
const ListEntry kAlfa{"Alfa", EntryKind::Caption, "alfa.exe"};
const ListEntry kBeta{"Beta"};
constexpr char kBinaryBytes[] = "[OPTIUNI]\r\nNr_ferestre=0\0\x01";
const std::string kBinary(kBinaryBytes, sizeof kBinaryBytes - 1);

Keys with(Keys keys, const Keys& more) {
    keys.insert(keys.end(), more.begin(), more.end());
    return keys;
}

// Zorvel running over a file that lists Alfa (of alfa.exe) and Beta, every 3 s.
struct Running {
    Running() : store(fileWith("3", 2, kBoth)), settings(store, lstCaption, txtTimp, tmrVerifica) {
        txtTimp.onChange = [this] { intervalBox.txtTimp_Change(); };
        settings.load();
    }
    void setBeta(const std::string& program, long long closed) {
        lstCaption.update(1, ListEntry{"Beta", EntryKind::Caption, program, std::nullopt, closed});
    }

    fakes::MemoryStore store;
    fakes::FakeListBox lstCaption;
    fakes::FakeTextBox txtTimp;
    fakes::FakeTimer tmrVerifica;
    IntervalBox intervalBox{txtTimp, tmrVerifica};
    Settings settings;
};

struct MergeCase {
    const char* name;
    std::function<void(Running&)> window;  // what the user does in the window meanwhile
    std::optional<std::string> theirs;     // the file as someone else left it; none: deleted
    Entries listed;
    int milliseconds;
};

TEST(SettingsMergeTest, AnEditOfTheFileIsTakenWhereTheWindowLeftThatThingAlone) {
    const auto none = [](Running&) {};
    const auto dropBeta = [](Running& run) { run.lstCaption.removeAt(1); };
    const auto pickForBeta = [](Running& run) { run.setBeta("b.exe", 0); };
    const auto closeForBeta = [](Running& run) { run.setBeta("", 1); };
    const auto mine = [](Running& run) {
        run.setBeta("b.exe", 0);
        run.lstCaption.add("Local");
        run.txtTimp.setText("7");
    };
    const auto edited = [](int count, const Keys& more, const std::string& interval = "3") {
        return fileWith(interval, count, with(kBoth, more));
    };
    const Keys gamaKeys = {"Caption3=Gama", "Buton3=Nu", "ButonId3=7"};
    const std::string renumbered = fileWith(
        "3", 3,
        {"Caption1=Nou", "Caption2=Alfa", "Program2=alfa.exe", "Inchise2=4", "Caption3=Beta"});
    const std::string alfaOnly = fileWith("3", 1, kAlfaOnly);
    const ListEntry gama{"Gama", EntryKind::Caption, "", EntryButton{7, "Nu"}};
    const ListEntry alfa4{"Alfa", EntryKind::Caption, "alfa.exe", std::nullopt, 4};
    const ListEntry betaB{"Beta", EntryKind::Caption, "b.exe"};
    const ListEntry local{"Local"};
    const Keys betaKeys = {"Program2=b.exe", "Buton2=Nu", "Ultima2=2026-12-08 10:41:07"};
    const ListEntry betaThere{"Beta",  EntryKind::Caption,
                              "b.exe", EntryButton{std::nullopt, "Nu"},
                              0,       "2026-12-08 10:41:07"};
    const MergeCase cases[] = {
        {"added, with its keys", none, edited(3, gamaKeys), {kAlfa, kBeta, gama}, 3000},
        {"added beyond the count", none, edited(2, {"Caption3=Gama"}), {kAlfa, kBeta}, 3000},
        {"an equal one added", none, edited(3, {"Caption3=Beta"}), {kAlfa, kBeta, kBeta}, 3000},
        {"removed there", none, fileWith("3", 1, {"Caption1=Beta"}), {kBeta}, 3000},
        {"interval changed there", none, fileWith("10", 2, kBoth), {kAlfa, kBeta}, 10000},
        {"keys changed there", none, edited(2, betaKeys), {kAlfa, betaThere}, 3000},
        {"keys follow their entry", none, renumbered, {alfa4, kBeta, ListEntry{"Nou"}}, 3000},
        {"changed here only", mine, edited(2, {"; o nota"}), {kAlfa, betaB, local}, 7000},
        {"changed in both", mine, edited(2, {"Program2=c.exe"}, "10"), {kAlfa, betaB, local}, 7000},
        {"removed there, program chosen here", pickForBeta, alfaOnly, {kAlfa, betaB}, 3000},
        {"removed there, closed one here", closeForBeta, alfaOnly, {kAlfa}, 3000},
        {"removed here, changed there", dropBeta, edited(2, {"Program2=b.exe"}), {kAlfa}, 3000},
        {"not a settings file", none, kBinary, {kAlfa, kBeta}, 3000},
        {"emptied", none, "", {kAlfa, kBeta}, 3000},
        {"deleted", none, std::nullopt, {kAlfa, kBeta}, 3000},
    };
    for (const MergeCase& c : cases) {
        SCOPED_TRACE(c.name);
        Running run;
        c.window(run);
        if (c.theirs) {
            run.store.put(*c.theirs);
        } else {
            run.store.remove();
        }
        run.settings.merge();
        EXPECT_EQ(run.lstCaption.entries, c.listed);
        EXPECT_EQ(run.tmrVerifica.milliseconds, c.milliseconds);
    }
}

}  // namespace
}  // namespace zorvel
