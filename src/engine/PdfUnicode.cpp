#include "engine/PdfUnicode.h"

namespace {

constexpr char32_t Replacement = 0xFFFD;

void AppendUtf8(std::string& Out, char32_t C) {
  if (C < 0x80) {
    Out += static_cast<char>(C);
  } else if (C < 0x800) {
    Out += static_cast<char>(0xC0 | (C >> 6));
    Out += static_cast<char>(0x80 | (C & 0x3F));
  } else if (C < 0x10000) {
    Out += static_cast<char>(0xE0 | (C >> 12));
    Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (C & 0x3F));
  } else {
    Out += static_cast<char>(0xF0 | (C >> 18));
    Out += static_cast<char>(0x80 | ((C >> 12) & 0x3F));
    Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (C & 0x3F));
  }
}

} // namespace

void AppendUtf16(std::u16string& Out, char32_t C) {
  if (C < 0x10000) {
    Out += static_cast<char16_t>(C);
  } else {
    C -= 0x10000;
    Out += static_cast<char16_t>(0xD800 + (C >> 10));
    Out += static_cast<char16_t>(0xDC00 + (C & 0x3FF));
  }
}

std::string Utf16ToUtf8(std::u16string_view Text) {
  std::string Out;
  Out.reserve(Text.size());
  for (std::size_t I = 0; I < Text.size(); ++I) {
    char32_t C = Text[I];
    if (C >= 0xD800 && C <= 0xDBFF && I + 1 < Text.size() && Text[I + 1] >= 0xDC00 &&
        Text[I + 1] <= 0xDFFF) {
      C = 0x10000 + ((C - 0xD800) << 10) + (Text[I + 1] - 0xDC00);
      ++I;
    } else if (C >= 0xD800 && C <= 0xDFFF) {
      C = Replacement;
    }
    AppendUtf8(Out, C);
  }
  return Out;
}

std::u16string Utf8ToUtf16(std::string_view Text) {
  std::u16string Out;
  Out.reserve(Text.size());
  std::size_t I = 0;
  while (I < Text.size()) {
    const auto B = static_cast<unsigned char>(Text[I]);
    int Length = B < 0x80           ? 1
                 : (B >> 5) == 0x6  ? 2
                 : (B >> 4) == 0xE  ? 3
                 : (B >> 3) == 0x1E ? 4
                                    : 0;
    char32_t C = Length == 1 ? B : Length == 2 ? B & 0x1F : Length == 3 ? B & 0x0F : B & 0x07;
    bool Valid = Length > 0 && I + Length <= Text.size();
    for (int K = 1; Valid && K < Length; ++K) {
      const auto Next = static_cast<unsigned char>(Text[I + K]);
      Valid = (Next & 0xC0) == 0x80;
      C = (C << 6) | (Next & 0x3F);
    }
    // Overlong forms, surrogates and values beyond U+10FFFF are invalid as well.
    static constexpr char32_t Least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (Valid && (C < Least[Length] || C > 0x10FFFF || (C >= 0xD800 && C <= 0xDFFF)))
      Valid = false;
    if (!Valid) {
      AppendUtf16(Out, Replacement);
      ++I;
      continue;
    }
    AppendUtf16(Out, C);
    I += Length;
  }
  return Out;
}
