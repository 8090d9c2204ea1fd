#include "app/ToolkitTimerService.h"

#include <wx/timer.h>

#include <algorithm>
#include <limits>

class TToolkitTimerService::TTimer : public wxTimer {
public:
  TTimer(TToolkitTimerService& Service, int Id, platform::TSystemTimerProc Proc)
      : FService(Service), FId(Id), FProc(Proc) {}
  void Notify() override { FService.Fire(FId, FProc); }

private:
  TToolkitTimerService& FService;
  int FId;
  platform::TSystemTimerProc FProc;
};

TToolkitTimerService::TToolkitTimerService() = default;

TToolkitTimerService::~TToolkitTimerService() {
  for (auto& [Id, Timer] : FTimers)
    Timer->Stop();
}

int TToolkitTimerService::Start(unsigned IntervalMs, platform::TSystemTimerProc Proc) {
  if (!Proc)
    return 0;
  DropStopped();
  // Ids are positive and not in use; 0 means no timer.
  do
    FLastId = FLastId == std::numeric_limits<int>::max() ? 1 : FLastId + 1;
  while (FTimers.count(FLastId));
  auto Timer = std::make_unique<TTimer>(*this, FLastId, Proc);
  const int Interval =
      static_cast<int>(std::min<unsigned>(IntervalMs, std::numeric_limits<int>::max()));
  // A zero interval would ask the toolkit for its default.
  if (!Timer->Start(Interval > 0 ? Interval : 1, wxTIMER_CONTINUOUS))
    return 0;
  FTimers.emplace(FLastId, std::move(Timer));
  return FLastId;
}

void TToolkitTimerService::Stop(int Id) {
  const auto It = FTimers.find(Id);
  if (It == FTimers.end())
    return;
  It->second->Stop();
  FStopped.push_back(std::move(It->second));
  FTimers.erase(It);
  DropStopped();
}

void TToolkitTimerService::Fire(int Id, platform::TSystemTimerProc Proc) {
  ++FFiring;
  Proc(Id);
  --FFiring;
}

void TToolkitTimerService::DropStopped() {
  if (FFiring == 0)
    FStopped.clear();
}
