// Timing for the viewer benchmarks, and the engine beside the program.
#pragma once

#include "engine/PdfEngineInit.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>

using TClock = std::chrono::steady_clock;

inline double Ms(TClock::duration D) {
  return std::chrono::duration<double, std::milli>(D).count();
}

inline double Median(std::vector<double> V) {
  std::sort(V.begin(), V.end());
  return V.empty() ? 0 : V[V.size() / 2];
}

// The engine is loaded from PDFium/x64 beside the benchmark, as the program finds it.
inline void UseEngineBesideTheProgram() {
  namespace fs = std::filesystem;
  SetEngineDirectory(
      (fs::read_symlink("/proc/self/exe").parent_path() / "PDFium" / "x64").string());
}
