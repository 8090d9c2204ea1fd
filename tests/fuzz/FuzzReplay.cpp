// Runs a fuzz target over saved inputs, outside the fuzzer: the seed corpus and every input that
// once made the target fail. Arguments are files or directories of files; each input is named
// before it runs, so a failure shows which one it was.
#include "FuzzSupport.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::vector<fs::path> Inputs;
  for (int I = 1; I < argc; ++I) {
    if (fs::is_directory(argv[I])) {
      for (const auto& Entry : fs::directory_iterator(argv[I]))
        if (Entry.is_regular_file())
          Inputs.push_back(Entry.path());
    } else if (fs::exists(argv[I])) {
      Inputs.emplace_back(argv[I]);
    }
  }
  std::sort(Inputs.begin(), Inputs.end());
  for (const fs::path& Input : Inputs) {
    std::cout << Input.string() << std::endl;
    std::ifstream In(Input, std::ios::binary);
    const std::vector<std::uint8_t> Bytes((std::istreambuf_iterator<char>(In)),
                                          std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(Bytes.data(), Bytes.size());
  }
  std::cout << Inputs.size() << " inputs ran clean\n";
  return 0;
}
