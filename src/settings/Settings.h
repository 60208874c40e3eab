#pragma once

#include <string>

#include "platform/Controls.h"
#include "platform/SettingsStore.h"

namespace zorvel {

// The settings file's path: the executable's directory and the file name, with exactly one
// separator between them (a drive's root already ends with one).
std::string settingsPath(const std::string& executableDirectory);

// The check interval and the caption list in Zorvel.ini: read once at start, written at exit.
class Settings {
  public:
    Settings(SettingsStore& store, ListBox& lstCaption, TextBox& txtTimp, Timer& tmrVerifica)
        : store_(store), lstCaption_(lstCaption), txtTimp_(txtTimp), tmrVerifica_(tmrVerifica) {}

    // Creates the file from its template when missing, then reads the interval and the list.
    void load();
    // Writes the interval in force, the count and one key per entry; removes nothing.
    void save();

  private:
    std::string read(const char* section, const std::string& key);
    void loadInterval();
    int captionCount();

    SettingsStore& store_;
    ListBox& lstCaption_;
    TextBox& txtTimp_;
    Timer& tmrVerifica_;
};

}  // namespace zorvel
