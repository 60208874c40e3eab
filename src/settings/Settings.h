#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/SettingsStore.h"
#include "settings/ProfileDocument.h"

namespace zorvel {

// The settings file's path: the executable's directory and the file name, with exactly one
// separator between them (a drive's root already ends with one).
std::string settingsPath(const std::string& executableDirectory);

// The check interval and the caption list, patterns included, in Zorvel.ini: read once at
// start, written at exit.
class Settings {
  public:
    Settings(SettingsStore& store, ListBox& lstCaption, TextBox& txtTimp, Timer& tmrVerifica)
        : store_(store), lstCaption_(lstCaption), txtTimp_(txtTimp), tmrVerifica_(tmrVerifica) {}

    // Creates the file from its template when missing, then reads the interval and the list.
    // False when the file is there but cannot be read as a settings file: it is then left
    // as it is, at exit too.
    bool load();
    // Sets the interval in force, the count and one key per entry in the file's text, all
    // other lines kept, and replaces the file with it in one step; removes nothing. False when
    // the file could not be replaced: it then stays as it was.
    bool save();

  private:
    std::string read(const char* section, const std::string& key) const;
    void loadInterval();
    double count(const char* countKey) const;
    std::vector<std::string> numbered(const char* countKey, const char* section,
                                      const char* key) const;
    void loadCaptions();
    void loadPatterns();
    bool hasPatterns() const;
    // The entries of one kind as the section's numbered keys, and their count.
    void saveEntries(EntryKind kind, const char* countKey, const char* section, const char* key);

    SettingsStore& store_;
    ListBox& lstCaption_;
    TextBox& txtTimp_;
    Timer& tmrVerifica_;
    // The file as read at start; nothing when it is not one this program may rewrite.
    std::optional<ProfileDocument> document_ = ProfileDocument();
};

}  // namespace zorvel
