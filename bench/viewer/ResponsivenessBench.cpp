// The viewer showing a heavy drawing in a 1600 x 1200 view on the X server of DISPLAY, inside the
// toolkit's own message loop: how long the window goes without handling an event while it turns a
// page, zooms and is resized, and how long until the part of the page on screen and the whole
// cached page image are complete. Each figure is set against bare engine renders of the same areas
// in the same run:
//   - longest time without handling events, against one render of the view (goal <= 0.05);
//   - visible part complete, against one render of just that area (goal <= 1.2);
//   - whole cached image complete, against one render of the whole image (goal <= 1.3).
// Events are a timer ticking every millisecond; a gap between two ticks is time the window could
// not have answered input. For a page turn the bare engine loads the page before it renders, as
// the viewer must; the load is one engine call that nothing can divide, so the longest gap after
// the action's own call is shown too.
//
//   viewer_responsiveness_bench [document.pdf] [rounds]
#include "BenchTiming.h"

#include "engine/PdfEngineCore.h"
#include "platform/ScrollBarStyle.h"
#include "viewer/ClientRect.h"
#include "viewer/PdfViewCtrl.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/timer.h>

namespace {

constexpr int ViewWidth = 1600;
constexpr int ViewHeight = 1200;

// Whether the viewer has rendered the part of the page on screen, and its whole page image. A
// viewer that renders in its paint routine has done both once it has painted.
template <typename TViewer> bool ShownPartRendered(TViewer& V) {
  if constexpr (requires { V.ShownPartRendered(); })
    return V.ShownPartRendered();
  return true;
}
template <typename TViewer> bool PageImageRendered(TViewer& V) {
  if constexpr (requires { V.PageImageRendered(); })
    return V.PageImageRendered();
  return true;
}

// One measured user action.
struct TSample {
  double Action = 0;   // the action's own call (a page turn loads the page there)
  double Gap = 0;      // longest time between two handled events
  double GapAfter = 0; // the same after the action's own call
  double Visible = 0;  // until the part of the page on screen is complete
  double Whole = 0;    // until the whole cached page image is complete
  double BareView = 0; // bare renders: the whole view, the visible area, the whole image
  double BareVisible = 0;
  double BareWhole = 0;
  bool Cached = false; // the page image is cached (not drawn straight into the view)
};

// The bare engine on its own copy of the document: each page loaded once, renders timed alone.
class TBareEngine {
public:
  explicit TBareEngine(const std::string& File) { FDocument.LoadFromFile(File, "", dloMMF); }
  ~TBareEngine() {
    for (auto& [Index, Page] : FPages)
      FPDF_ClosePage(Page);
  }

  // Loading the page: parsing its content, one engine call.
  double Load(int Index) {
    const auto Start = TClock::now();
    FPDF_PAGE Page = FPDF_LoadPage(FDocument.Handle(), Index);
    const double Time = Ms(TClock::now() - Start);
    FPDF_ClosePage(Page);
    return Time;
  }

  // The page drawn at (X, Y, Width, Height) into a white AreaWidth x AreaHeight bitmap; Load: the
  // page is loaded first, in the time taken.
  double Render(int Index, int X, int Y, int Width, int Height, int AreaWidth, int AreaHeight,
                bool Load = false) {
    std::vector<std::uint32_t> Buffer(std::size_t(AreaWidth) * AreaHeight);
    const auto Start = TClock::now();
    FPDF_PAGE Page = Load ? FPDF_LoadPage(FDocument.Handle(), Index) : this->Page(Index);
    FPDF_BITMAP Bitmap =
        FPDFBitmap_CreateEx(AreaWidth, AreaHeight, FPDFBitmap_BGRA, Buffer.data(), AreaWidth * 4);
    FPDFBitmap_FillRect(Bitmap, 0, 0, AreaWidth, AreaHeight, 0xFFFFFFFF);
    FPDF_RenderPageBitmap(Bitmap, Page, X, Y, Width, Height, 0, 0);
    FPDFBitmap_Destroy(Bitmap);
    if (Load)
      FPDF_ClosePage(Page);
    return Ms(TClock::now() - Start);
  }

private:
  FPDF_PAGE Page(int Index) {
    auto& P = FPages[Index];
    if (!P)
      P = FPDF_LoadPage(FDocument.Handle(), Index);
    return P;
  }

  TPdfDocument FDocument;
  std::map<int, FPDF_PAGE> FPages;
};

// The benchmark as a list of steps run by a timer that ticks every millisecond in the message
// loop; a step runs on every tick until it answers true.
class TBench : public wxTimer {
public:
  TBench(const std::string& File, int Rounds) : FFile(File), FRounds(Rounds), FBare(File) {}

  void Begin() {
    FDisplay = XOpenDisplay(nullptr);
    FFrame = new wxFrame(nullptr, wxID_ANY, "viewer bench", wxPoint(0, 0)); // destroyed by End
    FViewer = new TPdfControl(FFrame);                                      // owned by the frame
    FFrame->SetClientSize(ViewWidth, ViewHeight);
    FFrame->Show();
    FViewer->SetOnPaint([this](TPdfControl&) { ++FPaints; });
    FViewer->LoadFromFile(FFile);
    Plan();
    FLastTick = TClock::now();
    Start(1);
  }

private:
  void Notify() override {
    const auto Now = TClock::now();
    FGap = std::max(FGap, Ms(Now - FLastTick));
    FGapAfter = std::max(FGapAfter, Ms(Now - std::max(FLastTick, FActionEnd)));
    FLastTick = Now; // a step's own time counts in the next gap
    while (!FSteps.empty() && FSteps.front()())
      FSteps.pop_front();
    if (FSteps.empty())
      End();
  }

  void Then(std::function<bool()> Step) { FSteps.push_back(std::move(Step)); }

  // Lets the window settle: everything rendered and painted, then a quiet moment.
  void Settle() {
    Then([this] {
      FPaints = 0;
      FViewer->Refresh(false);
      return true;
    });
    Then([this] { return FPaints > 0 && PageImageRendered(*FViewer); });
    Then([this, Until = TClock::time_point{}]() mutable {
      if (Until == TClock::time_point{} || !PageImageRendered(*FViewer))
        Until = TClock::now() + std::chrono::milliseconds(100);
      return TClock::now() >= Until;
    });
  }

  // One measured action: Act runs as a click's handler would, then the figures are taken until
  // the whole page image is complete. Done tells when the action itself has taken effect.
  void Measure(
      const std::string& Name, bool PageTurn, std::function<void()> Act,
      std::function<bool()> Done = [] { return true; }) {
    Settle();
    Then([this, Act] {
      FPaints = 0;
      FStart = TClock::now();
      Act();
      FActionEnd = TClock::now();
      FSample = {};
      FSample.Action = Ms(FActionEnd - FStart);
      FGap = 0;
      FGapAfter = 0;
      return true;
    });
    Then([this, Done] {
      if (!Done() || FPaints == 0 || !ShownPartRendered(*FViewer))
        return false;
      FSample.Visible = Ms(TClock::now() - FStart);
      return true;
    });
    Then([this, Name, PageTurn] {
      if (!PageImageRendered(*FViewer))
        return false;
      XSync(FDisplay, False);
      FSample.Whole = Ms(TClock::now() - FStart);
      FSample.Gap = FGap;
      FSample.GapAfter = FGapAfter;
      TakeBareRenders(PageTurn);
      FSamples[Name].push_back(FSample);
      return true;
    });
  }

  // Load: the bare engine loads the page too, as a page turn must.
  void TakeBareRenders(bool Load) {
    const int Index = FViewer->PageIndex();
    const TRect Page = FViewer->GetPageRect();
    const wxSize Client = FViewer->GetClientSize();
    const TRect View{0, 0, Client.x, Client.y};
    const TRect Visible = IntersectRect(View, Page);
    const int W = Page.Right - Page.Left;
    const int H = Page.Bottom - Page.Top;
    FSample.Cached = FViewer->HasPageBitmap();
    FSample.BareView = FBare.Render(Index, Page.Left, Page.Top, W, H, Client.x, Client.y, Load);
    FSample.BareVisible =
        FBare.Render(Index, Page.Left - Visible.Left, Page.Top - Visible.Top, W, H,
                     Visible.Right - Visible.Left, Visible.Bottom - Visible.Top, Load);
    FSample.BareWhole = FSample.Cached ? FBare.Render(Index, 0, 0, W, H, W, H, Load) : 0;
  }

  void Plan() {
    const int Pages = FViewer->PageCount();
    Then([this] {
      FViewer->SetScaleMode(smFitAuto);
      return true;
    });
    for (int R = 0; R < FRounds; ++R)
      Measure("page turn, fit", true,
              [this, Pages] { FViewer->SetPageIndex((FViewer->PageIndex() + 1) % Pages); });
    Then([this] {
      FViewer->SetScaleMode(smZoom);
      FViewer->SetZoomPercentage(100);
      return true;
    });
    for (int R = 0; R < FRounds; ++R)
      Measure("page turn, 100 %", true,
              [this, Pages] { FViewer->SetPageIndex((FViewer->PageIndex() + 1) % Pages); });
    for (int R = 0; R < FRounds; ++R) {
      Measure("zoom step 100 -> 120 %", false, [this] { FViewer->SetZoomPercentage(120); });
      Then([this] {
        FViewer->SetZoomPercentage(100);
        return true;
      });
    }
    Then([this] {
      FViewer->SetScaleMode(smFitAuto);
      return true;
    });
    for (int R = 0; R < FRounds; ++R) {
      Measure(
          "resize, fit", false,
          [this] { FFrame->SetClientSize(ViewWidth - 200, ViewHeight - 150); },
          [this] { return FViewer->GetSize() == wxSize(ViewWidth - 200, ViewHeight - 150); });
      Then([this, Asked = false]() mutable {
        if (!Asked)
          FFrame->SetClientSize(ViewWidth, ViewHeight);
        Asked = true;
        return FViewer->GetSize() == wxSize(ViewWidth, ViewHeight);
      });
    }
  }

  void Report() {
    std::printf("page load, one engine call that cannot be divided: %.1f ms\n",
                Median({FBare.Load(0), FBare.Load(1), FBare.Load(2)}));
    for (const auto& [Name, Samples] : FSamples) {
      const auto Of = [&Samples](double TSample::*Field) {
        std::vector<double> V;
        for (const TSample& S : Samples)
          V.push_back(S.*Field);
        return Median(V);
      };
      std::printf("%s (median of %zu; %s):\n", Name.c_str(), Samples.size(),
                  Samples.front().Cached ? "cached page image" : "drawn straight into the view");
      const char* Bare = Name.starts_with("page turn") ? " (with the page load)" : "";
      std::printf("  bare engine renders%s: the view %.1f ms, the visible area %.1f ms\n", Bare,
                  Of(&TSample::BareView), Of(&TSample::BareVisible));
      std::printf("  the action's own call:                 %7.1f ms; longest time without "
                  "handling events after it %.1f ms\n",
                  Of(&TSample::Action), Of(&TSample::GapAfter));
      std::printf("  longest time without handling events:  %7.1f ms, / render of the view "
                  "%7.1f ms = %.3f (goal <= 0.05)\n",
                  Of(&TSample::Gap), Of(&TSample::BareView),
                  Of(&TSample::Gap) / Of(&TSample::BareView));
      std::printf("  visible part complete:                 %7.1f ms, / render of that area "
                  "%7.1f ms = %.3f (goal <= 1.2)\n",
                  Of(&TSample::Visible), Of(&TSample::BareVisible),
                  Of(&TSample::Visible) / Of(&TSample::BareVisible));
      if (Samples.front().Cached)
        std::printf("  whole page image complete:             %7.1f ms, / render of the image "
                    "%7.1f ms = %.3f (goal <= 1.3)\n",
                    Of(&TSample::Whole), Of(&TSample::BareWhole),
                    Of(&TSample::Whole) / Of(&TSample::BareWhole));
    }
  }

  void End() {
    Stop();
    Report();
    FFrame->Destroy();
    XCloseDisplay(FDisplay);
    wxTheApp->ExitMainLoop();
  }

  std::string FFile;
  int FRounds;
  TBareEngine FBare;
  Display* FDisplay = nullptr;
  wxFrame* FFrame = nullptr;
  TPdfControl* FViewer = nullptr;
  std::deque<std::function<bool()>> FSteps;
  TClock::time_point FLastTick;
  TClock::time_point FStart;
  TClock::time_point FActionEnd;
  double FGap = 0;
  double FGapAfter = 0;
  int FPaints = 0;
  TSample FSample;
  std::map<std::string, std::vector<TSample>> FSamples;
};

int Result = 0;

class TBenchApp : public wxApp {
public:
  bool OnInit() override {
    namespace fs = std::filesystem;
    const std::string File = argc > 1 ? argv[1].ToStdString() : QUOLSA_HEAVY_DRAWING;
    const int Rounds = argc > 2 ? std::max(1, std::stoi(argv[2].ToStdString())) : 3;
    try {
      UseEngineBesideTheProgram();
      std::printf("viewer responsiveness benchmark: %s, view %d x %d\n",
                  fs::path(File).filename().c_str(), ViewWidth, ViewHeight);
      FBench = std::make_unique<TBench>(File, Rounds);
      FBench->Begin();
    } catch (const std::exception& E) {
      std::fprintf(stderr, "viewer responsiveness benchmark: %s\n", E.what());
      Result = 1;
      return false;
    }
    return true;
  }
  int OnExit() override {
    FBench.reset();
    return wxApp::OnExit();
  }

private:
  std::unique_ptr<TBench> FBench;
};

} // namespace

wxIMPLEMENT_APP_NO_MAIN(TBenchApp);

int main(int argc, char** argv) {
  platform::RequestClassicScrollBars();
  wxEntry(argc, argv);
  return Result;
}
