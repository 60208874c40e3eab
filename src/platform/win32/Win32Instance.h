#pragma once

#include <windows.h>

#include "platform/Instance.h"

namespace zorvel::win32 {

inline constexpr wchar_t kInstanceName[] = L"Local\\Zorvel.SingleInstance";

// One copy per user session, told by a named mutex in the session's namespace.
class Win32Instance : public Instance {
  public:
    Win32Instance();
    ~Win32Instance() override;
    Win32Instance(const Win32Instance&) = delete;
    Win32Instance& operator=(const Win32Instance&) = delete;

    GuardClaim claimGuard() override { return claim_; }
    void warnAlreadyRunning() override;
    void restoreRunningCopy() override;
    void endNow() override { ExitProcess(0); }

  private:
    HANDLE mutex_;
    GuardClaim claim_ = GuardClaim::Failed;
};

}  // namespace zorvel::win32
