// The timer service over the toolkit's timers, run by the toolkit's event loop without a window.
#include "app/ToolkitTimerService.h"
#include "engine/PdfFormTimers.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/apptrait.h>
#include <wx/evtloop.h>
#include <wx/init.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace {

std::vector<int> Fired;
TToolkitTimerService* Service = nullptr;
wxEventLoopBase* Loop = nullptr;
int StopAfter = 0;

void Record(int Id) {
  Fired.push_back(Id);
  if (int(Fired.size()) >= StopAfter)
    Loop->Exit();
}

// Stops its own timer from its procedure, as the engine does with one-shot timers.
void StopsItself(int Id) {
  Fired.push_back(Id);
  Service->Stop(Id);
}

void ExitLoop(int) {
  Loop->Exit();
}

class ToolkitTimers : public ::testing::Test {
protected:
  ToolkitTimers() {
    Service = &Timers;
    Fired.clear();
  }
  ~ToolkitTimers() override { Service = nullptr; }

  // Runs the toolkit's loop until a procedure ends it, at most MaxMs milliseconds. Without an
  // application object of ours the toolkit's console side makes the loop and runs the timers.
  void RunLoop(unsigned MaxMs) {
    std::unique_ptr<wxEventLoopBase> EventLoop(
        wxAppConsole::GetInstance()->GetTraits()->CreateEventLoop());
    Loop = EventLoop.get();
    const int Guard = Timers.Start(MaxMs, &ExitLoop);
    EventLoop->Run();
    Timers.Stop(Guard);
    Loop = nullptr;
  }

  wxInitializer Toolkit;
  TToolkitTimerService Timers;
};

TEST_F(ToolkitTimers, TimersRepeatWithTheirIdsUntilStopped) {
  ASSERT_TRUE(Toolkit.IsOk());
  const int A = Timers.Start(5, &Record);
  const int B = Timers.Start(7, &Record);
  EXPECT_GT(A, 0);
  EXPECT_GT(B, 0);
  EXPECT_NE(A, B);
  EXPECT_EQ(Timers.Count(), 2);
  StopAfter = 8;
  const auto Begin = std::chrono::steady_clock::now();
  RunLoop(5000);
  EXPECT_LT(std::chrono::steady_clock::now() - Begin, std::chrono::seconds(4));
  ASSERT_GE(Fired.size(), 8u);
  EXPECT_GE(std::count(Fired.begin(), Fired.end(), A), 2);
  EXPECT_GE(std::count(Fired.begin(), Fired.end(), B), 2);
  for (int Id : Fired)
    EXPECT_TRUE(Id == A || Id == B) << Id;

  // Stopped, A fires no more.
  Timers.Stop(A);
  Timers.Stop(A);
  EXPECT_EQ(Timers.Count(), 1);
  Fired.clear();
  RunLoop(5000);
  for (int Id : Fired)
    EXPECT_EQ(Id, B);
  Timers.Stop(B);
  EXPECT_EQ(Timers.Count(), 0);
}

TEST_F(ToolkitTimers, ProcedureMayStopItsOwnTimer) {
  ASSERT_TRUE(Toolkit.IsOk());
  const int A = Timers.Start(5, &StopsItself);
  // Runs long enough for A to have fired several times, were it still running.
  RunLoop(200);
  EXPECT_EQ(Fired, std::vector<int>{A});
  EXPECT_EQ(Timers.Count(), 0);
}

TEST_F(ToolkitTimers, NoProcedureNoTimer) {
  ASSERT_TRUE(Toolkit.IsOk());
  EXPECT_EQ(Timers.Start(5, nullptr), 0);
  EXPECT_EQ(Timers.Count(), 0);
}

int EngineCalls = 0;
void EngineProc(int Id) {
  ++EngineCalls;
  KillFormTimer(Id);
  Loop->Exit();
}

TEST_F(ToolkitTimers, FormTimerTableRunsOverTheService) {
  ASSERT_TRUE(Toolkit.IsOk());
  platform::InstallTimerService(&Timers);
  const int Id = SetFormTimer(5, &EngineProc);
  ASSERT_NE(Id, 0);
  RunLoop(5000);
  EXPECT_EQ(EngineCalls, 1);
  EXPECT_TRUE(FormTimerTable().empty());
  EXPECT_EQ(Timers.Count(), 0);
  platform::InstallTimerService(nullptr);
}

} // namespace
