// What the fuzz targets share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// The entry point that the fuzzer, or the replay of saved inputs, calls with every input.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size);

// A property of the program that must hold for every input: when it does not, the run ends here
// and the fuzzer keeps the input.
inline void FuzzCheck(bool Holds, const char* What) {
  if (!Holds) {
    std::fprintf(stderr, "fuzz check failed: %s\n", What);
    std::abort();
  }
}

// The input cut at its zero bytes: the parts a target reads as separate fields.
inline std::vector<std::string> SplitAtZeros(const std::uint8_t* Data, std::size_t Size) {
  std::vector<std::string> Parts(1);
  for (std::size_t I = 0; I < Size; ++I) {
    if (Data[I] == 0)
      Parts.emplace_back();
    else
      Parts.back() += static_cast<char>(Data[I]);
  }
  return Parts;
}

inline std::string_view TrimBlanks(std::string_view S) {
  while (!S.empty() && (S.front() == ' ' || S.front() == '\t'))
    S.remove_prefix(1);
  while (!S.empty() && (S.back() == ' ' || S.back() == '\t'))
    S.remove_suffix(1);
  return S;
}

// What reading a settings file gives back of a value written: its first line, without surrounding
// blanks and without one pair of enclosing quotes, as the system's INI functions read it.
inline std::string AsRead(std::string_view Value) {
  Value = TrimBlanks(Value.substr(0, Value.find_first_of("\r\n")));
  if (Value.size() >= 2 && (Value.front() == '"' || Value.front() == '\'') &&
      Value.back() == Value.front())
    Value = Value.substr(1, Value.size() - 2);
  return std::string(Value);
}
