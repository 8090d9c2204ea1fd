// The viewer on the X server of DISPLAY, measured against the bare engine in the same run:
//   - a page turn, from the request to the picture on the screen, against one bare engine render
//     of that page at that size;
//   - one scroll step and one repaint of a cached page, against a render of the page;
//   - resident memory at 10000 % zoom against 100 %.
//
//   viewer_bench [document.pdf] [rounds]
#include "BenchSupport.h"

#include "engine/PdfEngineCore.h"
#include "platform/ProcessResources.h"
#include "viewer/PdfViewCtrl.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>
#include <wx/app.h>
#include <wx/frame.h>

namespace {

constexpr int ViewWidth = 1200;
constexpr int ViewHeight = 900;

class TBench : TBenchViewer {
public:
  TBench(const std::string& File, int Rounds)
      : TBenchViewer("viewer bench", ViewWidth, ViewHeight), FFile(File), FRounds(Rounds) {}

  void Run() {
    FViewer->LoadFromFile(FFile);
    FBare.LoadFromFile(FFile);
    WaitForPaint();

    PageTurns();
    ScrollingAndRepaint();
    Memory();
  }

private:
  // The bare engine: the page filled white and rendered at the viewer's page size.
  double BareRender(int Index, int Width, int Height) {
    return ::BareRender(FBare, Index, Width, Height);
  }

  void PageTurns() {
    const int Pages = FViewer->PageCount();
    std::vector<double> Turn, Bare, Request;
    for (int R = 0; R <= FRounds; ++R)
      for (int I = 0; I < Pages; ++I) {
        const int Next = (FViewer->PageIndex() + 1) % Pages;
        const auto Start = TClock::now();
        FViewer->SetPageIndex(Next);
        const double Q = Ms(TClock::now() - Start);
        WaitForPicture();
        const double T = Ms(TClock::now() - Start);
        const TRect P = FViewer->GetPageRect();
        const double B = BareRender(Next, P.Right - P.Left, P.Bottom - P.Top);
        if (R > 0) { // the first round warms fonts and caches
          Turn.push_back(T);
          Bare.push_back(B);
          Request.push_back(Q);
        }
      }
    const TRect P = FViewer->GetPageRect();
    std::printf("page turn (%d x %d page in a %d x %d view), median of %zu:\n", P.Right - P.Left,
                P.Bottom - P.Top, ViewWidth, ViewHeight, Turn.size());
    std::printf("  request to picture on screen: %7.2f ms (the request alone %.2f ms)\n",
                Median(Turn), Median(Request));
    std::printf("  bare engine render:           %7.2f ms\n", Median(Bare));
    std::printf("  ratio: %.3f (goal <= 1.10)\n", Median(Turn) / Median(Bare));
  }

  void ScrollingAndRepaint() {
    FViewer->SetPageIndex(0);
    FViewer->SetScaleMode(smZoom);
    FViewer->SetZoomPercentage(150);
    WaitForPageImage();
    const TRect P = FViewer->GetPageRect();
    const int Renders = FViewer->PageImageRenders();
    std::vector<double> Step, Paint, Bare;
    for (int R = 0; R < 40; ++R) {
      const int Direction = (R / 10) % 2 == 0 ? 1 : -1;
      auto Start = TClock::now();
      FViewer->ScrollContent(0, 25 * Direction, false);
      Sync();
      Step.push_back(Ms(TClock::now() - Start));
      Start = TClock::now();
      FViewer->Refresh(false);
      WaitForPaint();
      Paint.push_back(Ms(TClock::now() - Start));
    }
    for (int R = 0; R < 5; ++R)
      Bare.push_back(BareRender(0, P.Right - P.Left, P.Bottom - P.Top));
    const bool Cached = FViewer->PageImageRenders() == Renders;
    std::printf("cached page (%d x %d at 150 %% in a %d x %d view; %s), median:\n",
                P.Right - P.Left, P.Bottom - P.Top, ViewWidth, ViewHeight,
                Cached ? "no render while scrolling" : "RENDERED WHILE SCROLLING");
    std::printf("  bare engine render of the page: %7.2f ms\n", Median(Bare));
    std::printf("  one scroll step of 25 pixels:   %7.2f ms, ratio %.3f (goal <= 0.05)\n",
                Median(Step), Median(Step) / Median(Bare));
    std::printf("  repaint of the whole view:      %7.2f ms, ratio %.3f (goal <= 0.05)\n",
                Median(Paint), Median(Paint) / Median(Bare));
  }

  void Memory() {
    FViewer->SetZoomPercentage(100);
    WaitForPaint();
    const auto At100 = static_cast<long>(platform::ResidentBytes());
    FViewer->SetZoomPercentage(10000);
    WaitForPaint();
    for (int I = 0; I < 10; ++I) {
      FViewer->ScrollContent(300, 300, false);
      Sync();
    }
    const auto At10000 = static_cast<long>(platform::ResidentBytes());
    const TRect P = FViewer->GetPageRect();
    const double ViewBitmap = double(ViewWidth) * ViewHeight * 4;
    std::printf("memory: resident at 100 %% %.1f MB, at 10000 %% %.1f MB (page %d x %d pixels)\n",
                At100 / 1048576.0, At10000 / 1048576.0, P.Right - P.Left, P.Bottom - P.Top);
    std::printf("  difference: %.1f MB = %.2f view-sized bitmaps (goal: a few)\n",
                (At10000 - At100) / 1048576.0, (At10000 - At100) / ViewBitmap);
  }

  std::string FFile;
  int FRounds;
  TPdfDocument FBare;
};

} // namespace

int main(int argc, char** argv) {
  return RunViewerBench(argc, argv, "viewer benchmark",
                        [](const std::string& File, int Rounds) { TBench(File, Rounds).Run(); });
}
