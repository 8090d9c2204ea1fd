#include "BenchSupport.h"

#include "engine/PdfEngineCore.h"
#include "platform/ScrollBarStyle.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <unistd.h>
#include <wx/app.h>
#include <wx/frame.h>

double BareRender(TPdfDocument& Document, int Index, int Width, int Height) {
  std::vector<std::uint32_t> Buffer(std::size_t(Width) * Height);
  const auto Start = TClock::now();
  FPDF_PAGE Page = FPDF_LoadPage(Document.Handle(), Index);
  FPDF_BITMAP Bitmap =
      FPDFBitmap_CreateEx(Width, Height, FPDFBitmap_BGRA, Buffer.data(), Width * 4);
  FPDFBitmap_FillRect(Bitmap, 0, 0, Width, Height, 0xFFFFFFFF);
  FPDF_RenderPageBitmap(Bitmap, Page, 0, 0, Width, Height, 0, 0);
  FPDFBitmap_Destroy(Bitmap);
  FPDF_ClosePage(Page);
  return Ms(TClock::now() - Start);
}

void Pump(int Milliseconds) {
  const auto End = TClock::now() + std::chrono::milliseconds(Milliseconds);
  while (TClock::now() < End) {
    wxTheApp->Yield(true);
    ::usleep(1000);
  }
}

TBenchViewer::TBenchViewer(const char* Caption, int Width, int Height)
    : FDisplay(XOpenDisplay(nullptr)) {
  FFrame = new wxFrame(nullptr, wxID_ANY, Caption, wxPoint(0, 0)); // destroyed with this
  FViewer = new TPdfControl(FFrame);
  FFrame->SetClientSize(Width, Height);
  FFrame->Show();
  Pump(300);
  FViewer->SetOnPaint([this](TPdfControl&) { ++FPaints; });
}

TBenchViewer::~TBenchViewer() {
  FFrame->Destroy();
  Pump(50);
  XCloseDisplay(FDisplay);
}

void TBenchViewer::WaitUntil(const std::function<bool()>& Done) {
  const auto Give = TClock::now() + std::chrono::seconds(5);
  while (!Done() && TClock::now() < Give)
    wxTheApp->Yield(true);
  Sync();
}

void TBenchViewer::WaitForPaint() {
  const int Before = FPaints;
  FViewer->Update();
  WaitUntil([&] { return FPaints != Before; });
}

void TBenchViewer::WaitForPicture() {
  WaitForPaint();
  WaitUntil([&] { return FViewer->ShownPartRendered(); });
  FViewer->Update();
  Sync();
}

void TBenchViewer::WaitForPageImage() {
  WaitForPicture();
  WaitUntil([&] { return FViewer->PageImageRendered(); });
  FViewer->Update();
  Sync();
}

void TBenchViewer::Sync() {
  XSync(FDisplay, False);
}

namespace {

const char* BenchTitle = "";
std::function<void(const std::string&, int)> BenchRun;
int Result = 0;

class TBenchApp : public wxApp {
public:
  bool OnInit() override {
    namespace fs = std::filesystem;
    const std::string File = argc > 1 ? argv[1].ToStdString() : QUOLSA_TEST_DATA "/drawing.pdf";
    const int Rounds = argc > 2 ? std::max(1, std::stoi(argv[2].ToStdString())) : 3;
    try {
      UseEngineBesideTheProgram();
      std::printf("%s: %s\n", BenchTitle, fs::path(File).filename().c_str());
      BenchRun(File, Rounds);
    } catch (const std::exception& E) {
      std::fprintf(stderr, "%s: %s\n", BenchTitle, E.what());
      Result = 1;
    }
    return false; // no message loop: the measuring is done
  }
};

} // namespace

wxIMPLEMENT_APP_NO_MAIN(TBenchApp);

int RunViewerBench(int argc, char** argv, const char* Title,
                   std::function<void(const std::string& File, int Rounds)> Bench) {
  BenchTitle = Title;
  BenchRun = std::move(Bench);
  platform::RequestClassicScrollBars();
  wxEntry(argc, argv);
  return Result;
}
