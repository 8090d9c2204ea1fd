#include "platform/FileReplacement.h"

#include "platform/OsError.h"
#include "platform/WideString.h"

#include <windows.h>

namespace platform {

void TFileReplacement::TakeOverTarget() {
  // The rename refuses a read-only file by itself; asking first gives the same error before
  // anything is written. Sharing everything, so other readers and writers do not make it fail.
  HANDLE Probe = ::CreateFileW(Utf8ToWide(FFileName).c_str(), GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (Probe == INVALID_HANDLE_VALUE) {
    const DWORD Code = ::GetLastError();
    if (Code == ERROR_FILE_NOT_FOUND)
      return; // nothing to replace
    RaiseOSError(static_cast<int>(Code));
  }
  ::CloseHandle(Probe);
}

} // namespace platform
