#include "platform/TextEncoding.h"

#include "platform/OsError.h"
#include "platform/WideString.h"

#include <windows.h>

namespace platform {

namespace {

constexpr unsigned CpUtf16LE = 1200;
constexpr unsigned CpUtf16BE = 1201;

// The system's converter knows EUC-JP only under its older number.
unsigned SystemCodePage(unsigned CodePage) {
  return CodePage == 51932 ? 20932 : CodePage;
}

// The system converts the 16-bit forms of Unicode by itself only through wide strings.
std::string WideBytes(const std::wstring& Text, bool BigEndian) {
  std::string Bytes;
  Bytes.reserve(Text.size() * 2);
  for (wchar_t C : Text) {
    const char Low = static_cast<char>(C & 0xFF);
    const char High = static_cast<char>((C >> 8) & 0xFF);
    Bytes += BigEndian ? High : Low;
    Bytes += BigEndian ? Low : High;
  }
  return Bytes;
}

std::wstring WideFromBytes(std::string_view Bytes, bool BigEndian) {
  std::wstring Text(Bytes.size() / 2, L'\0');
  for (std::size_t I = 0; I < Text.size(); ++I) {
    const auto First = static_cast<unsigned char>(Bytes[2 * I]);
    const auto Second = static_cast<unsigned char>(Bytes[2 * I + 1]);
    Text[I] = static_cast<wchar_t>(BigEndian ? (First << 8) | Second : (Second << 8) | First);
  }
  return Text;
}

} // namespace

TTextEncoding TTextEncoding::System8Bit() {
  return TTextEncoding(::GetACP());
}

std::string TTextEncoding::Encode(std::string_view Utf8Text) const {
  if (Utf8Text.empty())
    return {};
  const std::wstring Wide = Utf8ToWide(std::string(Utf8Text));
  if (FCodePage == CpUtf16LE || FCodePage == CpUtf16BE)
    return WideBytes(Wide, FCodePage == CpUtf16BE);
  const int Length =
      ::WideCharToMultiByte(SystemCodePage(FCodePage), 0, Wide.data(),
                            static_cast<int>(Wide.size()), nullptr, 0, nullptr, nullptr);
  if (Length <= 0)
    RaiseOSError(static_cast<int>(::GetLastError()));
  std::string Result(static_cast<std::size_t>(Length), '\0');
  ::WideCharToMultiByte(SystemCodePage(FCodePage), 0, Wide.data(), static_cast<int>(Wide.size()),
                        Result.data(), Length, nullptr, nullptr);
  return Result;
}

std::string TTextEncoding::Decode(std::string_view Bytes) const {
  if (Bytes.empty())
    return {};
  if (FCodePage == CpUtf16LE || FCodePage == CpUtf16BE)
    return WideToUtf8(WideFromBytes(Bytes, FCodePage == CpUtf16BE));
  const int Length = ::MultiByteToWideChar(SystemCodePage(FCodePage), 0, Bytes.data(),
                                           static_cast<int>(Bytes.size()), nullptr, 0);
  if (Length <= 0)
    RaiseOSError(static_cast<int>(::GetLastError()));
  std::wstring Wide(static_cast<std::size_t>(Length), L'\0');
  ::MultiByteToWideChar(SystemCodePage(FCodePage), 0, Bytes.data(), static_cast<int>(Bytes.size()),
                        Wide.data(), Length);
  return WideToUtf8(Wide);
}

} // namespace platform
