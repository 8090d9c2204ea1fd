#include "platform/ExecutablePath.h"

#include "platform/OsError.h"
#include "platform/WideString.h"

#include <vector>
#include <windows.h>

namespace platform {

std::string ExecutablePath() {
  std::vector<wchar_t> Buffer(MAX_PATH);
  for (;;) {
    const DWORD Length =
        ::GetModuleFileNameW(nullptr, Buffer.data(), static_cast<DWORD>(Buffer.size()));
    if (Length == 0)
      RaiseOSError(LastOSErrorCode());
    if (Length < Buffer.size())
      return WideToUtf8(std::wstring(Buffer.data(), Length));
    Buffer.resize(Buffer.size() * 2); // the path was cut
  }
}

} // namespace platform
