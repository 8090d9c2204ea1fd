// The floating-point exception mask of the calling thread.
#pragma once

namespace platform {

// Masks all six floating-point exceptions unless they are masked already. Not restored afterwards.
void MaskAllFloatingPointExceptions();

// True when all six are masked on the calling thread.
bool AllFloatingPointExceptionsMasked();

} // namespace platform
