// The timers of the engine's form layer on systems without window-less thread timers: toolkit
// timers run from the user-interface thread's main loop. The application installs one service at
// start-up (platform::InstallTimerService) and keeps it until the engine is released.
#pragma once

#include "platform/SystemTimer.h"

#include <map>
#include <memory>
#include <vector>

class wxTimer;

class TToolkitTimerService : public platform::TTimerService {
public:
  TToolkitTimerService();
  ~TToolkitTimerService() override;
  TToolkitTimerService(const TToolkitTimerService&) = delete;
  TToolkitTimerService& operator=(const TToolkitTimerService&) = delete;

  int Start(unsigned IntervalMs, platform::TSystemTimerProc Proc) override;
  void Stop(int Id) override;

  // The number of running timers.
  int Count() const { return static_cast<int>(FTimers.size()); }

private:
  class TTimer;
  void Fire(int Id, platform::TSystemTimerProc Proc);
  void DropStopped();

  int FLastId = 0;
  int FFiring = 0; // depth of timer procedures running
  std::map<int, std::unique_ptr<TTimer>> FTimers;
  // Stopped timers wait here until no timer procedure runs, because one of them may be the timer
  // whose procedure stopped it.
  std::vector<std::unique_ptr<TTimer>> FStopped;
};
