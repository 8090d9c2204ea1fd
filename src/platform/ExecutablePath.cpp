#include "platform/ExecutablePath.h"

#include "platform/DynamicLibrary.h"

namespace platform {

std::string ExecutableDirectory() {
  std::string Path = ExecutableFileName();
  size_t I = Path.size();
  while (I > 0 && !IsPathDelimiter(Path[I - 1]))
    --I;
  return Path.substr(0, I > 0 ? I - 1 : 0);
}

} // namespace platform
