#include "platform/SystemTimer.h"

#include <windows.h>

#include <map>
#include <mutex>

namespace platform {

namespace {

// Thread timers carry no user data: the procedure of each id is kept here.
std::mutex ProcsLock;
std::map<UINT_PTR, TSystemTimerProc> Procs;

VOID CALLBACK Fired(HWND, UINT, UINT_PTR Id, DWORD) {
  TSystemTimerProc Proc = nullptr;
  {
    std::lock_guard<std::mutex> Guard(ProcsLock);
    auto It = Procs.find(Id);
    if (It != Procs.end())
      Proc = It->second;
  }
  if (Proc)
    Proc(static_cast<int>(Id));
}

} // namespace

void InstallTimerService(TTimerService*) {}

int StartSystemTimer(unsigned IntervalMs, TSystemTimerProc Proc) {
  UINT_PTR Id = ::SetTimer(nullptr, 0, IntervalMs, &Fired);
  if (Id == 0)
    return 0;
  std::lock_guard<std::mutex> Guard(ProcsLock);
  Procs[Id] = Proc;
  return static_cast<int>(Id);
}

void StopSystemTimer(int Id) {
  ::KillTimer(nullptr, static_cast<UINT_PTR>(Id));
  std::lock_guard<std::mutex> Guard(ProcsLock);
  Procs.erase(static_cast<UINT_PTR>(Id));
}

} // namespace platform
