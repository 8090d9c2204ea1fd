#include "TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

TTempDir::TTempDir() {
  std::string Template = (std::filesystem::temp_directory_path() / "quolsa-test-XXXXXX").string();
  if (!::mkdtemp(Template.data()))
    throw std::runtime_error("cannot create a temporary directory");
  FPath = Template;
}

TTempDir::~TTempDir() {
  std::error_code Ignored;
  std::filesystem::remove_all(FPath, Ignored);
}

std::string ReadFile(const std::string& FileName) {
  std::ifstream In(FileName, std::ios::binary);
  if (!In)
    throw std::runtime_error("cannot read " + FileName);
  return std::string((std::istreambuf_iterator<char>(In)), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& FileName, const std::string& Bytes) {
  std::ofstream Out(FileName, std::ios::binary | std::ios::trunc);
  Out << Bytes;
  if (!Out)
    throw std::runtime_error("cannot write " + FileName);
}
