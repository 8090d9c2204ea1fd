#include "platform/FileContents.h"

#include "platform/FileReplacement.h"
#include "platform/OsError.h"

#include <filesystem>
#include <fstream>

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
  std::ifstream In(PathOf(FileName), std::ios::binary);
  if (!In)
    RaiseOSError(LastOSErrorCode());
  // Read through the stream, which turns a failed read into its bad state; an iterator over the
  // buffer would take a failed read for the end of the file.
  std::string Bytes;
  char Block[65536];
  while (In.read(Block, sizeof Block) || In.gcount() > 0)
    Bytes.append(Block, static_cast<std::size_t>(In.gcount()));
  if (In.bad())
    RaiseOSError(LastOSErrorCode());
  return Bytes;
}

bool WriteFileContents(const std::string& FileName, const std::string& Bytes) {
  try {
    TFileReplacement Replacement(FileName);
    Replacement.File().Write(Bytes.data(), Bytes.size());
    Replacement.Commit();
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
