#include "platform/FloatingPoint.h"

#include <cfenv>

namespace platform {

// On Linux all exceptions are masked by default; fedisableexcept undoes an fenableexcept.
void MaskAllFloatingPointExceptions() {
  if (!AllFloatingPointExceptionsMasked())
    fedisableexcept(FE_ALL_EXCEPT);
}

bool AllFloatingPointExceptionsMasked() {
  return fegetexcept() == 0;
}

} // namespace platform
