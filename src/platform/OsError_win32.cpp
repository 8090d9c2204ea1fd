#include "platform/OsError.h"

#include "platform/WideString.h"

#include <windows.h>

namespace platform {

std::string SysErrorMessage(int Code) {
  wchar_t* Buffer = nullptr;
  DWORD Length = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ARGUMENT_ARRAY,
                                  nullptr, static_cast<DWORD>(Code), 0,
                                  reinterpret_cast<LPWSTR>(&Buffer), 0, nullptr);
  std::wstring Text;
  if (Buffer) {
    Text.assign(Buffer, Length);
    ::LocalFree(Buffer);
  }
  while (!Text.empty() && (Text.back() <= L' ' || Text.back() == L'.'))
    Text.pop_back();
  return WideToUtf8(Text);
}

int LastOSErrorCode() {
  return static_cast<int>(::GetLastError());
}

} // namespace platform
