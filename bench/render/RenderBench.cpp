// Renders a multi-page drawing page by page at screen size, once through TPdfPage::Draw and once
// through the bare engine calls, in the same run, and prints both times and their ratio.
//
//   render_bench [document.pdf] [rounds]
#include "engine/PdfEngineCore.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

constexpr int SurfaceWidth = 1600;
constexpr int SurfaceHeight = 1200;

struct TPlacement {
  int X, Y, Width, Height;
};

// The page fitted into the surface, centred, as the viewer lays it out.
TPlacement Fit(double PageWidth, double PageHeight) {
  const double Scale = std::min(SurfaceWidth / PageWidth, SurfaceHeight / PageHeight);
  const int W = static_cast<int>(PageWidth * Scale);
  const int H = static_cast<int>(PageHeight * Scale);
  return {(SurfaceWidth - W) / 2, (SurfaceHeight - H) / 2, W, H};
}

// One page through the binding: open, draw (page, form fields), release, as the viewer does.
double DrawWithBinding(TPdfDocument& Document, int Index, TPdfSurface& Surface) {
  const auto Start = TClock::now();
  TPdfPage* Page = Document.Pages(Index);
  const TPlacement P = Fit(Page->Width(), Page->Height());
  Page->Draw(Surface, P.X, P.Y, P.Width, P.Height, prNormal, {});
  Page->Close();
  return std::chrono::duration<double>(TClock::now() - Start).count();
}

// The same page through the bare engine into a plain buffer.
double DrawWithEngine(FPDF_DOCUMENT Document, int Index, std::vector<std::uint32_t>& Buffer) {
  const auto Start = TClock::now();
  FPDF_PAGE Page = FPDF_LoadPage(Document, Index);
  const TPlacement P = Fit(FPDF_GetPageWidthF(Page), FPDF_GetPageHeightF(Page));
  FPDF_BITMAP Bitmap = FPDFBitmap_CreateEx(SurfaceWidth, SurfaceHeight, FPDFBitmap_BGRA,
                                           Buffer.data(), SurfaceWidth * 4);
  FPDFBitmap_FillRect(Bitmap, P.X, P.Y, P.Width, P.Height, 0xFFFFFFFF);
  FPDF_RenderPageBitmap(Bitmap, Page, P.X, P.Y, P.Width, P.Height, 0, 0);
  FPDFBitmap_Destroy(Bitmap);
  FPDF_ClosePage(Page);
  return std::chrono::duration<double>(TClock::now() - Start).count();
}

} // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  const std::string File = argc > 1 ? argv[1] : QUOLSA_TEST_DATA "/drawing.pdf";
  const int Rounds = argc > 2 ? std::max(1, std::stoi(argv[2])) : 5;
  try {
    SetEngineDirectory(
        (fs::read_symlink("/proc/self/exe").parent_path() / "PDFium" / "x64").string());
    TPdfDocument Binding;
    Binding.LoadFromFile(File, "", dloMMF);
    // The bare engine reads its own copy of the document, so neither side shares parsed pages.
    TPdfDocument Bare;
    Bare.LoadFromFile(File, "", dloMMF);
    const int Pages = Binding.PageCount();
    TPdfSurface Surface(SurfaceWidth, SurfaceHeight);
    std::vector<std::uint32_t> Buffer(std::size_t(SurfaceWidth) * SurfaceHeight);

    for (int I = 0; I < Pages; ++I) { // warm-up: fonts, caches, page faults
      DrawWithBinding(Binding, I, Surface);
      DrawWithEngine(Bare.Handle(), I, Buffer);
    }
    double BindingTime = 0, EngineTime = 0;
    for (int R = 0; R < Rounds; ++R)
      for (int I = 0; I < Pages; ++I) {
        // Alternate which side goes first, so neither profits from the other's warm caches.
        if ((R + I) % 2 == 0) {
          BindingTime += DrawWithBinding(Binding, I, Surface);
          EngineTime += DrawWithEngine(Bare.Handle(), I, Buffer);
        } else {
          EngineTime += DrawWithEngine(Bare.Handle(), I, Buffer);
          BindingTime += DrawWithBinding(Binding, I, Surface);
        }
      }
    const int Renders = Rounds * Pages;
    std::printf("render benchmark: %s, %d pages x %d rounds at %d x %d pixels\n",
                fs::path(File).filename().c_str(), Pages, Rounds, SurfaceWidth, SurfaceHeight);
    std::printf("  bare engine (FPDF_RenderPageBitmap): %8.1f ms total, %6.2f ms per page\n",
                EngineTime * 1e3, EngineTime * 1e3 / Renders);
    std::printf("  TPdfPage::Draw:                      %8.1f ms total, %6.2f ms per page\n",
                BindingTime * 1e3, BindingTime * 1e3 / Renders);
    std::printf("  ratio Draw / bare: %.3f (overhead %+.1f %%, goal <= +5 %%)\n",
                BindingTime / EngineTime, (BindingTime / EngineTime - 1) * 100);
  } catch (const std::exception& E) {
    std::fprintf(stderr, "render benchmark: %s\n", E.what());
    return 1;
  }
  return 0;
}
