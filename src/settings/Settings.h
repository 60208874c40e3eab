#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Controls.h"
#include "platform/SettingsStore.h"
#include "settings/ListMerge.h"
#include "settings/ProfileDocument.h"

namespace zorvel {

// The settings file's path: the executable's directory and the file name, with exactly one
// separator between them (a drive's root already ends with one).
std::string settingsPath(const std::string& executableDirectory);

// The check interval and the caption list in Zorvel.ini: read at start, merged with what is
// changed in the file while the program runs, written at exit.
class Settings {
  public:
    Settings(SettingsStore& store, ListBox& lstCaption, TextBox& txtTimp, Timer& tmrVerifica)
        : store_(store), lstCaption_(lstCaption), txtTimp_(txtTimp), tmrVerifica_(tmrVerifica) {}

    // Creates the file from its template when missing, then reads the interval and the list.
    // False when the file is there but cannot be read as a settings file: it is then left
    // as it is, at exit too.
    bool load();
    // Takes into the list and the interval what someone changed in the file since it was last
    // read or written, three ways against that version: where the window changed the same
    // thing meanwhile, the window's stands. A file that cannot be read as settings now, is
    // missing or empty is no edit: nothing is taken from it.
    void merge();
    // Reads the file as it is now, merges it in as above, and sets in it the interval in force,
    // the count and one key per entry, each where a write of that one key would put it: every
    // other line, also one written by someone else since the start, stays. Then replaces the
    // file with it in one step; removes nothing. A file deleted meanwhile is made anew from
    // the template. False when the file can no longer be read as settings or could not be
    // replaced: it then stays as it was.
    bool save();

  private:
    struct OnDisk {
        ProfileDocument document;
        std::string bytes;
        // Someone else wrote it since it was last read or written here.
        bool edited = false;
    };
    // The file on disk now; when there is none, the template or an empty file. Nothing when it
    // is not one this program may rewrite.
    std::optional<OnDisk> onDisk(bool templateWhenMissing) const;
    // Takes an edited file's changes into the window.
    void mergeIn(const OnDisk& disk);
    // The file now holds these bytes, read or written here: the base of the next merge.
    void remember(const ProfileDocument& document, std::string bytes);
    std::vector<ListEntry> listed() const;
    void apply(const merge::ListChanges& changes);
    void loadInterval(const ProfileDocument& document);
    // The numbers and values of a section's numbered keys, up to the count the options give,
    // in order.
    static std::vector<std::pair<std::uint64_t, std::string>> numbered(
        const ProfileDocument& document, const char* countKey, const char* section,
        const char* key);
    static std::vector<ListEntry> entriesIn(const ProfileDocument& document, EntryKind kind);
    // Captions, then patterns.
    static std::vector<ListEntry> entriesIn(const ProfileDocument& document);
    // The entry with what its numbered keys beside it say of it.
    static ListEntry entryAt(const ProfileDocument& document, const char* section,
                             const std::string& number, ListEntry entry);
    // Sets the keys beside entry `n`, and removes those it has no value for.
    static void saveBeside(ProfileDocument& document, const char* section, const std::string& n,
                           const ListEntry& entry);
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
    // The file as last read or written here: its bytes, its entries, and the interval it put
    // in force (the window's own when it held none the timer can take).
    std::string baseBytes_;
    std::vector<ListEntry> baseEntries_;
    int baseInterval_ = 0;
};

}  // namespace zorvel
