#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zorvel::win32 {

// Tells when the settings file was written by someone. The system signals a change in the
// file's folder, so an idle program does nothing here at all; a moment after the folder has
// settled, the file's time and size tell its writes from those of the record beside it.
class Win32SettingsWatch {
  public:
    explicit Win32SettingsWatch(const std::string& file);
    ~Win32SettingsWatch();
    Win32SettingsWatch(const Win32SettingsWatch&) = delete;
    Win32SettingsWatch& operator=(const Win32SettingsWatch&) = delete;

    // What a message loop waits on beside its messages; nothing when the folder cannot be
    // watched (a file system without change notices): edits are then taken at the save.
    const std::vector<HANDLE>& handles() const { return handles_; }
    // One of the handles was signalled; true when the file is no longer as last told.
    bool signalled(HANDLE handle);

  private:
    struct Stamp {
        bool exists = false;
        ULONGLONG written = 0;
        ULONGLONG size = 0;
        bool operator==(const Stamp&) const = default;
    };
    Stamp stamp() const;

    std::wstring file_;
    HANDLE folder_ = INVALID_HANDLE_VALUE;
    HANDLE settled_ = nullptr;
    std::vector<HANDLE> handles_;
    Stamp told_;
};

}  // namespace zorvel::win32
