#include "engine/PdfFormTimers.h"

#include "platform/Lock.h"
#include "platform/SystemTimer.h"

#include <algorithm>
#include <mutex>

namespace {

struct TTimerTable {
  platform::TCriticalSection Lock;
  std::vector<TPdfFormTimerEntry> Entries;
};

TTimerTable& Table() {
  static TTimerTable Instance;
  return Instance;
}

} // namespace

int SetFormTimer(int IntervalMs, TimerCallback Callback) {
  const int Id =
      platform::StartSystemTimer(static_cast<unsigned>(std::max(IntervalMs, 0)), &TimerFired);
  if (Id == 0)
    return 0;
  TTimerTable& T = Table();
  std::lock_guard<platform::TCriticalSection> Guard(T.Lock);
  const auto Free = std::find_if(T.Entries.begin(), T.Entries.end(),
                                 [](const TPdfFormTimerEntry& E) { return E.Id == 0; });
  if (Free != T.Entries.end())
    *Free = {Id, Callback};
  else
    T.Entries.push_back({Id, Callback});
  return Id;
}

void KillFormTimer(int Id) {
  if (Id == 0)
    return;
  platform::StopSystemTimer(Id);
  TTimerTable& T = Table();
  std::lock_guard<platform::TCriticalSection> Guard(T.Lock);
  for (TPdfFormTimerEntry& E : T.Entries)
    if (E.Id == Id)
      E = {};
  while (!T.Entries.empty() && T.Entries.back().Id == 0)
    T.Entries.pop_back();
}

void TimerFired(int Id) {
  TimerCallback Callback = nullptr;
  {
    TTimerTable& T = Table();
    std::lock_guard<platform::TCriticalSection> Guard(T.Lock);
    const auto It = std::find_if(T.Entries.begin(), T.Entries.end(),
                                 [Id](const TPdfFormTimerEntry& E) { return E.Id == Id; });
    if (It != T.Entries.end())
      Callback = It->Callback;
  }
  if (Callback)
    Callback(Id);
}

std::vector<TPdfFormTimerEntry> FormTimerTable() {
  TTimerTable& T = Table();
  std::lock_guard<platform::TCriticalSection> Guard(T.Lock);
  return T.Entries;
}
