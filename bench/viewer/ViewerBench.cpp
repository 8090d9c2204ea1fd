// The viewer on the X server of DISPLAY, measured against the bare engine in the same run:
//   - a page turn, from the request to the picture on the screen, against one bare engine render
//     of that page at that size;
//   - one scroll step and one repaint of a cached page, against a render of the page;
//   - resident memory at 10000 % zoom against 100 %.
//
//   viewer_bench [document.pdf] [rounds]
#include "BenchSupport.h"

#include "engine/PdfEngineCore.h"
#include "platform/ScrollBarStyle.h"
#include "viewer/PdfViewCtrl.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>
#include <wx/app.h>
#include <wx/frame.h>

namespace {

constexpr int ViewWidth = 1200;
constexpr int ViewHeight = 900;

long ResidentBytes() {
  std::ifstream Statm("/proc/self/statm");
  long Size = 0, Resident = 0;
  Statm >> Size >> Resident;
  return Resident * ::sysconf(_SC_PAGESIZE);
}

class TBench {
public:
  TBench(const std::string& File, int Rounds) : FFile(File), FRounds(Rounds) {}

  void Run() {
    FDisplay = XOpenDisplay(nullptr);
    FFrame = new wxFrame(nullptr, wxID_ANY, "viewer bench", wxPoint(0, 0)); // destroyed below
    FViewer = new TPdfControl(FFrame);                                      // owned by the frame
    FFrame->SetClientSize(ViewWidth, ViewHeight);
    FFrame->Show();
    Pump(300);
    FViewer->SetOnPaint([this](TPdfControl&) { ++FPaints; });
    FViewer->LoadFromFile(FFile);
    FBare.LoadFromFile(FFile);
    WaitForPaint();

    PageTurns();
    ScrollingAndRepaint();
    Memory();
    FFrame->Destroy();
    Pump(50);
    XCloseDisplay(FDisplay);
  }

private:
  void Pump(int Milliseconds) {
    const auto End = TClock::now() + std::chrono::milliseconds(Milliseconds);
    while (TClock::now() < End) {
      wxTheApp->Yield(true);
      ::usleep(1000);
    }
  }

  // Lets the toolkit run until the viewer has painted, then until the server has drawn it.
  void WaitForPaint() {
    const int Before = FPaints;
    FViewer->Update();
    while (FPaints == Before)
      wxTheApp->Yield(true);
    XSync(FDisplay, False);
  }

  // The bare engine: the page filled white and rendered at the viewer's page size.
  double BareRender(int Index, int Width, int Height) {
    std::vector<std::uint32_t> Buffer(std::size_t(Width) * Height);
    const auto Start = TClock::now();
    FPDF_PAGE Page = FPDF_LoadPage(FBare.Handle(), Index);
    FPDF_BITMAP Bitmap =
        FPDFBitmap_CreateEx(Width, Height, FPDFBitmap_BGRA, Buffer.data(), Width * 4);
    FPDFBitmap_FillRect(Bitmap, 0, 0, Width, Height, 0xFFFFFFFF);
    FPDF_RenderPageBitmap(Bitmap, Page, 0, 0, Width, Height, 0, 0);
    FPDFBitmap_Destroy(Bitmap);
    FPDF_ClosePage(Page);
    return Ms(TClock::now() - Start);
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
        WaitForPaint();
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
    WaitForPaint();
    const TRect P = FViewer->GetPageRect();
    const int Renders = FViewer->PageImageRenders();
    std::vector<double> Step, Paint, Bare;
    for (int R = 0; R < 40; ++R) {
      const int Direction = (R / 10) % 2 == 0 ? 1 : -1;
      auto Start = TClock::now();
      FViewer->ScrollContent(0, 25 * Direction, false);
      XSync(FDisplay, False);
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
    const long At100 = ResidentBytes();
    FViewer->SetZoomPercentage(10000);
    WaitForPaint();
    for (int I = 0; I < 10; ++I) {
      FViewer->ScrollContent(300, 300, false);
      XSync(FDisplay, False);
    }
    const long At10000 = ResidentBytes();
    const TRect P = FViewer->GetPageRect();
    const double ViewBitmap = double(ViewWidth) * ViewHeight * 4;
    std::printf("memory: resident at 100 %% %.1f MB, at 10000 %% %.1f MB (page %d x %d pixels)\n",
                At100 / 1048576.0, At10000 / 1048576.0, P.Right - P.Left, P.Bottom - P.Top);
    std::printf("  difference: %.1f MB = %.2f view-sized bitmaps (goal: a few)\n",
                (At10000 - At100) / 1048576.0, (At10000 - At100) / ViewBitmap);
  }

  std::string FFile;
  int FRounds;
  Display* FDisplay = nullptr;
  wxFrame* FFrame = nullptr;
  TPdfControl* FViewer = nullptr;
  TPdfDocument FBare;
  int FPaints = 0;
};

int Result = 0;

class TBenchApp : public wxApp {
public:
  bool OnInit() override {
    namespace fs = std::filesystem;
    const std::string File = argc > 1 ? argv[1].ToStdString() : QUOLSA_TEST_DATA "/drawing.pdf";
    const int Rounds = argc > 2 ? std::max(1, std::stoi(argv[2].ToStdString())) : 3;
    try {
      UseEngineBesideTheProgram();
      std::printf("viewer benchmark: %s\n", fs::path(File).filename().c_str());
      TBench(File, Rounds).Run();
    } catch (const std::exception& E) {
      std::fprintf(stderr, "viewer benchmark: %s\n", E.what());
      Result = 1;
    }
    return false; // no message loop: the measuring is done
  }
};

} // namespace

wxIMPLEMENT_APP_NO_MAIN(TBenchApp);

int main(int argc, char** argv) {
  platform::RequestClassicScrollBars();
  wxEntry(argc, argv);
  return Result;
}
