#include "platform/ExecutablePath.h"

#include "platform/OsError.h"

#include <unistd.h>
#include <vector>

namespace platform {

std::string ExecutablePath() {
  std::vector<char> Buffer(256);
  for (;;) {
    const ssize_t Length = ::readlink("/proc/self/exe", Buffer.data(), Buffer.size());
    if (Length < 0)
      RaiseOSError(LastOSErrorCode());
    if (static_cast<size_t>(Length) < Buffer.size())
      return std::string(Buffer.data(), static_cast<size_t>(Length));
    Buffer.resize(Buffer.size() * 2); // the path may have been cut
  }
}

} // namespace platform
