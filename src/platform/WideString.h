// Conversions between UTF-8 and the system's other encodings.
#pragma once

#include <string>

namespace platform {

#ifdef _WIN32
std::wstring Utf8ToWide(const std::string& Text);
std::string WideToUtf8(const std::wstring& Text);
#endif

// UTF-8 text in the system's default 8-bit code page (unchanged where that is UTF-8).
std::string Utf8ToSystem8Bit(const std::string& Text);

} // namespace platform
