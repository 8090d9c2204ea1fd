// The local time of the form layer agrees with the C library's local time.
#include "platform/LocalTime.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

std::tm LocalNow() {
  const std::time_t Now = std::time(nullptr);
  return *std::localtime(&Now);
}

bool SameMinute(const platform::TLocalTime& T, const std::tm& P) {
  return T.Year == P.tm_year + 1900 && T.Month == P.tm_mon + 1 && T.Day == P.tm_mday &&
         T.DayOfWeek == P.tm_wday && T.Hour == P.tm_hour && T.Minute == P.tm_min;
}

TEST(LocalTime, MatchesTheCalendarOfNow) {
  // Taken between two readings of the clock, it equals one of them to the minute.
  const std::tm Before = LocalNow();
  const platform::TLocalTime Now = platform::LocalTime();
  const std::tm After = LocalNow();
  EXPECT_TRUE(SameMinute(Now, Before) || SameMinute(Now, After))
      << Now.Year << "-" << Now.Month << "-" << Now.Day << " " << Now.Hour << ":" << Now.Minute;
  EXPECT_LE(Now.Second, 59);
  EXPECT_LE(Now.Milliseconds, 999);
}

} // namespace
