// Opens a document, draws its first page at screen size and closes it again, many times over with
// one document object, as the viewer does with every file dropped on it. Prints the open handles,
// the file mappings and the resident memory after the first cycle, halfway and at the end, and the
// growth from the first figure to the last. Goal: no growth.
//
//   soak_bench [document.pdf] [cycles]
#include "engine/PdfEngineCore.h"
#include "platform/ExecutablePath.h"
#include "platform/ProcessResources.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

constexpr int SurfaceWidth = 1600;
constexpr int SurfaceHeight = 1200;

struct TFigures {
  int Cycle;
  int Handles;
  int Mappings;
  double ResidentMB;
};

TFigures Measure(int Cycle) {
  return {Cycle, platform::OpenHandleCount(), platform::FileMappingCount(),
          platform::ResidentBytes() / 1048576.0};
}

void Print(const char* Label, const TFigures& F) {
  std::printf("  %-7s after cycle %6d: %3d handles, %4d file mappings, %8.1f MB resident\n", Label,
              F.Cycle, F.Handles, F.Mappings, F.ResidentMB);
}

// One cycle: the file mapped, page 1 fitted into the surface and drawn, the document closed.
void Cycle(TPdfDocument& Document, const std::string& File, TPdfSurface& Surface) {
  Document.LoadFromFile(File, "", dloMMF);
  TPdfPage* Page = Document.Pages(0);
  const double Scale =
      std::min(SurfaceWidth / double(Page->Width()), SurfaceHeight / double(Page->Height()));
  const int W = static_cast<int>(Page->Width() * Scale);
  const int H = static_cast<int>(Page->Height() * Scale);
  Surface.Fill(0xFFFFFFFF);
  Page->Draw(Surface, (SurfaceWidth - W) / 2, (SurfaceHeight - H) / 2, W, H, prNormal,
             {proAnnotations});
  Document.Close();
}

} // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  const std::string File = argc > 1 ? argv[1] : QUOLSA_TEST_DATA "/drawing.pdf";
  const int Cycles = argc > 2 ? std::max(2, std::stoi(argv[2])) : 10000;
  try {
    SetEngineDirectory(platform::ExecutableDirectory() + "/PDFium/x64");
    TPdfDocument Document;
    TPdfSurface Surface(SurfaceWidth, SurfaceHeight);
    const auto Start = std::chrono::steady_clock::now();
    Cycle(Document, File, Surface);
    const TFigures First = Measure(1);
    TFigures Middle = First;
    for (int I = 2; I <= Cycles; ++I) {
      Cycle(Document, File, Surface);
      if (I == Cycles / 2)
        Middle = Measure(I);
    }
    const TFigures Last = Measure(Cycles);
    const double Seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();

    std::printf("soak benchmark: %s, %d cycles of open, draw page 1 at %d x %d, close (%.1f s, "
                "%.2f ms per cycle)\n",
                fs::path(File).filename().c_str(), Cycles, SurfaceWidth, SurfaceHeight, Seconds,
                Seconds * 1e3 / Cycles);
    Print("start", First);
    Print("middle", Middle);
    Print("end", Last);
    std::printf("  growth start to end: %+d handles, %+d file mappings, %+.1f MB resident "
                "(goal: none)\n",
                Last.Handles - First.Handles, Last.Mappings - First.Mappings,
                Last.ResidentMB - First.ResidentMB);
  } catch (const std::exception& E) {
    std::fprintf(stderr, "soak benchmark: %s\n", E.what());
    return 1;
  }
  return 0;
}
