// The form layer's timer table: entries reused and trimmed, the engine's procedure run outside the
// lock, and the engine's own caret timer through an installed timer service.
#include "EngineTestSupport.h"

#include "engine/PdfFormTimers.h"
#include "platform/SystemTimer.h"

namespace {

// Hands out ids 101, 102, ... (or none when refusing) and records what it is asked.
class TTestTimerService : public platform::TTimerService {
public:
  int Start(unsigned IntervalMs, platform::TSystemTimerProc Proc) override {
    Intervals.push_back(IntervalMs);
    Procs.push_back(Proc);
    return Refuse ? 0 : ++LastId;
  }
  void Stop(int Id) override { Stopped.push_back(Id); }

  bool Refuse = false;
  int LastId = 100;
  std::vector<unsigned> Intervals;
  std::vector<platform::TSystemTimerProc> Procs;
  std::vector<int> Stopped;
};

std::vector<std::pair<char, int>> Calls;
void ProcA(int Id) {
  Calls.emplace_back('A', Id);
}
void ProcB(int Id) {
  Calls.emplace_back('B', Id);
}
void ProcC(int Id) {
  Calls.emplace_back('C', Id);
}
// What the engine does with a one-shot timer: it kills the timer from its own procedure.
void KillsItself(int Id) {
  Calls.emplace_back('K', Id);
  KillFormTimer(Id);
}

class FormTimers : public TEngineTest {
protected:
  FormTimers() { platform::InstallTimerService(&Service); }
  ~FormTimers() override { platform::InstallTimerService(nullptr); }
  TTestTimerService Service;
};

using TTable = std::vector<TPdfFormTimerEntry>;

TEST_F(FormTimers, FreeEntriesAreReusedAndTrailingOnesTrimmed) {
  const int A = SetFormTimer(50, ProcA);
  const int B = SetFormTimer(500, ProcB);
  EXPECT_EQ(A, 101);
  EXPECT_EQ(B, 102);
  EXPECT_EQ(Service.Intervals, (std::vector<unsigned>{50, 500}));
  EXPECT_EQ(Service.Procs[0], &TimerFired);
  EXPECT_EQ(FormTimerTable(), (TTable{{A, ProcA}, {B, ProcB}}));

  // The first killed: its entry stays, free.
  KillFormTimer(A);
  EXPECT_EQ(Service.Stopped, std::vector<int>{A});
  EXPECT_EQ(FormTimerTable(), (TTable{{0, nullptr}, {B, ProcB}}));
  // A third timer takes the free entry.
  const int C = SetFormTimer(10, ProcC);
  EXPECT_EQ(FormTimerTable(), (TTable{{C, ProcC}, {B, ProcB}}));
  // The last entry killed: the table ends with its last used entry.
  KillFormTimer(B);
  EXPECT_EQ(FormTimerTable(), (TTable{{C, ProcC}}));
  KillFormTimer(C);
  EXPECT_TRUE(FormTimerTable().empty());

  // Two started, the second killed, then the first: nothing is left.
  const int D = SetFormTimer(10, ProcA);
  const int E = SetFormTimer(10, ProcB);
  KillFormTimer(E);
  EXPECT_EQ(FormTimerTable(), (TTable{{D, ProcA}}));
  KillFormTimer(D);
  EXPECT_TRUE(FormTimerTable().empty());
}

TEST_F(FormTimers, TimerThatCannotStartGivesZeroAndKeepsNothing) {
  Service.Refuse = true;
  EXPECT_EQ(SetFormTimer(10, ProcA), 0);
  EXPECT_TRUE(FormTimerTable().empty());
  platform::InstallTimerService(nullptr);
  EXPECT_EQ(SetFormTimer(10, ProcA), 0);
  EXPECT_TRUE(FormTimerTable().empty());
  // Id 0 stops nothing.
  KillFormTimer(0);
  EXPECT_TRUE(Service.Stopped.empty());
}

TEST_F(FormTimers, FiredTimerRunsItsProcedureOutsideTheLock) {
  Calls.clear();
  const int A = SetFormTimer(10, ProcA);
  const int K = SetFormTimer(10, KillsItself);
  TimerFired(A);
  TimerFired(K);
  TimerFired(A);
  EXPECT_EQ(Calls, (std::vector<std::pair<char, int>>{{'A', A}, {'K', K}, {'A', A}}));
  EXPECT_EQ(FormTimerTable(), (TTable{{A, ProcA}}));
  // Ids the table does not hold (killed, unknown, free) run nothing.
  Calls.clear();
  TimerFired(K);
  TimerFired(999);
  TimerFired(0);
  EXPECT_TRUE(Calls.empty());
  KillFormTimer(A);
}

TEST_F(FormTimers, EngineCaretTimerRunsThroughTheService) {
  TPdfDocument Document;
  int Invalidations = 0;
  Document.SetOnFormInvalidate([&](TPdfDocument*, TPdfPage*, const TPdfRect&) { ++Invalidations; });
  Document.LoadFromFile(TestData("form-fields.pdf"));
  TPdfPage* Page = Document.Pages(1);
  EXPECT_TRUE(FormTimerTable().empty());
  // A focused text field blinks its caret.
  Page->FormEventLButtonDown({ssLeft}, 100, 215);
  Page->FormEventLButtonUp({}, 100, 215);
  const TTable Table = FormTimerTable();
  ASSERT_EQ(Table.size(), 1u);
  EXPECT_EQ(Table[0].Id, Service.LastId);
  EXPECT_NE(Table[0].Callback, nullptr);
  // The service fires it: the engine repaints the caret.
  Invalidations = 0;
  TimerFired(Table[0].Id);
  EXPECT_GT(Invalidations, 0);
  // Losing the focus stops it.
  Page->FormEventKillFocus();
  EXPECT_EQ(Service.Stopped, std::vector<int>{Table[0].Id});
  EXPECT_TRUE(FormTimerTable().empty());
}

} // namespace
