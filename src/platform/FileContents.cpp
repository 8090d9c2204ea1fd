#include "platform/FileContents.h"

#include "platform/File.h"
#include "platform/FileReplacement.h"
#include "platform/OsError.h"

#include <filesystem>

namespace platform {

namespace {
std::filesystem::path PathOf(const std::string& FileName) {
  return std::filesystem::path(std::u8string(FileName.begin(), FileName.end()));
}
} // namespace

std::optional<std::string> ReadFileContents(const std::string& FileName) {
  try {
    return ReadExistingFileContents(FileName);
  } catch (const EOSError&) {
    return std::nullopt;
  }
}

std::optional<std::string> ReadExistingFileContents(const std::string& FileName) {
  if (!FileExists(FileName))
    return std::nullopt;
  TFile File = TFile::OpenRead(FileName);
  std::string Bytes(static_cast<std::size_t>(File.Size()), '\0');
  File.ReadExact(Bytes.data(), Bytes.size());
  return Bytes;
}

void ReplaceFileContents(const std::string& FileName, const std::string& Bytes) {
  TFileReplacement Replacement(FileName);
  Replacement.File().Write(Bytes.data(), Bytes.size());
  Replacement.Commit();
}

bool WriteFileContents(const std::string& FileName, const std::string& Bytes) {
  try {
    ReplaceFileContents(FileName, Bytes);
    return true;
  } catch (const EOSError&) {
    return false;
  }
}

bool FileExists(const std::string& FileName) {
  std::error_code Error;
  return std::filesystem::is_regular_file(PathOf(FileName), Error);
}

} // namespace platform
