#include "platform/LocalTime.h"

#include <ctime>

namespace platform {

TLocalTime LocalTime() {
  timespec Now{};
  ::clock_gettime(CLOCK_REALTIME, &Now);
  tm Parts{};
  if (!::localtime_r(&Now.tv_sec, &Parts))
    return {};
  TLocalTime Result;
  Result.Year = static_cast<unsigned short>(Parts.tm_year + 1900);
  Result.Month = static_cast<unsigned short>(Parts.tm_mon + 1);
  Result.DayOfWeek = static_cast<unsigned short>(Parts.tm_wday);
  Result.Day = static_cast<unsigned short>(Parts.tm_mday);
  Result.Hour = static_cast<unsigned short>(Parts.tm_hour);
  Result.Minute = static_cast<unsigned short>(Parts.tm_min);
  // A leap second is shown as the last ordinary one.
  Result.Second = static_cast<unsigned short>(Parts.tm_sec > 59 ? 59 : Parts.tm_sec);
  Result.Milliseconds = static_cast<unsigned short>(Now.tv_nsec / 1000000);
  return Result;
}

} // namespace platform
