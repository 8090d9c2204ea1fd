// Conversions between the engine's UTF-16 text and the program's UTF-8 strings.
#pragma once

#include <string>
#include <string_view>

// Unpaired surrogates and invalid bytes become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view Text);
std::u16string Utf8ToUtf16(std::string_view Text);
// Appends the character as one UTF-16 code unit, or two (a surrogate pair) above U+FFFF.
void AppendUtf16(std::u16string& Out, char32_t C);
