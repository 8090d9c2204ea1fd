#include "platform/UserLocale.h"

#include "platform/WideString.h"

#include <windows.h>

namespace platform {

std::string UserDecimalSeparator() {
  wchar_t Text[8] = {};
  if (::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, Text, 8) <= 1)
    return ".";
  return WideToUtf8(Text);
}

int CompareTextAsUser(const std::string& A, const std::string& B) {
  const std::wstring WideA = Utf8ToWide(A), WideB = Utf8ToWide(B);
  const int Result = ::CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE, WideA.data(),
                                       static_cast<int>(WideA.size()), WideB.data(),
                                       static_cast<int>(WideB.size()), nullptr, nullptr, 0);
  return Result == 0 ? WideA.compare(WideB) : Result - CSTR_EQUAL;
}

} // namespace platform
