#include "platform/SystemTimer.h"

namespace platform {

namespace {
TTimerService* Service = nullptr;
}

void InstallTimerService(TTimerService* NewService) { Service = NewService; }

int StartSystemTimer(unsigned IntervalMs, TSystemTimerProc Proc) {
  return Service ? Service->Start(IntervalMs, Proc) : 0;
}

void StopSystemTimer(int Id) {
  if (Service)
    Service->Stop(Id);
}

} // namespace platform
