// Thread timers without a window on Windows: they fire from the thread's message loop, repeat, and
// stop one by one.
#include "platform/SystemTimer.h"

#include <gtest/gtest.h>
#include <vector>
#include <windows.h>

namespace {

std::vector<int> Fired;

void Record(int Id) {
  Fired.push_back(Id);
}

// Dispatches the thread's messages for about Ms milliseconds, as the program's message loop does.
void RunMessageLoop(DWORD Ms) {
  const ULONGLONG End = ::GetTickCount64() + Ms;
  for (ULONGLONG Now = ::GetTickCount64(); Now < End; Now = ::GetTickCount64()) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(End - Now), QS_ALLINPUT);
    MSG Msg;
    while (::PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE))
      ::DispatchMessageW(&Msg);
  }
}

int Count(int Id) {
  int N = 0;
  for (int F : Fired)
    N += F == Id;
  return N;
}

} // namespace

TEST(SystemTimerWin32, TimersRepeatUntilEachIsStopped) {
  Fired.clear();
  const int A = platform::StartSystemTimer(20, &Record);
  const int B = platform::StartSystemTimer(20, &Record);
  ASSERT_NE(A, 0);
  ASSERT_NE(B, 0);
  ASSERT_NE(A, B);
  EXPECT_TRUE(Fired.empty()) << "fired outside the message loop";

  RunMessageLoop(300);
  EXPECT_GE(Count(A), 2);
  EXPECT_GE(Count(B), 2);

  platform::StopSystemTimer(A);
  const int AfterStop = Count(A);
  RunMessageLoop(200);
  EXPECT_EQ(Count(A), AfterStop);
  EXPECT_GE(Count(B), 4);

  platform::StopSystemTimer(B);
  Fired.clear();
  RunMessageLoop(100);
  EXPECT_TRUE(Fired.empty());
}
