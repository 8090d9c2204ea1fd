#include "TempDir.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

TTempDir::TTempDir() {
  const std::filesystem::path Base = std::filesystem::temp_directory_path();
  std::random_device Seed;
  std::mt19937_64 Random(Seed());
  for (int Attempt = 0; Attempt < 100; ++Attempt) {
    const std::filesystem::path Candidate = Base / ("quolsa-test-" + std::to_string(Random()));
    std::error_code Error;
    if (std::filesystem::create_directory(Candidate, Error)) { // false when it exists already
      FPath = Candidate.string();
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary directory");
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
