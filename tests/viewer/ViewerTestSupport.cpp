#include "ViewerTestSupport.h"

#include "engine/PdfEngineInit.h"
#include "platform/ExecutablePath.h"
#include "platform/FilePath.h"

#include <fstream>
#include <unistd.h>
#include <wx/frame.h>

long ResidentBytes() {
  std::ifstream Statm("/proc/self/statm");
  long Size = 0, Resident = 0;
  Statm >> Size >> Resident;
  return Resident * ::sysconf(_SC_PAGESIZE);
}

bool IsBlackPixel(std::uint32_t Pixel) {
  return (Pixel >> 16 & 0xFF) < 40 && (Pixel >> 8 & 0xFF) < 40 && (Pixel & 0xFF) < 40;
}

bool IsWhitePixel(std::uint32_t Pixel) {
  return (Pixel & 0xFFFFFF) == 0xFFFFFF;
}

void TViewerTest::SetUp() {
  TWindowTest::SetUp();
  SetEngineDirectory(platform::ExtractFilePath(platform::ExecutablePath()) + "PDFium/x64");
}

void TViewerTest::TearDown() {
  if (Frame) {
    Frame->Destroy();
    PumpEvents(20);
  }
  TWindowTest::TearDown();
}

TPdfControl* TViewerTest::MakeViewer(int Width, int Height) {
  Frame = new wxFrame(nullptr, wxID_ANY, "viewer", wxPoint(50, 40)); // destroyed by TearDown
  Viewer = new TPdfControl(Frame);                                   // owned by the frame
  Frame->SetClientSize(Width, Height);
  Frame->Show();
  PumpUntil([this] { return Frame->IsShownOnScreen() && Viewer->GetSize().x > 0; });
  PumpUntil([this, Width, Height] { return Viewer->GetSize() == wxSize(Width, Height); });
  Settle();
  return Viewer;
}

void TViewerTest::Load(const std::string& Name) {
  Viewer->LoadFromFile(Fixture(Name));
  Settle();
}

void TViewerTest::Settle() {
  Viewer->Update();
  PumpEvents(30);
  Viewer->Update();
}

TScreenShot TViewerTest::Shot() {
  Settle();
  const wxPoint Origin = Viewer->ClientToScreen(wxPoint(0, 0));
  const wxSize Size = Viewer->GetSize();
  TScreenShot S = CaptureScreen(Origin.x, Origin.y, Size.x, Size.y);
  S.Left = 0;
  S.Top = 0;
  return S;
}
