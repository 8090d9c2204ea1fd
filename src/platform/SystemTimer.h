// Timers without a window, for the engine's form layer.
#pragma once

namespace platform {

// Called with the id of the timer that fired, from the user-interface thread's message loop.
using TSystemTimerProc = void (*)(int Id);

// Runs timers from the toolkit's main loop. Systems without window-less thread timers need one,
// installed by the application at start-up; without one no timer starts.
class TTimerService {
public:
  virtual ~TTimerService() = default;
  // Starts a repeating timer; returns its id, never 0 on success, 0 when none could be started.
  virtual int Start(unsigned IntervalMs, TSystemTimerProc Proc) = 0;
  virtual void Stop(int Id) = 0;
};

// Installs (or with null removes) the timer service. The caller keeps ownership. On Windows thread
// timers are used and the service is ignored.
void InstallTimerService(TTimerService* Service);

// Starts a repeating timer of IntervalMs milliseconds that calls Proc; 0 when none started.
int StartSystemTimer(unsigned IntervalMs, TSystemTimerProc Proc);

void StopSystemTimer(int Id);

} // namespace platform
