// The heavy drawing in the viewer, rendered in slices while the window answers: the finished
// picture on the screen is the one of a single render call, input is handled while a render is
// under way, and a newer page turn abandons the render of the page it leaves.
#include "ViewerTestSupport.h"

#include "PointerInput.h"
#include "ViewerRendering.h"

#include "engine/PdfSurface.h"
#include "viewer/ClientRect.h"

namespace {

using ViewerProgress = TViewerTest;

constexpr std::uint32_t White = 0xFFFFFF;

// Pixels of the page on the screen that differ from the page drawn in one call at the viewer's
// page size, on white paper.
long DifferencesFromOneCall(TPdfControl& V, const TScreenShot& S) {
  const TRect Page = V.GetPageRect();
  const int W = Page.Right - Page.Left;
  const int H = Page.Bottom - Page.Top;
  TPdfSurface Reference(W, H, 0xFFFFFFFF);
  V.CurrentPage()->DrawOnPaper(Reference, 0, 0, W, H, V.Rotation(), V.DrawOptions());
  const wxSize Client = V.GetClientSize();
  const TRect Shown = IntersectRect({0, 0, Client.x, Client.y}, Page);
  long Count = 0;
  for (int Y = Shown.Top; Y < Shown.Bottom; ++Y)
    for (int X = Shown.Left; X < Shown.Right; ++X)
      Count += S.At(X, Y) != (Reference.Pixel(X - Page.Left, Y - Page.Top) & 0xFFFFFF);
  return Count;
}

std::uint32_t MarkerPixel(TPdfControl& V, const TScreenShot& S, int N) {
  const TPoint At = HeavyDrawingMarker(V, N);
  return S.At(At.X, At.Y);
}

TEST_F(ViewerProgress, TheFinishedPictureIsThatOfOneRenderCall) {
  MakeViewer(800, 600);
  Viewer->LoadFromFile(QUOLSA_HEAVY_DRAWING);
  ASSERT_TRUE(PumpUntilRendered(*Viewer));
  EXPECT_EQ(DifferencesFromOneCall(*Viewer, Shot()), 0) << "fitted, all on screen";
  // 1907 x 1347 pixels: the part on screen comes first, the whole image after it.
  Viewer->SetScaleMode(smZoom);
  Viewer->SetZoomPercentage(60);
  ASSERT_TRUE(PumpUntilRendered(*Viewer));
  EXPECT_TRUE(Viewer->HasPageBitmap());
  EXPECT_EQ(DifferencesFromOneCall(*Viewer, Shot()), 0) << "zoomed";
  const int Renders = Viewer->PageImageRenders();
  Viewer->ScrollContentTo(700, 500, false);
  EXPECT_EQ(DifferencesFromOneCall(*Viewer, Shot()), 0) << "scrolled, from the cached image";
  EXPECT_EQ(Viewer->PageImageRenders(), Renders);
}

TEST_F(ViewerProgress, TheWheelScrollsWhileThePageRenders) {
  MakeViewer(800, 600);
  Viewer->LoadFromFile(QUOLSA_HEAVY_DRAWING);
  ASSERT_TRUE(PumpUntilRendered(*Viewer));
  Viewer->SetScaleMode(smZoom);
  Viewer->SetZoomPercentage(60);
  Viewer->Update();
  ASSERT_FALSE(Viewer->PageImageRendered());
  const wxPoint Centre = Viewer->ClientToScreen(wxPoint(400, 300));
  SendPointerMove(Centre.x, Centre.y);
  SendWheelNotch(true);
  EXPECT_TRUE(HandledWhileRendering(*Viewer, [this] {
    return Viewer->VertScrollBar().Position() == 120;
  })) << "the notch waited for the render";
  ASSERT_TRUE(PumpUntilRendered(*Viewer));
  EXPECT_EQ(Viewer->VertScrollBar().Position(), 120);
  EXPECT_EQ(DifferencesFromOneCall(*Viewer, Shot()), 0);
}

TEST_F(ViewerProgress, ANewerPageTurnAbandonsTheRenderOfThePageItLeaves) {
  MakeViewer(800, 600);
  Viewer->LoadFromFile(QUOLSA_HEAVY_DRAWING);
  ASSERT_TRUE(PumpUntilRendered(*Viewer));
  const int Renders = Viewer->PageImageRenders();
  for (int Turn = 1; Turn <= 3; ++Turn) {
    ASSERT_TRUE(Viewer->GotoNextPage());
    Viewer->Update(); // the new page's render begins
    if (Turn < 3) {
      ASSERT_FALSE(Viewer->PageImageRendered()) << Turn;
    }
    // The screen never shows the page left: only this sheet has its marker here.
    const TScreenShot S = Shot();
    EXPECT_EQ(MarkerPixel(*Viewer, S, Turn - 1), White) << Turn;
  }
  ASSERT_TRUE(PumpUntilRendered(*Viewer));
  EXPECT_EQ(Viewer->PageIndex(), 3);
  EXPECT_EQ(Viewer->PageImageRenders(), Renders + 3)
      << "each page's render began once; the third page was rendered once";
  EXPECT_FALSE(Viewer->Document().IsPageLoaded(1));
  EXPECT_FALSE(Viewer->Document().IsPageLoaded(2)) << "no render of the second page runs";
  const TScreenShot S = Shot();
  EXPECT_TRUE(IsBlackPixel(MarkerPixel(*Viewer, S, 3))) << ColourText(MarkerPixel(*Viewer, S, 3));
  EXPECT_EQ(DifferencesFromOneCall(*Viewer, S), 0);
}

} // namespace
