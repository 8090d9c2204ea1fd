// Page sizes per scale mode, the scroll bars a page needs, and where the page lies in the control.
#include "viewer/PageLayout.h"

#include <gtest/gtest.h>

namespace {

// A letter page: 612 x 792 points.
TPageExtentParams Letter(TPdfControlScaleMode Mode, int Zoom = 100,
                         TPdfPageRotation Rotation = prNormal, TColor ShadowColor = clNone,
                         double DpiX = 96, double DpiY = 96) {
  return MakePageExtentParams(612, 792, Rotation, DpiX, DpiY, Mode, Zoom, ShadowColor, 4, 44);
}

TEST(PageExtent, ScaleModesAsTable) {
  struct TCase {
    const char* What;
    TPageExtentParams P;
    int Cw, Ch;
    TPageExtent Expected;
  } Cases[] = {
      {"zoom 100 at 96 dpi", Letter(smZoom), 500, 400, {816, 1056}},
      {"zoom 100 with a shadow of 4 and padding 44",
       Letter(smZoom, 100, prNormal, 0x404040),
       500,
       400,
       {768, 1008}},
      {"zoom 250", Letter(smZoom, 250), 500, 400, {2040, 2640}},
      {"zoom ignores the client size", Letter(smZoom, 50), 10, 10, {408, 528}},
      {"fit-auto portrait in a wide control fills the height",
       Letter(smFitAuto),
       1000,
       500,
       {386, 500}},
      {"fit-auto portrait in a narrow control is limited by the width",
       Letter(smFitAuto),
       300,
       800,
       {300, 388}},
      {"fit-auto landscape in a tall control is limited by the width",
       Letter(smFitAuto, 100, pr90Clockwise),
       400,
       900,
       {400, 309}},
      {"fit-width", Letter(smFitWidth), 612, 100, {612, 792}},
      {"fit-height", Letter(smFitHeight), 100, 396, {306, 396}},
      {"fit-width with a shadow keeps its margin",
       Letter(smFitWidth, 100, prNormal, 0x404040),
       612,
       100,
       {564, 744}},
      {"a quarter turn swaps the axes", Letter(smZoom, 100, pr90Clockwise), 10, 10, {1056, 816}},
      {"half a turn does not", Letter(smZoom, 100, pr180), 10, 10, {816, 1056}},
      {"resolutions travel with the page axes",
       Letter(smZoom, 100, pr90CounterClockwide, clNone, 96, 192),
       10,
       10,
       {2112, 816}},
      {"unrotated, each resolution is its own axis'",
       Letter(smZoom, 100, prNormal, clNone, 96, 192),
       10,
       10,
       {816, 2112}},
  };
  for (const TCase& C : Cases)
    EXPECT_EQ(ComputePageExtent(C.P, C.Cw, C.Ch), C.Expected) << C.What;
}

TEST(PageExtent, RoundsHalvesToEven) {
  TPageExtentParams P;
  P.PageWidth = 100;
  P.PageHeight = 125; // the height is 1.25 times the width: halves come out exactly
  P.ScaleMode = smFitWidth;
  EXPECT_EQ(ComputePageExtent(P, 2, 5).Height, 2); // 2.5
  EXPECT_EQ(ComputePageExtent(P, 6, 5).Height, 8); // 7.5
}

TEST(PageExtent, ShadowMarginNeedsColourSizeAndPadding) {
  EXPECT_EQ(
      MakePageExtentParams(612, 792, prNormal, 96, 96, smZoom, 100, 0x404040, 4, 44).ShadowMargin,
      48);
  EXPECT_EQ(
      MakePageExtentParams(612, 792, prNormal, 96, 96, smZoom, 100, clNone, 4, 44).ShadowMargin, 0);
  EXPECT_EQ(
      MakePageExtentParams(612, 792, prNormal, 96, 96, smZoom, 100, 0x404040, 0, 44).ShadowMargin,
      0);
  EXPECT_EQ(
      MakePageExtentParams(612, 792, prNormal, 96, 96, smZoom, 100, 0x404040, 4, 0).ShadowMargin,
      0);
}

TEST(PageLayout, BarsAsTable) {
  constexpr int Bar = 15;
  struct TCase {
    const char* What;
    TPageExtentParams P;
    int Width, Height;
    TPageLayout Expected;
  } Cases[] = {
      {"fit-auto never needs a bar",
       Letter(smFitAuto),
       500,
       400,
       {{309, 400}, false, false, 500, 400}},
      {"fit-width of a tall page: the vertical bar takes its width from the page",
       Letter(smFitWidth),
       500,
       400,
       {{485, 628}, false, true, 485, 400}},
      {"zoom larger than the control in both directions",
       Letter(smZoom),
       500,
       400,
       {{816, 1056}, true, true, 485, 385}},
      {"zoom wider but lower than the control",
       Letter(smZoom, 100, pr90Clockwise),
       800,
       1200,
       {{1056, 816}, true, false, 800, 1185}},
      {"zoom that fits exactly needs no bar",
       Letter(smZoom),
       816,
       1056,
       {{816, 1056}, false, false, 816, 1056}},
      {"zoom one pixel wider than the control",
       Letter(smZoom),
       815,
       2000,
       {{816, 1056}, true, false, 815, 1985}},
      // The vertical bar makes the view narrower than the page: the horizontal bar comes too, and
      // its room is taken off the height, so the page's bottom rows can be scrolled into view.
      {"the vertical bar brings the horizontal one",
       Letter(smZoom),
       820,
       600,
       {{816, 1056}, true, true, 805, 585}},
  };
  for (const TCase& C : Cases)
    EXPECT_EQ(ComputePageLayout(C.P, C.Width, C.Height, Bar, Bar), C.Expected) << C.What;
}

TEST(PlacePage, CentresSmallerPagesAndScrollsLargerOnes) {
  struct TCase {
    const char* What;
    int W, H;
    TPageExtent Page;
    int HPos, VPos;
    TPoint Expected;
  } Cases[] = {
      {"centred both ways", 500, 400, {300, 200}, 0, 0, {100, 100}},
      {"odd room truncates", 501, 401, {300, 200}, 0, 0, {100, 100}},
      {"wider than the view: left edge, centred vertically", 500, 400, {800, 200}, 0, 0, {0, 100}},
      {"scrolled right by 30", 500, 400, {800, 200}, 30, 0, {-30, 100}},
      {"scrolled both ways", 500, 400, {800, 900}, 30, 70, {-30, -70}},
  };
  for (const TCase& C : Cases)
    EXPECT_EQ(PlacePage(C.W, C.H, C.Page, C.HPos, C.VPos), C.Expected) << C.What;
}

} // namespace
