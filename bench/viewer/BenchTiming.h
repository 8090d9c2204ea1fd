// Timing for the viewer benchmarks, and the engine beside the program.
#pragma once

#include "engine/PdfEngineInit.h"
#include "platform/ExecutablePath.h"

#include <algorithm>
#include <chrono>
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
  SetEngineDirectory(platform::ExecutableDirectory() + "/PDFium/x64");
}
