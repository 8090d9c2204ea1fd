// The local wall-clock time, for the engine's form layer (dates in form scripts and fields).
#pragma once

namespace platform {

struct TLocalTime {
  unsigned short Year = 0;
  unsigned short Month = 0;     // 1 to 12
  unsigned short DayOfWeek = 0; // 0 Sunday to 6 Saturday
  unsigned short Day = 0;       // 1 to 31
  unsigned short Hour = 0;
  unsigned short Minute = 0;
  unsigned short Second = 0;
  unsigned short Milliseconds = 0;
};

TLocalTime LocalTime();

} // namespace platform
