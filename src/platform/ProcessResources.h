// What the running process holds, counted for checks that work gives back what it took.
#pragma once

#include <cstdint>

namespace platform {

// Open file descriptors (handles on Windows).
int OpenHandleCount();
// Views of files mapped into memory: the regions backed by a file (the loaded libraries' included)
// on Linux, the mapped sections on Windows.
int FileMappingCount();
// Memory of the process that is resident (the working set on Windows).
std::uint64_t ResidentBytes();

} // namespace platform
