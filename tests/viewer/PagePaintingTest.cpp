// The drawing steps of a paint, on an off-screen surface: background bands, border, shadow,
// blended overlays, and which pages are drawn without a cache.
#include "viewer/PagePainting.h"
#include "viewer/OffscreenSurface.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor Red = 0x0000FF; // 0x00BBGGRR
constexpr TColor Blue = 0xFF0000;
constexpr TColor Green = 0x00FF00;
constexpr std::uint32_t RedPixel = 0xFFFF0000; // 0xAARRGGBB
constexpr std::uint32_t BluePixel = 0xFF0000FF;
constexpr std::uint32_t GreenPixel = 0xFF00FF00;

TEST(PagePainting, ColoursBecomeOpaquePixels) {
  EXPECT_EQ(ColorToPixel(Red), RedPixel);
  EXPECT_EQ(ColorToPixel(clGray), 0xFF808080u);
  EXPECT_EQ(ColorToPixel(0x563412), 0xFF123456u);
}

TEST(PagePainting, BackgroundBandsLeaveThePageAlone) {
  TOffscreenSurface S({0, 0, 100, 80});
  S.Surface().Fill(GreenPixel);
  FillBackgroundBands(S, 100, 80, {20, 10, 70, 60}, Blue);
  for (const auto& [X, Y] : {std::pair{0, 0}, {99, 9}, {19, 30}, {70, 30}, {50, 60}, {99, 79}})
    EXPECT_EQ(S.PixelAt(X, Y), BluePixel) << X << "," << Y;
  for (const auto& [X, Y] : {std::pair{20, 10}, {69, 59}, {45, 30}})
    EXPECT_EQ(S.PixelAt(X, Y), GreenPixel) << X << "," << Y;
}

TEST(PagePainting, SurfaceDrawsInClientCoordinatesOfItsArea) {
  TOffscreenSurface S({50, 40, 60, 50}); // a 10 x 10 area of the client
  S.FillRect({0, 0, 55, 45}, Red);       // reaches into the area's top-left quarter
  EXPECT_EQ(S.PixelAt(50, 40), RedPixel);
  EXPECT_EQ(S.PixelAt(54, 44), RedPixel);
  EXPECT_EQ(S.PixelAt(55, 44), 0u);
  TPdfSurface Image(4, 4);
  Image.Fill(BluePixel);
  S.DrawImage(Image, 58, 48); // half outside
  EXPECT_EQ(S.PixelAt(59, 49), BluePixel);
  EXPECT_EQ(S.PixelAt(57, 49), 0u);
}

TEST(PagePainting, BorderCoversTheOutermostPixelsAndTheShadowIsOffsetBySize) {
  TOffscreenSurface S({0, 0, 40, 40});
  S.Surface().Fill(GreenPixel);
  PaintBorderShadow(S, {10, 10, 20, 20}, Red, Blue, 3);
  EXPECT_EQ(S.PixelAt(10, 10), RedPixel);
  EXPECT_EQ(S.PixelAt(19, 15), RedPixel);
  EXPECT_EQ(S.PixelAt(15, 19), RedPixel);
  EXPECT_EQ(S.PixelAt(15, 15), GreenPixel) << "inside the border";
  // Right strip (20, 13) .. (23, 23), bottom strip (13, 20) .. (23, 23).
  EXPECT_EQ(S.PixelAt(20, 13), BluePixel);
  EXPECT_EQ(S.PixelAt(22, 22), BluePixel);
  EXPECT_EQ(S.PixelAt(13, 20), BluePixel);
  EXPECT_EQ(S.PixelAt(20, 12), GreenPixel) << "the shadow starts Size below the top";
  EXPECT_EQ(S.PixelAt(12, 20), GreenPixel);
  EXPECT_EQ(S.PixelAt(23, 23), GreenPixel);
}

TEST(PagePainting, NoBorderOrShadowWithoutColourOrSize) {
  for (const auto& [Border, Shadow, Size] :
       {std::tuple{clNone, clNone, 4}, {clNone, Blue, 0}, {clNone, Blue, -2}}) {
    TOffscreenSurface S({0, 0, 40, 40});
    S.Surface().Fill(GreenPixel);
    PaintBorderShadow(S, {10, 10, 20, 20}, Border, Shadow, Size);
    for (int Y = 0; Y < 40; ++Y)
      for (int X = 0; X < 40; ++X)
        ASSERT_EQ(S.PixelAt(X, Y), GreenPixel) << X << "," << Y;
  }
}

TEST(PagePainting, OverlaysBlendAtHalfOpacityOverWhatIsThere) {
  TOffscreenSurface S({0, 0, 30, 30});
  S.Surface().Fill(0xFFFFFFFF);
  BlendRects(S, {{5, 5, 10, 10}, {22, 12, 18, 20}}, SelectionColor); // the second one reversed
  // 0xFE8E32 is red 50, green 142, blue 254 over white at 127/255.
  const std::uint32_t Expected = 0xFF000000 | ((50 * 127 + 255 * 128) / 255) << 16 |
                                 ((142 * 127 + 255 * 128) / 255) << 8 |
                                 ((254 * 127 + 255 * 128) / 255);
  EXPECT_EQ(S.PixelAt(5, 5), Expected);
  EXPECT_EQ(S.PixelAt(9, 9), Expected);
  EXPECT_EQ(S.PixelAt(10, 10), 0xFFFFFFFFu);
  EXPECT_EQ(S.PixelAt(20, 15), Expected);
  // Blending twice over the same spot darkens it further: the overlay is not opaque.
  BlendRects(S, {{5, 5, 6, 6}}, SelectionColor);
  EXPECT_NE(S.PixelAt(5, 5), Expected);
}

TEST(PagePainting, DirectDrawingAsTable) {
  struct TCase {
    const char* What;
    bool Buffered;
    int DrawW, DrawH, W, H;
    bool Direct;
  } Cases[] = {
      {"larger than control and threshold", true, 5000, 4000, 1000, 800, true},
      {"larger than the control, under the threshold", true, 2000, 2000, 1000, 800, false},
      {"over the threshold, not larger than the control", true, 3000, 3000, 4000, 4000, false},
      {"buffering off", false, 10, 10, 1000, 800, true},
      {"10000 % of a letter page: the area needs 64 bits", true, 81600, 105600, 1000, 800, true},
  };
  for (const TCase& C : Cases)
    EXPECT_EQ(IsDirectPageDraw(C.Buffered, C.DrawW, C.DrawH, C.W, C.H), C.Direct) << C.What;
}

} // namespace
