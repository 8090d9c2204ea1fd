#include "platform/FilePath.h"

#include "platform/DynamicLibrary.h"

namespace platform {

namespace {
// Index just past the last delimiter of FileName, 0 when it has none.
size_t NameStart(const std::string& FileName) {
  size_t I = FileName.size();
  while (I > 0 && !IsPathDelimiter(FileName[I - 1]))
    --I;
  return I;
}

// Index of the extension's ".", or npos when the name part has none.
size_t ExtensionStart(const std::string& FileName) {
  const size_t Dot = FileName.rfind('.');
  return Dot == std::string::npos || Dot < NameStart(FileName) ? std::string::npos : Dot;
}
} // namespace

std::string IncludeTrailingDelimiter(const std::string& Path) {
  if (!Path.empty() && IsPathDelimiter(Path.back()))
    return Path;
  return Path + PathDelimiter;
}

std::string ExtractFileDir(const std::string& FileName) {
  size_t I = NameStart(FileName);
  if (I == 0)
    return {};
  if (I > 1)
    --I; // drop the delimiter, but keep a lone root
  return FileName.substr(0, I);
}

std::string ExtractFilePath(const std::string& FileName) {
  return FileName.substr(0, NameStart(FileName));
}

std::string ExtractFileExt(const std::string& FileName) {
  const size_t Dot = ExtensionStart(FileName);
  return Dot == std::string::npos ? std::string() : FileName.substr(Dot);
}

std::string ChangeFileExt(const std::string& FileName, const std::string& Extension) {
  return FileName.substr(0, ExtensionStart(FileName)) + Extension;
}

} // namespace platform
