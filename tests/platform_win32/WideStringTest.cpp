// UTF-8 text and the system's UTF-16 and 8-bit encodings on Windows.
#include "platform/WideString.h"

#include <gtest/gtest.h>
#include <windows.h>

TEST(WideStringWin32, Utf8AndUtf16RoundTrip) {
  const struct {
    const char* Case;
    std::string Utf8;
    std::wstring Wide;
  } Cases[] = {
      {"empty", "", L""},
      {"ASCII", "C:\\PDF\\plan.pdf", L"C:\\PDF\\plan.pdf"},
      {"Japanese", "用紙幅", L"\u7528\u7d19\u5e45"},
      {"outside the basic plane",
       "\xf0\xa0\xae\xb7"
       "x",
       L"\xd842\xdfb7x"}, // U+20BB7
      {"embedded zero", std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Case);
    EXPECT_EQ(platform::Utf8ToWide(C.Utf8), C.Wide);
    EXPECT_EQ(platform::WideToUtf8(C.Wide), C.Utf8);
  }
}

TEST(WideStringWin32, The8BitFormIsInTheSystemsCodePage) {
  EXPECT_EQ(platform::Utf8ToSystem8Bit(""), "");
  EXPECT_EQ(platform::Utf8ToSystem8Bit("C:\\PDFium\\x64\\"), "C:\\PDFium\\x64\\");
  if (::GetACP() != 932)
    GTEST_SKIP() << "code page " << ::GetACP() << ", not Japanese";
  EXPECT_EQ(platform::Utf8ToSystem8Bit("C:\\文書\\"), "C:\\\x95\xb6\x8f\x91\\");
}
