#include "platform/WideString.h"

namespace platform {

// The 8-bit code page of a Linux system is UTF-8.
std::string Utf8ToSystem8Bit(const std::string& Text) {
  return Text;
}

} // namespace platform
