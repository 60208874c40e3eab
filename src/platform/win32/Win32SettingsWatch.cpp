#include "platform/win32/Win32SettingsWatch.h"

#include "platform/win32/FileIo.h"
#include "platform/win32/Text.h"

namespace zorvel::win32 {

namespace {

// An editor's save is a few writes (empty the file, then fill it) within milliseconds; read
// between them, a half-written list would pass for entries removed by hand.
constexpr LONGLONG kSettleHundredsOfNanoseconds = 200 * 10'000;

ULONGLONG joined(DWORD high, DWORD low) {
    return (static_cast<ULONGLONG>(high) << 32) | low;
}

}  // namespace

Win32SettingsWatch::Win32SettingsWatch(const std::string& file) : file_(extendedPath(widen(file))) {
    const std::wstring folder = file_.substr(0, file_.find_last_of(L'\\') + 1);
    // Names cover an editor that writes a new file and renames it over the old one.
    folder_ = FindFirstChangeNotificationW(
        folder.c_str(), FALSE,
        FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE);
    settled_ = CreateWaitableTimerW(nullptr, FALSE, nullptr);
    if (folder_ != INVALID_HANDLE_VALUE && settled_ != nullptr) {
        handles_ = {folder_, settled_};
    }
    told_ = stamp();
}

Win32SettingsWatch::~Win32SettingsWatch() {
    if (folder_ != INVALID_HANDLE_VALUE) {
        FindCloseChangeNotification(folder_);
    }
    if (settled_ != nullptr) {
        CloseHandle(settled_);
    }
}

bool Win32SettingsWatch::signalled(HANDLE handle) {
    if (handle == folder_) {
        // Every further change puts the look off again, until the folder is quiet.
        FindNextChangeNotification(folder_);
        LARGE_INTEGER due{};
        due.QuadPart = -kSettleHundredsOfNanoseconds;
        SetWaitableTimer(settled_, &due, 0, nullptr, nullptr, FALSE);
        return false;
    }
    const Stamp now = stamp();
    if (now == told_) {
        return false;
    }
    told_ = now;
    return true;
}

Win32SettingsWatch::Stamp Win32SettingsWatch::stamp() const {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(file_.c_str(), GetFileExInfoStandard, &data)) {
        return {};
    }
    return {true, joined(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime),
            joined(data.nFileSizeHigh, data.nFileSizeLow)};
}

}  // namespace zorvel::win32
