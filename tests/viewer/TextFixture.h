// The text of tests/data/text.pdf as the engine reads it: three lines of Helvetica joined by CR LF,
// the second with a web address.
#pragma once

#include <string>

inline const std::u16string Line1 = u"Hello World";
inline const std::u16string Line2 = u"Visit https://example.com/quolsa today";
inline const std::u16string Line3 = u"hello HELLO Helloworld";
inline const int Line2Start = int(Line1.size()) + 2;
inline const int Line3Start = Line2Start + int(Line2.size()) + 2;
inline const int TextCount = Line3Start + int(Line3.size());
// The web address in the second line.
inline const int UrlStart = Line2Start + 6;
inline const std::string Url = "https://example.com/quolsa";
