#include "platform/ExecutablePath.h"

#include <climits>
#include <unistd.h>

namespace platform {

std::string ExecutableFileName() {
  char Buffer[PATH_MAX];
  ssize_t Length = ::readlink("/proc/self/exe", Buffer, sizeof Buffer);
  return Length > 0 ? std::string(Buffer, static_cast<size_t>(Length)) : std::string();
}

} // namespace platform
