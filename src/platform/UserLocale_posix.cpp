#include "platform/UserLocale.h"

#include <clocale>
#include <cwctype>
#include <langinfo.h>
#include <locale.h>
#include <wchar.h>

namespace platform {

namespace {

// The user's locale from the environment for the categories asked for; "C" when the environment
// names none that the system has.
locale_t UserLocale(int CategoryMask) {
  locale_t Locale = ::newlocale(CategoryMask, "", static_cast<locale_t>(nullptr));
  return Locale ? Locale : ::newlocale(CategoryMask, "C", static_cast<locale_t>(nullptr));
}

// UTF-8 as wide characters (UTF-32 here); a byte that starts no valid sequence becomes U+FFFD.
std::wstring Widened(const std::string& Text) {
  std::wstring Result;
  std::size_t I = 0;
  while (I < Text.size()) {
    const auto Lead = static_cast<unsigned char>(Text[I]);
    const std::size_t Length = Lead < 0x80 ? 1 : Lead >= 0xF0 ? 4 : Lead >= 0xE0 ? 3 : 2;
    std::uint32_t Code = Length == 1 ? Lead : Lead & (0x7F >> Length);
    bool Valid = Lead < 0x80 || (Lead >= 0xC2 && Lead <= 0xF4 && I + Length <= Text.size());
    for (std::size_t K = 1; Valid && K < Length; ++K) {
      const auto Next = static_cast<unsigned char>(Text[I + K]);
      Valid = (Next & 0xC0) == 0x80;
      Code = (Code << 6) | (Next & 0x3F);
    }
    Result += static_cast<wchar_t>(Valid ? Code : 0xFFFD);
    I += Valid ? Length : 1;
  }
  return Result;
}

} // namespace

std::string UserDecimalSeparator() {
  static const std::string Separator = [] {
    const locale_t Locale = UserLocale(LC_NUMERIC_MASK);
    std::string Text = Locale ? ::nl_langinfo_l(RADIXCHAR, Locale) : ".";
    if (Locale)
      ::freelocale(Locale);
    return Text.empty() ? std::string(".") : Text;
  }();
  return Separator;
}

int CompareTextAsUser(const std::string& A, const std::string& B) {
  // Kept for the whole run, as the user's settings are.
  static const locale_t Locale = UserLocale(LC_COLLATE_MASK | LC_CTYPE_MASK);
  std::wstring WideA = Widened(A), WideB = Widened(B);
  for (std::wstring* W : {&WideA, &WideB})
    for (wchar_t& C : *W)
      C = static_cast<wchar_t>(::towlower_l(static_cast<wint_t>(C), Locale));
  return ::wcscoll_l(WideA.c_str(), WideB.c_str(), Locale);
}

} // namespace platform
