#include "platform/TextEncoding.h"

#include "platform/OsError.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace platform {

namespace {

// The converter's name of a Windows code page.
std::string ConverterName(unsigned CodePage) {
  switch (CodePage) {
  case 65001:
    return "UTF-8";
  case 65000:
    return "UTF-7";
  case 1200:
    return "UTF-16LE";
  case 1201:
    return "UTF-16BE";
  case 12000:
    return "UTF-32LE";
  case 12001:
    return "UTF-32BE";
  case 20127:
    return "ASCII";
  case 20866:
    return "KOI8-R";
  case 21866:
    return "KOI8-U";
  case 20932:
  case 51932:
    return "EUC-JP";
  case 51949:
    return "EUC-KR";
  case 50220:
  case 50221:
  case 50222:
    return "ISO-2022-JP";
  case 54936:
    return "GB18030";
  case 10000:
    return "MACINTOSH";
  default:
    break;
  }
  if (CodePage >= 28591 && CodePage <= 28605)
    return "ISO-8859-" + std::to_string(CodePage - 28590);
  return "CP" + std::to_string(CodePage);
}

// The bytes of one code unit of an encoding, which an undecodable sequence is skipped by.
std::size_t UnitSize(unsigned CodePage) {
  switch (CodePage) {
  case 1200:
  case 1201:
    return 2;
  case 12000:
  case 12001:
    return 4;
  default:
    return 1;
  }
}

// The bytes of the UTF-8 sequence that starts with Lead.
std::size_t Utf8SequenceLength(unsigned char Lead) {
  return Lead >= 0xF0 ? 4 : Lead >= 0xE0 ? 3 : Lead >= 0xC0 ? 2 : 1;
}

class TConverter {
public:
  TConverter(const std::string& To, const std::string& From)
      : FHandle(::iconv_open(To.c_str(), From.c_str())) {
    if (FHandle == reinterpret_cast<iconv_t>(-1))
      RaiseOSError(errno, " (" + From + " -> " + To + ")");
  }
  ~TConverter() { ::iconv_close(FHandle); }
  TConverter(const TConverter&) = delete;
  TConverter& operator=(const TConverter&) = delete;

  // Converts all of Input. A sequence that does not convert is skipped, by its UTF-8 length when
  // SkipUnit is 0, else by SkipUnit bytes, and Replacement stands in its place.
  std::string Convert(std::string_view Input, std::size_t SkipUnit, std::string_view Replacement) {
    std::string Out;
    char* In = const_cast<char*>(Input.data());
    std::size_t InLeft = Input.size();
    char Buffer[4096];
    bool Flushed = false;
    while (!Flushed) {
      char* OutPtr = Buffer;
      std::size_t OutLeft = sizeof Buffer;
      std::size_t Result;
      if (InLeft > 0) {
        Result = ::iconv(FHandle, &In, &InLeft, &OutPtr, &OutLeft);
      } else {
        // Ends a shift state the output may be in.
        Result = ::iconv(FHandle, nullptr, nullptr, &OutPtr, &OutLeft);
        Flushed = Result != static_cast<std::size_t>(-1);
      }
      const int Error = errno;
      Out.append(Buffer, static_cast<std::size_t>(OutPtr - Buffer));
      if (Result != static_cast<std::size_t>(-1) || Error == E2BIG)
        continue;
      if (Error != EILSEQ && Error != EINVAL)
        RaiseOSError(Error);
      const std::size_t Skip = std::min(
          InLeft, SkipUnit ? SkipUnit : Utf8SequenceLength(static_cast<unsigned char>(*In)));
      In += Skip;
      InLeft -= Skip;
      Out += Replacement;
    }
    return Out;
  }

private:
  iconv_t FHandle;
};

} // namespace

// The 8-bit code page of a Linux system is UTF-8.
TTextEncoding TTextEncoding::System8Bit() {
  return UTF8();
}

std::string TTextEncoding::Encode(std::string_view Utf8Text) const {
  const std::string Name = ConverterName(FCodePage);
  const std::string Default = TConverter(Name, "UTF-8").Convert("?", 0, {});
  return TConverter(Name, "UTF-8").Convert(Utf8Text, 0, Default);
}

std::string TTextEncoding::Decode(std::string_view Bytes) const {
  return TConverter("UTF-8", ConverterName(FCodePage))
      .Convert(Bytes, UnitSize(FCodePage), "\xEF\xBF\xBD");
}

} // namespace platform
