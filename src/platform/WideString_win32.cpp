#include "platform/WideString.h"

#include "platform/TextEncoding.h"

#include <windows.h>

namespace platform {

std::wstring Utf8ToWide(const std::string& Text) {
  if (Text.empty())
    return {};
  int Length =
      ::MultiByteToWideChar(CP_UTF8, 0, Text.data(), static_cast<int>(Text.size()), nullptr, 0);
  std::wstring Result(static_cast<size_t>(Length), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, Text.data(), static_cast<int>(Text.size()), Result.data(),
                        Length);
  return Result;
}

std::string WideToUtf8(const std::wstring& Text) {
  if (Text.empty())
    return {};
  int Length = ::WideCharToMultiByte(CP_UTF8, 0, Text.data(), static_cast<int>(Text.size()),
                                     nullptr, 0, nullptr, nullptr);
  std::string Result(static_cast<size_t>(Length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, Text.data(), static_cast<int>(Text.size()), Result.data(),
                        Length, nullptr, nullptr);
  return Result;
}

// The system's 8-bit code page is one more encoding of the converter.
std::string Utf8ToSystem8Bit(const std::string& Text) {
  return TTextEncoding(CP_ACP).Encode(Text);
}

} // namespace platform
