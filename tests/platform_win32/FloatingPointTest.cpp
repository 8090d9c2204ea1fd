// The floating-point exception mask on Windows.
#include "platform/FloatingPoint.h"

#include <cmath>
#include <float.h>
#include <gtest/gtest.h>

namespace {
constexpr unsigned AllSix =
    _EM_INVALID | _EM_DENORMAL | _EM_ZERODIVIDE | _EM_OVERFLOW | _EM_UNDERFLOW | _EM_INEXACT;

// Puts the calling thread's mask back when a test is done.
class TMaskGuard {
public:
  TMaskGuard() : FSaved(_controlfp(0, 0) & _MCW_EM) {}
  ~TMaskGuard() { _controlfp(FSaved, _MCW_EM); }
  TMaskGuard(const TMaskGuard&) = delete;
  TMaskGuard& operator=(const TMaskGuard&) = delete;

private:
  unsigned FSaved;
};
} // namespace

TEST(FloatingPointWin32, MasksEveryExceptionThatWasUnmasked) {
  TMaskGuard Guard;
  // The denormal exception cannot be unmasked through _controlfp on x64, so it is not among the
  // cases on its own.
  for (unsigned Unmasked : {unsigned(_EM_ZERODIVIDE), unsigned(_EM_INVALID | _EM_OVERFLOW),
                            unsigned(_EM_UNDERFLOW | _EM_INEXACT), AllSix}) {
    SCOPED_TRACE(Unmasked);
    _controlfp(AllSix & ~Unmasked, _MCW_EM);
    ASSERT_FALSE(platform::AllFloatingPointExceptionsMasked());
    platform::MaskAllFloatingPointExceptions();
    EXPECT_EQ(_controlfp(0, 0) & AllSix, AllSix);
    EXPECT_TRUE(platform::AllFloatingPointExceptionsMasked());
  }
}

TEST(FloatingPointWin32, ADivisionByZeroThenGivesInfinity) {
  TMaskGuard Guard;
  _controlfp(AllSix & ~_EM_ZERODIVIDE, _MCW_EM);
  platform::MaskAllFloatingPointExceptions();
  volatile double Zero = 0.0;
  EXPECT_EQ(1.0 / Zero, HUGE_VAL);
}
