#include "platform/FloatingPoint.h"

#include <float.h>

namespace platform {

namespace {
constexpr unsigned AllExceptions =
    _EM_INVALID | _EM_DENORMAL | _EM_ZERODIVIDE | _EM_OVERFLOW | _EM_UNDERFLOW | _EM_INEXACT;
}

void MaskAllFloatingPointExceptions() {
  if (!AllFloatingPointExceptionsMasked())
    _controlfp(AllExceptions, _MCW_EM);
}

bool AllFloatingPointExceptionsMasked() {
  return (_controlfp(0, 0) & AllExceptions) == AllExceptions;
}

} // namespace platform
