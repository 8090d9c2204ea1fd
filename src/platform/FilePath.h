// Taking file names apart, with this system's path delimiters.
#pragma once

#include <string>

namespace platform {

// Path with one delimiter at its end, added when missing (an empty path becomes a lone delimiter).
std::string IncludeTrailingDelimiter(const std::string& Path);

// The directory part of a file name without its trailing delimiter (a lone root is kept); empty
// when the name has no directory part.
std::string ExtractFileDir(const std::string& FileName);

// The directory part of a file name with its trailing delimiter; empty when there is none.
std::string ExtractFilePath(const std::string& FileName);

// The extension of the name part, from its last "." on; empty when the name part has none.
std::string ExtractFileExt(const std::string& FileName);

// FileName with its extension (from the last "." of the name part on) replaced by Extension, or
// with Extension appended when the name part has no ".".
std::string ChangeFileExt(const std::string& FileName, const std::string& Extension);

} // namespace platform
