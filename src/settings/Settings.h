#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Controls.h"
#include "platform/SettingsStore.h"
#include "settings/ProfileDocument.h"

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
    // False when the file is there but cannot be read as a settings file: it is then left
    // as it is, at exit too.
    bool load();
    // Reads the file as it is now and sets in it the interval in force, the count and one key
    // per entry, each where a write of that one key would put it: every other line, also one
    // written by someone else since the start, stays. Then replaces the file with it in one
    // step; removes nothing. A file deleted meanwhile is made anew from the template. False
    // when the file can no longer be read as settings or could not be replaced: it then stays
    // as it was.
    bool save();

  private:
    // The file on disk now; when there is none, the template or an empty file. Nothing when it
    // is not one this program may rewrite.
    std::optional<ProfileDocument> onDisk(bool templateWhenMissing) const;
    void loadInterval(const ProfileDocument& document);
    // The numbers and values of a section's numbered keys, up to the count the options give,
    // in order.
    static std::vector<std::pair<std::uint64_t, std::string>> numbered(
        const ProfileDocument& document, const char* countKey, const char* section,
        const char* key);
    static std::vector<ListEntry> entriesIn(const ProfileDocument& document, EntryKind kind);
    // The entry with what its numbered keys beside it say of it.
    static ListEntry entryAt(const ProfileDocument& document, const char* section,
                             const std::string& number, ListEntry entry);
    // Sets the keys beside entry `n`, and removes those it has no value for.
    static void saveBeside(ProfileDocument& document, const char* section, const std::string& n,
                           const ListEntry& entry);
    void loadCaptions(const ProfileDocument& document);
    void loadPatterns(const ProfileDocument& document);
    bool hasPatterns() const;
    // The entries of one kind as the section's numbered keys, and their count.
    void saveEntries(ProfileDocument& document, EntryKind kind, const char* countKey,
                     const char* section, const char* key) const;

    SettingsStore& store_;
    ListBox& lstCaption_;
    TextBox& txtTimp_;
    Timer& tmrVerifica_;
    // False when the file was not one this program may rewrite at start.
    bool writable_ = true;
};

}  // namespace zorvel
