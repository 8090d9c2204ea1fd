#include "platform/FileContents.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace platform {

namespace {
std::filesystem::path PathOf(const std::string& FileName) {
  return std::filesystem::path(std::u8string(FileName.begin(), FileName.end()));
}
} // namespace

std::optional<std::string> ReadFileContents(const std::string& FileName) {
  if (!FileExists(FileName))
    return std::nullopt;
  std::ifstream In(PathOf(FileName), std::ios::binary);
  if (!In)
    return std::nullopt;
  std::string Bytes((std::istreambuf_iterator<char>(In)), std::istreambuf_iterator<char>());
  if (In.bad())
    return std::nullopt;
  return Bytes;
}

bool WriteFileContents(const std::string& FileName, const std::string& Bytes) {
  std::ofstream Out(PathOf(FileName), std::ios::binary | std::ios::trunc);
  if (!Out)
    return false;
  Out.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
  Out.close();
  return !Out.fail();
}

bool FileExists(const std::string& FileName) {
  std::error_code Error;
  return std::filesystem::is_regular_file(PathOf(FileName), Error);
}

} // namespace platform
