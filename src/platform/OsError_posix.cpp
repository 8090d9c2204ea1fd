#include "platform/OsError.h"

#include <cerrno>
#include <cstring>

namespace platform {

std::string SysErrorMessage(int Code) {
  char Buffer[256];
  // GNU strerror_r may return a static string instead of filling the buffer.
  std::string Text = ::strerror_r(Code, Buffer, sizeof Buffer);
  while (!Text.empty() && (Text.back() <= ' ' || Text.back() == '.'))
    Text.pop_back();
  return Text;
}

int LastOSErrorCode() {
  return errno;
}

} // namespace platform
