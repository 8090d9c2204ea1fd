#include "platform/LocalTime.h"

#include <windows.h>

namespace platform {

TLocalTime LocalTime() {
  SYSTEMTIME Now{};
  ::GetLocalTime(&Now);
  TLocalTime Result;
  Result.Year = Now.wYear;
  Result.Month = Now.wMonth;
  Result.DayOfWeek = Now.wDayOfWeek;
  Result.Day = Now.wDay;
  Result.Hour = Now.wHour;
  Result.Minute = Now.wMinute;
  Result.Second = Now.wSecond;
  Result.Milliseconds = Now.wMilliseconds;
  return Result;
}

} // namespace platform
