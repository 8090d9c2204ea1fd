// Working with the page, on the X server of DISPLAY, with real key presses and pointer moves sent
// through the server, each measured against one bare engine render of the page at the viewer's
// page size in the same run:
//   - a key press to the scrolled picture on the screen (Down arrow), and Page Down turning a page;
//   - one pointer move of a drag selection to the new selection on the screen;
//   - one pointer move over the page to the cursor chosen for it;
//   - highlighting a word on the page to the highlight on the screen, and clearing it.
//
//   viewer_input_bench [document.pdf] [rounds]
#include "PointerInput.h"

#include "BenchSupport.h"

#include "engine/PdfEngineCore.h"
#include "viewer/ClientRect.h"
#include "viewer/PdfViewCtrl.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>
#include <wx/app.h>
#include <wx/frame.h>

namespace {

constexpr int ViewWidth = 1200;
constexpr int ViewHeight = 900;
constexpr unsigned long KeyDown = 0xFF54;     // XK_Down
constexpr unsigned long KeyPageDown = 0xFF56; // XK_Next

class TBench : TBenchViewer {
public:
  TBench(const std::string& File, int Rounds)
      : TBenchViewer("input bench", ViewWidth, ViewHeight), FFile(File), FRounds(Rounds) {}

  void Run() {
    FViewer->Bind(wxEVT_MOTION, [this](wxMouseEvent& Event) {
      FLastMotion = Event.GetPosition();
      Event.Skip();
    });
    FViewer->LoadFromFile(FFile);
    FViewer->SetScaleMode(smZoom);
    FViewer->SetZoomPercentage(150);
    FBare.LoadFromFile(FFile);
    WaitForPageImage();
    // Keys go to the window under the pointer; a click gives the viewer the focus.
    MoveTo(ViewWidth / 2, ViewHeight / 2);
    SendButton(1, true);
    SendButton(1, false);
    Pump(200);

    const TRect P = FViewer->GetPageRect();
    std::vector<double> Bare;
    for (int R = 0; R < 5; ++R)
      Bare.push_back(BareRender(0, P.Right - P.Left, P.Bottom - P.Top));
    FRender = Median(Bare);
    std::printf("bare engine render of the page (%d x %d pixels at 150 %% in a %d x %d view): "
                "%.2f ms\n",
                P.Right - P.Left, P.Bottom - P.Top, ViewWidth, ViewHeight, FRender);

    Keys();
    Dragging();
    Hovering();
    Highlighting();
  }

private:
  // Sends a pointer move; Seen tells when the viewer has had it.
  void MoveTo(int X, int Y) {
    const wxPoint At = FViewer->ClientToScreen(wxPoint(X, Y));
    SendPointerMove(At.x, At.y);
  }
  bool Seen(TPoint P) const { return FLastMotion == wxPoint(P.X, P.Y); }

  double BareRender(int Index, int Width, int Height) {
    return ::BareRender(FBare, Index, Width, Height);
  }

  void Report(const char* What, const std::vector<double>& Times) {
    const double M = Median(Times);
    std::printf("  %-44s %7.2f ms, ratio to the render %.3f\n", What, M, M / FRender);
  }

  // A key press through the server until the picture it causes is on the screen.
  double KeyToPicture(unsigned long Key) {
    const int Before = FPaints;
    const auto Start = TClock::now();
    SendKey(Key, true);
    SendKey(Key, false);
    WaitUntil([&] { return FPaints != Before; });
    // A page turn shows the new page once the part on screen is rendered.
    WaitUntil([&] { return FViewer->ShownPartRendered(); });
    FViewer->Update();
    Sync();
    return Ms(TClock::now() - Start);
  }

  void Keys() {
    std::vector<double> Down, Turn;
    const int Renders = FViewer->PageImageRenders();
    for (int R = 0; R < 10 * FRounds; ++R) {
      FViewer->ScrollContentTo(0, 0, false);
      WaitForPaint();
      Down.push_back(KeyToPicture(KeyDown));
    }
    const bool Kept = FViewer->PageImageRenders() == Renders;
    for (int R = 0; R < FRounds + 1; ++R) {
      FViewer->ScrollContentTo(0, FViewer->VertScrollBar().LastPosition(), false);
      WaitForPaint();
      const int Page = FViewer->PageIndex();
      const double T = KeyToPicture(KeyPageDown);
      if (R > 0 && FViewer->PageIndex() != Page) // the first turn warms fonts and caches
        Turn.push_back(T);
    }
    std::printf("keys, median (%s):\n",
                Kept ? "scrolling kept the page image" : "SCROLLING RENDERED THE PAGE");
    Report("Down arrow to the scrolled picture", Down);
    Report("Page Down at the end to the next page shown", Turn);
  }

  // The centre of a character on the screen, in client pixels.
  TPoint CharCentre(int Index) {
    const TRect B =
        NormalizedRect(FViewer->PageToDevice(FViewer->CurrentPage()->GetCharBox(Index)));
    return {(B.Left + B.Right) / 2, (B.Top + B.Bottom) / 2};
  }

  // The first visible character of the page whose neighbour to the right is on the same line.
  int VisibleChar() {
    TPdfPage* Page = FViewer->CurrentPage();
    for (int I = 0; I + 8 < Page->GetCharCount(); ++I) {
      const TPoint A = CharCentre(I), B = CharCentre(I + 8);
      if (A.X > 20 && A.Y > 20 && B.X < ViewWidth - 40 && B.Y < ViewHeight - 40 && A.Y == B.Y)
        return I;
    }
    return -1;
  }

  void Dragging() {
    FViewer->SetPageIndex(0);
    FViewer->ScrollContentTo(0, 0, false);
    WaitForPageImage();
    const int First = VisibleChar();
    if (First < 0) {
      std::printf("dragging: no text on the first screen\n");
      return;
    }
    std::vector<double> Steps, Handled;
    for (int R = 0; R < 4 * FRounds; ++R) {
      const TPoint From = CharCentre(First);
      MoveTo(From.X, From.Y);
      WaitUntil([&] { return Seen(From); });
      SendButton(1, true);
      Pump(30);
      for (int I = 1; I <= 8; ++I) {
        const TPoint To = CharCentre(First + I);
        const int Before = FPaints;
        const auto Start = TClock::now();
        MoveTo(To.X, To.Y);
        WaitUntil([&] { return Seen(To); });
        Handled.push_back(Ms(TClock::now() - Start));
        WaitUntil([&] { return FPaints != Before; });
        Steps.push_back(Ms(TClock::now() - Start));
      }
      SendButton(1, false);
      Pump(30);
    }
    // The parts of a step: finding the character, and painting the changed selection.
    std::vector<double> Find, Paint;
    TPdfPage* Page = FViewer->CurrentPage();
    for (int I = 1; I <= 8 * FRounds; ++I) {
      const TPoint To = CharCentre(First + I % 8);
      const TPdfPoint At = FViewer->DeviceToPage(To.X, To.Y);
      auto Start = TClock::now();
      Page->GetCharIndexAt(At.X, At.Y, 65535, 65535);
      Find.push_back(Ms(TClock::now() - Start));
      Start = TClock::now();
      FViewer->SelectText(First, I % 8 + 1);
      WaitForPaint();
      Paint.push_back(Ms(TClock::now() - Start));
    }
    std::printf("dragging over text, median of %zu moves:\n", Steps.size());
    Report("pointer move to the new selection shown", Steps);
    Report("of it: the move handled, the paint asked for", Handled);
    Report("of it: the nearest character found", Find);
    Report("of it: the changed selection painted", Paint);
  }

  // A point of the view where the cursor shows no text.
  TPoint BlankPoint() {
    for (int Y = 200; Y < ViewHeight - 40; Y += 10)
      for (int X = 200; X < ViewWidth - 40; X += 10) {
        const TPdfPoint At = FViewer->DeviceToPage(X, Y);
        if (FViewer->CurrentPage()->GetCharIndexAt(At.X, At.Y, 5, 5) < 0)
          return {X, Y};
      }
    return {0, 0};
  }

  void Hovering() {
    FViewer->ClearSelection();
    const int First = VisibleChar();
    if (First < 0)
      return;
    const TPoint Text = CharCentre(First);
    const TPoint Blank = BlankPoint();
    std::vector<double> Moves;
    for (int R = 0; R < 20 * FRounds; ++R) {
      // Over the text, then over paper far from any character.
      const bool OnText = R % 2 == 0;
      const TCursor Expected = OnText ? crIBeam : crDefault;
      const auto Start = TClock::now();
      const TPoint To = OnText ? Text : Blank;
      MoveTo(To.X, To.Y);
      WaitUntil([&] { return Seen(To) && FViewer->Cursor() == Expected; });
      Moves.push_back(Ms(TClock::now() - Start));
    }
    std::printf("pointer over the page, median of %zu moves:\n", Moves.size());
    Report("pointer move to the cursor chosen", Moves);
  }

  void Highlighting() {
    FViewer->SetPageIndex(0);
    WaitForPaint();
    const int Renders = FViewer->PageImageRenders();
    std::vector<double> Set, Clear;
    for (int R = 0; R < 5 * FRounds; ++R) {
      auto Start = TClock::now();
      FViewer->HightlightText("Room", false, true);
      WaitForPaint();
      Set.push_back(Ms(TClock::now() - Start));
      Start = TClock::now();
      FViewer->ClearHighlightText();
      WaitForPaint();
      Clear.push_back(Ms(TClock::now() - Start));
    }
    std::printf("highlighting every \"Room\" of the page, median (%s):\n",
                FViewer->PageImageRenders() == Renders ? "the page image was kept"
                                                       : "THE PAGE WAS RENDERED AGAIN");
    Report("search and highlight shown", Set);
    Report("highlight cleared", Clear);
  }

  std::string FFile;
  int FRounds;
  TPdfDocument FBare;
  double FRender = 0;
  wxPoint FLastMotion;
};

} // namespace

int main(int argc, char** argv) {
  return RunViewerBench(argc, argv, "viewer input benchmark",
                        [](const std::string& File, int Rounds) { TBench(File, Rounds).Run(); });
}
