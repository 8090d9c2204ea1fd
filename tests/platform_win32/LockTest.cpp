// The critical-section lock on Windows keeps threads out of each other's way.
#include "platform/Lock.h"

#include <gtest/gtest.h>
#include <mutex>
#include <thread>
#include <vector>

TEST(LockWin32, OneThreadAtATimeInsideTheLock) {
  platform::TCriticalSection Lock;
  long Inside = 0, MostInside = 0, Count = 0;
  std::vector<std::thread> Threads;
  for (int T = 0; T < 4; ++T)
    Threads.emplace_back([&] {
      for (int I = 0; I < 20000; ++I) {
        std::lock_guard<platform::TCriticalSection> Guard(Lock);
        MostInside = std::max(MostInside, ++Inside);
        ++Count;
        --Inside;
      }
    });
  for (std::thread& T : Threads)
    T.join();
  EXPECT_EQ(Count, 80000);
  EXPECT_EQ(MostInside, 1);
}
