#include "platform/WideString.h"

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

std::string Utf8ToSystem8Bit(const std::string& Text) {
  std::wstring Wide = Utf8ToWide(Text);
  if (Wide.empty())
    return {};
  int Length = ::WideCharToMultiByte(CP_ACP, 0, Wide.data(), static_cast<int>(Wide.size()), nullptr,
                                     0, nullptr, nullptr);
  std::string Result(static_cast<size_t>(Length), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, Wide.data(), static_cast<int>(Wide.size()), Result.data(),
                        Length, nullptr, nullptr);
  return Result;
}

} // namespace platform
