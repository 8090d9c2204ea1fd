#include "ViewerTestSupport.h"

#include "PointerInput.h"

#include "engine/PdfEngineInit.h"
#include "platform/ExecutablePath.h"
#include "platform/FilePath.h"
#include "platform/ProcessResources.h"
#include "viewer/ClientRect.h"

#include <wx/button.h>
#include <wx/frame.h>
#include <wx/sizer.h>

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

TPdfControl* TViewerTest::MakeViewer(int Width, int Height,
                                     const std::function<TPdfControl*(wxWindow*)>& Create) {
  Frame = new wxFrame(nullptr, wxID_ANY, "viewer", wxPoint(50, 40)); // destroyed by TearDown
  // Owned by the frame.
  Viewer = Create ? Create(Frame) : new TPdfControl(Frame);
  Viewer->Bind(wxEVT_MOTION, [this](wxMouseEvent& Event) {
    LastMotion = Event.GetPosition();
    Event.Skip();
  });
  Frame->SetClientSize(Width, Height);
  Frame->Show();
  PumpUntil([this] { return Frame->IsShownOnScreen() && Viewer->GetSize().x > 0; });
  PumpUntil([this, Width, Height] { return Viewer->GetSize() == wxSize(Width, Height); });
  Settle();
  return Viewer;
}

wxWindow* TViewerTest::AddButtonBelow() {
  const wxSize Size = Viewer->GetSize();
  auto* Button = new wxButton(Frame, wxID_ANY, "other"); // owned by the frame
  auto* Sizer = new wxBoxSizer(wxVERTICAL);              // owned by the frame
  Sizer->Add(Viewer, 1, wxEXPAND);
  Sizer->Add(Button);
  Frame->SetSizer(Sizer);
  Frame->SetClientSize(Size.x, Size.y + Button->GetSize().y);
  PumpUntil([this, Size] { return Viewer->GetSize() == Size; });
  return Button;
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

// The server may fold a move into the pointer's entering the window: moved again by a pixel and
// back, the pointer makes the viewer see the move.
void TViewerTest::MoveTo(int X, int Y) {
  const wxPoint At = Viewer->ClientToScreen(wxPoint(X, Y));
  for (int Try = 0; Try < 3; ++Try) {
    SendPointerMove(At.x, At.y);
    if (PumpUntil([this, X, Y] { return LastMotion == wxPoint(X, Y); }, 300))
      break;
    SendPointerMove(At.x + 1, At.y);
    PumpEvents(10);
  }
  PumpEvents(10);
}

void TViewerTest::Press() {
  SendButton(1, true);
  PumpEvents(30);
}

void TViewerTest::Release() {
  SendButton(1, false);
  PumpEvents(30);
}

void TViewerTest::ClickAt(TPoint P) {
  MoveTo(P);
  Press();
  Release();
}

void TViewerTest::DoubleClickAt(TPoint P) {
  MoveTo(P);
  for (int I = 0; I < 2; ++I) {
    SendButton(1, true);
    SendButton(1, false);
  }
  PumpEvents(60);
}

void TViewerTest::DragFromTo(TPoint From, TPoint To) {
  MoveTo(From);
  Press();
  // Through a point between, as a hand moves.
  MoveTo((From.X + To.X) / 2, (From.Y + To.Y) / 2);
  MoveTo(To);
  Release();
}

void TViewerTest::Key(int KeyCode, int Modifiers) {
  Input.Char(KeyCode, Modifiers);
  PumpEvents(60);
}

TPoint TViewerTest::CharCentre(int CharIndex) {
  const TRect Box =
      NormalizedRect(Viewer->PageToDevice(Viewer->CurrentPage()->GetCharBox(CharIndex)));
  return {(Box.Left + Box.Right) / 2, (Box.Top + Box.Bottom) / 2};
}
