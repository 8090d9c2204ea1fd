// Text in the system's other encodings: conversion between UTF-8 and the bytes of an encoding named
// by its Windows code page number.
#pragma once

#include <string>
#include <string_view>

namespace platform {

class TTextEncoding {
public:
  constexpr explicit TTextEncoding(unsigned ACodePage) : FCodePage(ACodePage) {}
  static constexpr TTextEncoding UTF8() { return TTextEncoding(65001); }
  static constexpr TTextEncoding UTF16LE() { return TTextEncoding(1200); }
  static constexpr TTextEncoding UTF16BE() { return TTextEncoding(1201); }
  // The system's 8-bit code page (UTF-8 where the system has no other).
  static TTextEncoding System8Bit();

  constexpr unsigned CodePage() const { return FCodePage; }
  friend constexpr bool operator==(TTextEncoding, TTextEncoding) = default;

  // The bytes of the UTF-8 text in this encoding; characters the encoding lacks become the
  // system's default character. An encoding the system does not know raises EOSError.
  std::string Encode(std::string_view Utf8Text) const;
  // The UTF-8 text of bytes in this encoding; bytes that decode to nothing become U+FFFD (or the
  // system's default character). An encoding the system does not know raises EOSError.
  std::string Decode(std::string_view Bytes) const;

private:
  unsigned FCodePage;
};

} // namespace platform
