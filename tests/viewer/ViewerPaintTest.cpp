// What the viewer paints, read back from the screen: the page, the background around it, border,
// shadow and page colour, the cached page image and what drops it, and pages too large to cache.
#include "ViewerTestSupport.h"

#include "platform/ProcessResources.h"

namespace {

using ViewerPaint = TViewerTest;

constexpr std::uint32_t Gray = 0x808080;
constexpr std::uint32_t Red = 0xFF0000; // screen pixels are 0xRRGGBB
constexpr std::uint32_t Blue = 0x0000FF;
constexpr TColor RedColor = 0x0000FF; // colours are 0x00BBGGRR
constexpr TColor BlueColor = 0xFF0000;

// The one-page fixture fitted to the height of a 300 x 300 control: the page covers x 50..249,
// the black square pixels 70..129 x 40..99.
void ShowFittedTestPage(TViewerTest& T, TPdfControl* Viewer) {
  Viewer->LoadFromFile(Fixture("one-page.pdf"));
  Viewer->SetScaleMode(smFitHeight);
  (void)T;
}

TEST_F(ViewerPaint, PageSquareAndBackgroundBands) {
  MakeViewer(300, 300);
  ShowFittedTestPage(*this, Viewer);
  const TScreenShot S = Shot();
  EXPECT_EQ(S.At(49, 150), Gray) << ColourText(S.At(49, 150));
  EXPECT_EQ(S.At(250, 150), Gray) << ColourText(S.At(250, 150));
  EXPECT_TRUE(IsWhitePixel(S.At(50, 150))) << ColourText(S.At(50, 150));
  EXPECT_TRUE(IsWhitePixel(S.At(249, 299))) << ColourText(S.At(249, 299));
  EXPECT_TRUE(IsBlackPixel(S.At(71, 41))) << ColourText(S.At(71, 41));
  EXPECT_TRUE(IsBlackPixel(S.At(128, 98))) << ColourText(S.At(128, 98));
  EXPECT_TRUE(IsWhitePixel(S.At(131, 70))) << ColourText(S.At(131, 70));
}

TEST_F(ViewerPaint, BorderAndShadow) {
  MakeViewer(300, 300);
  ShowFittedTestPage(*this, Viewer);
  Viewer->SetPageBorderColor(RedColor);
  Viewer->SetPageShadowColor(BlueColor);
  Viewer->SetPageShadowSize(4);
  Viewer->SetPageShadowPadding(44);
  Viewer->SetRotation(pr180); // lays out again: the page makes room for its shadow
  Viewer->SetRotation(prNormal);
  ASSERT_EQ(Viewer->GetPageRect(), (TRect{74, 24, 226, 276}));
  const TScreenShot S = Shot();
  for (const auto& [X, Y] : {std::pair{74, 24}, {225, 100}, {100, 275}, {74, 275}})
    EXPECT_EQ(S.At(X, Y), Red) << X << "," << Y << " " << ColourText(S.At(X, Y));
  EXPECT_TRUE(IsWhitePixel(S.At(75, 25))) << ColourText(S.At(75, 25));
  // Strips of 4 pixels right of and below the page, starting 4 pixels in.
  for (const auto& [X, Y] : {std::pair{226, 28}, {229, 279}, {78, 276}, {200, 279}})
    EXPECT_EQ(S.At(X, Y), Blue) << X << "," << Y << " " << ColourText(S.At(X, Y));
  for (const auto& [X, Y] : {std::pair{226, 27}, {77, 276}, {230, 150}, {150, 280}})
    EXPECT_EQ(S.At(X, Y), Gray) << X << "," << Y << " " << ColourText(S.At(X, Y));
}

TEST_F(ViewerPaint, PageColourIsThePaperAndDefaultTakesTheControlsColour) {
  MakeViewer(300, 300);
  ShowFittedTestPage(*this, Viewer);
  Viewer->SetPageColor(RedColor);
  TScreenShot S = Shot();
  EXPECT_EQ(S.At(200, 200), Red) << ColourText(S.At(200, 200));
  EXPECT_TRUE(IsBlackPixel(S.At(100, 70))) << ColourText(S.At(100, 70));
  Viewer->SetPageColor(clDefault);
  S = Shot();
  EXPECT_EQ(S.At(200, 200), Gray) << ColourText(S.At(200, 200));
  const int Renders = Viewer->PageImageRenders();
  Viewer->SetColor(0x00FF00);
  S = Shot();
  EXPECT_EQ(S.At(200, 200), 0x00FF00u) << "the page is drawn again on the new colour";
  EXPECT_EQ(S.At(10, 10), 0x00FF00u);
  EXPECT_EQ(Viewer->PageImageRenders(), Renders + 1);
}

TEST_F(ViewerPaint, CachedImageServesScrollingAndRepaints) {
  MakeViewer(300, 200);
  Load("one-page.pdf");
  Viewer->SetScaleMode(smZoom); // 267 x 400 in a 300 x 200 view
  Settle();
  ASSERT_TRUE(Viewer->HasPageBitmap());
  EXPECT_EQ(Viewer->PageBitmapRect(), (TRect{0, 0, 267, 400}));
  const int Renders = Viewer->PageImageRenders();
  const TScreenShot Before = Shot();
  // A scroll step is painted at once, before ScrollContent returns: at least the strip it
  // uncovered (the toolkit may ask for more), from the cached image.
  std::vector<wxRect> Painted;
  Viewer->SetOnPaint([&](TPdfControl& V) { Painted.push_back(V.GetUpdateClientRect()); });
  Viewer->ScrollContent(0, 10, false);
  ASSERT_EQ(Painted.size(), 1u) << "painted before ScrollContent returned";
  EXPECT_TRUE(Painted[0].Contains(wxRect(0, 190, Viewer->GetClientSize().x, 10)))
      << Painted[0].x << "," << Painted[0].y << " " << Painted[0].width << "x" << Painted[0].height;
  Viewer->SetOnPaint(nullptr);
  for (int I = 0; I < 4; ++I)
    Viewer->ScrollContent(0, 10, false);
  Viewer->Refresh();
  const TScreenShot After = Shot();
  EXPECT_EQ(Viewer->PageImageRenders(), Renders);
  // The content moved up by 50 pixels.
  const int X = Viewer->GetPageRect().Left + 80;
  for (int Y = 0; Y < 140; Y += 7)
    EXPECT_EQ(After.At(X, Y), Before.At(X, Y + 50)) << Y;
}

TEST_F(ViewerPaint, WhatDropsTheCachedImage) {
  MakeViewer(300, 200);
  Load("three-pages.pdf");
  struct TCause {
    const char* What;
    std::function<void(TPdfControl&)> Change;
    bool Renders;
  } Causes[] = {
      {"page change", [](TPdfControl& V) { V.GotoNextPage(); }, true},
      {"zoom", [](TPdfControl& V) { V.SetZoomPercentage(V.ZoomPercentage() + 10); }, true},
      {"scale mode", [](TPdfControl& V) { V.SetScaleMode(smFitWidth); }, true},
      {"rotation", [](TPdfControl& V) { V.SetRotation(pr90Clockwise); }, true},
      {"page colour", [](TPdfControl& V) { V.SetPageColor(0xEEEEEE); }, true},
      {"draw options", [](TPdfControl& V) { V.SetDrawOptions({proAnnotations}); }, true},
      {"border colour", [](TPdfControl& V) { V.SetPageBorderColor(RedColor); }, true},
      {"shadow colour", [](TPdfControl& V) { V.SetPageShadowColor(BlueColor); }, true},
      {"shadow size", [](TPdfControl& V) { V.SetPageShadowSize(6); }, true},
      {"shadow padding", [](TPdfControl& V) { V.SetPageShadowPadding(20); }, true},
      {"control colour, page colour of its own", [](TPdfControl& V) { V.SetColor(0x202020); },
       false},
      {"repaint", [](TPdfControl& V) { V.Refresh(); }, false},
      {"unchanged zoom", [](TPdfControl& V) { V.SetZoomPercentage(V.ZoomPercentage()); }, false},
      {"highlight", [](TPdfControl& V) { V.HightlightText("x", false, false); }, false},
      {"clearing the highlight", [](TPdfControl& V) { V.ClearHighlightText(); }, false},
  };
  for (const TCause& C : Causes) {
    Settle();
    const int Before = Viewer->PageImageRenders();
    C.Change(*Viewer);
    Settle();
    EXPECT_EQ(Viewer->PageImageRenders(), Before + (C.Renders ? 1 : 0)) << C.What;
  }
}

TEST_F(ViewerPaint, UnbufferedDrawingRendersEveryPaintAndHoldsNoImage) {
  MakeViewer(300, 300);
  ShowFittedTestPage(*this, Viewer);
  Viewer->SetBufferedPageDraw(false);
  Viewer->Refresh();
  Settle();
  EXPECT_FALSE(Viewer->HasPageBitmap());
  const int Renders = Viewer->PageImageRenders();
  Viewer->Refresh();
  const TScreenShot S = Shot();
  EXPECT_GT(Viewer->PageImageRenders(), Renders);
  EXPECT_TRUE(IsBlackPixel(S.At(100, 70))) << ColourText(S.At(100, 70));
  EXPECT_TRUE(IsWhitePixel(S.At(200, 200))) << ColourText(S.At(200, 200));
}

// At high zoom only the part of the page on screen is drawn, straight from the engine: the pixels
// are right and the memory stays that of the window, not that of the page.
TEST_F(ViewerPaint, HighZoomShowsTheVisiblePartWithoutAPageSizedImage) {
  MakeViewer(400, 300);
  Load("one-page.pdf");
  Viewer->SetScaleMode(smZoom);
  for (const int Zoom : {1000, 5000, 10000}) {
    const auto MemoryBefore = static_cast<long>(platform::ResidentBytes());
    Viewer->SetZoomPercentage(Zoom);
    Settle();
    EXPECT_FALSE(Viewer->HasPageBitmap()) << Zoom;
    // The square's top-left corner, page point (20, 260), lies at these page pixels.
    const double Scale = 96.0 / 72 * Zoom / 100;
    const int CornerX = static_cast<int>(20 * Scale);
    const int CornerY = static_cast<int>((300 - 260) * Scale);
    Viewer->ScrollContentTo(CornerX - 100, CornerY - 100, false);
    const TScreenShot S = Shot();
    const TRect Page = Viewer->GetPageRect();
    const int X = Page.Left + CornerX;
    const int Y = Page.Top + CornerY;
    ASSERT_EQ(X, 100) << Zoom;
    ASSERT_EQ(Y, 100) << Zoom;
    EXPECT_TRUE(IsWhitePixel(S.At(X - 3, Y + 20))) << Zoom << ColourText(S.At(X - 3, Y + 20));
    EXPECT_TRUE(IsBlackPixel(S.At(X + 3, Y + 20))) << Zoom << ColourText(S.At(X + 3, Y + 20));
    EXPECT_TRUE(IsWhitePixel(S.At(X + 20, Y - 3))) << Zoom << ColourText(S.At(X + 20, Y - 3));
    EXPECT_TRUE(IsBlackPixel(S.At(X + 250, Y + 150))) << Zoom;
    EXPECT_LT(static_cast<long>(platform::ResidentBytes()) - MemoryBefore, 64L << 20)
        << Zoom << ": the whole page would take "
        << (static_cast<long long>(Page.Right - Page.Left) * (Page.Bottom - Page.Top) * 4 >> 20)
        << " MB";
  }
}

TEST_F(ViewerPaint, LargeImageUnderTheThresholdIsCached) {
  MakeViewer(400, 300);
  Load("one-page.pdf");
  Viewer->SetScaleMode(smZoom);
  Viewer->SetZoomPercentage(500); // 1333 x 2000: over the control, under 4096 x 2160
  Settle();
  EXPECT_TRUE(Viewer->HasPageBitmap());
  Viewer->SetZoomPercentage(600); // 1600 x 2400: 3.84 million pixels, still cached
  Settle();
  EXPECT_TRUE(Viewer->HasPageBitmap());
  Viewer->SetZoomPercentage(900); // 2400 x 3600: 8.64 million, just under the threshold
  Settle();
  EXPECT_TRUE(Viewer->HasPageBitmap());
  Viewer->SetZoomPercentage(1000); // 2667 x 4000: over
  Settle();
  EXPECT_FALSE(Viewer->HasPageBitmap());
}

} // namespace
