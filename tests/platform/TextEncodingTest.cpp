// Text in other encodings through the system's converter.
#include "platform/TextEncoding.h"
#include "platform/OsError.h"

#include <gtest/gtest.h>

namespace {

using platform::TTextEncoding;

TEST(TextEncoding, EncodesAndDecodesKnownBytes) {
  struct TCase {
    unsigned CodePage;
    std::string Text;  // UTF-8
    std::string Bytes; // in the encoding
  };
  const TCase Cases[] = {
      {65001, "Grüße",
       "Gr\xC3\xBC\xC3\x9F"
       "e"},
      {1200, "A\xE2\x82\xAC", std::string("A\0\xAC\x20", 4)},
      {1201, "A\xE2\x82\xAC", std::string("\0A\x20\xAC", 4)},
      {1252, "caf\xC3\xA9 \xE2\x82\xAC", "caf\xE9 \x80"},
      {28591, "\xC3\xA9", "\xE9"},
      {932, "\xE6\x97\xA5\xE6\x9C\xAC", "\x93\xFA\x96\x7B"},   // 日本 in Shift_JIS
      {51932, "\xE6\x97\xA5\xE6\x9C\xAC", "\xC6\xFC\xCB\xDC"}, // and in EUC-JP
      {1251, "\xD0\x96", "\xC6"},                              // Ж
      {65001, "", ""},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.CodePage);
    const TTextEncoding Encoding(Case.CodePage);
    EXPECT_EQ(Encoding.Encode(Case.Text), Case.Bytes);
    EXPECT_EQ(Encoding.Decode(Case.Bytes), Case.Text);
  }
}

TEST(TextEncoding, WhatTheEncodingCannotHoldIsReplaced) {
  // The euro sign is not in Latin-1; a Shift_JIS lead byte without its second byte is no
  // character.
  EXPECT_EQ(TTextEncoding(28591).Encode("a\xE2\x82\xAC"
                                        "b"),
            "a?b");
  // U+FFFD, or the system's default character for Shift_JIS (Windows: U+30FB).
  const std::string Decoded = TTextEncoding(932).Decode("a\x93");
  EXPECT_TRUE(Decoded == "a\xEF\xBF\xBD" || Decoded == "a\xE3\x83\xBB") << Decoded;
}

TEST(TextEncoding, AnEncodingTheSystemLacksRaisesTheSystemError) {
  EXPECT_THROW(TTextEncoding(4711).Encode("a"), platform::EOSError);
  EXPECT_THROW(TTextEncoding(4711).Decode("a"), platform::EOSError);
}

} // namespace
