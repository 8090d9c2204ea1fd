// Starts the program several times as on a first run and prints, for each start, the time from
// the process start to its main window shown on the screen, then the median.
#include "ProgramProcess.h"
#include "TempDir.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

int main(int argc, char** argv) {
  const int Runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
  try {
    TTempDir Dir;
    TProgramProcess::Install(Dir.Path(), true);
    std::vector<double> Times;
    for (int I = 0; I < Runs; ++I) {
      std::filesystem::remove(Dir / "quolsa.ini"); // every start is a first start
      TProgramProcess Program;
      const auto Start = std::chrono::steady_clock::now();
      Program.Launch(Dir / "quolsa");
      const auto Window = Program.WaitForWindow("Form68");
      if (!Window) {
        std::fprintf(stderr, "start %d: no window\n", I + 1);
        return 1;
      }
      Times.push_back(
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Start)
              .count());
      Program.SendClose(*Window);
      Program.WaitForExit();
    }
    std::printf("start to window shown, ms:");
    for (double T : Times)
      std::printf(" %.0f", T);
    std::sort(Times.begin(), Times.end());
    std::printf("\nmedian of %d: %.0f ms\n", Runs, Times[Times.size() / 2]);
  } catch (const std::exception& E) {
    std::fprintf(stderr, "%s\n", E.what());
    return 1;
  }
  return 0;
}
