// The search highlight read back from the screen: every match painted at 127/255 in the highlight
// colour, recomputed on each page shown, and cleared by repainting exactly what it covered.
#include "ViewerTestSupport.h"

#include "viewer/ClientRect.h"

namespace {

// text-pages.pdf: "fox" three times on the first page, once on the second.
constexpr int FirstPageFoxes[] = {16, 41, 49};
constexpr int SecondPageFox = 4;
constexpr int FirstPageQuick = 4;

// White paper under the highlight colour (red 254, green 142, blue 50) at 127/255.
constexpr std::uint32_t Blend(unsigned Paper, unsigned Colour) {
  return (Colour * 127 + Paper * 128) / 255;
}
constexpr std::uint32_t HighlightedPaper =
    Blend(255, 254) << 16 | Blend(255, 142) << 8 | Blend(255, 50);

// A viewer that notes every area it asks the toolkit to repaint.
class TRecordingViewer : public TPdfControl {
public:
  using TPdfControl::TPdfControl;
  void Refresh(bool EraseBackground, const wxRect* Rect) override {
    if (Rect)
      Repainted.push_back({Rect->x, Rect->y, Rect->GetRight() + 1, Rect->GetBottom() + 1});
    TPdfControl::Refresh(EraseBackground, Rect);
  }
  std::vector<TRect> Repainted;
};

class ViewerHighlight : public TViewerTest {
protected:
  void ShowPages() {
    MakeViewer(400, 300);
    Load("text-pages.pdf");
  }
  // The client rectangles of a character range of the current page.
  std::vector<TRect> RangeRects(int CharIndex, int Count) {
    TPdfPage* Page = Viewer->CurrentPage();
    std::vector<TRect> Result;
    const int N = Page->GetTextRectCount(CharIndex, Count);
    for (int I = 0; I < N; ++I)
      Result.push_back(NormalizedRect(Viewer->PageToDevice(Page->GetTextRect(I))));
    return Result;
  }
  // The share of the rectangle's pixels that show highlighted paper.
  static double HighlightedShare(const TScreenShot& S, const TRect& R) {
    int Hits = 0;
    for (int Y = R.Top; Y < R.Bottom; ++Y)
      for (int X = R.Left; X < R.Right; ++X)
        Hits += S.At(X, Y) == HighlightedPaper;
    return double(Hits) / ((R.Right - R.Left) * (R.Bottom - R.Top));
  }
};

TEST_F(ViewerHighlight, EveryMatchIsPaintedAndFollowsThePages) {
  ShowPages();
  Viewer->HightlightText("FOX", false, true);
  TScreenShot S = Shot();
  for (const int Fox : FirstPageFoxes) {
    const std::vector<TRect> Rects = RangeRects(Fox, 3);
    ASSERT_EQ(Rects.size(), 1u) << Fox;
    EXPECT_GT(HighlightedShare(S, Rects[0]), 0.3) << "match at " << Fox;
  }
  const TRect Quick = RangeRects(FirstPageQuick, 5)[0];
  EXPECT_EQ(HighlightedShare(S, Quick), 0.0) << "no match there";

  // The next page gets its own matches; the first page's places show paper again.
  const std::vector<TRect> Old = RangeRects(FirstPageFoxes[0], 3);
  Viewer->GotoNextPage();
  S = Shot();
  EXPECT_GT(HighlightedShare(S, RangeRects(SecondPageFox, 3)[0]), 0.3);
  EXPECT_EQ(HighlightedShare(S, Old[0]), 0.0);

  // Match case: "FOX" is nowhere.
  Viewer->HightlightText("FOX", true, true);
  S = Shot();
  EXPECT_EQ(HighlightedShare(S, RangeRects(SecondPageFox, 3)[0]), 0.0);
}

TEST_F(ViewerHighlight, ClearingRepaintsExactlyTheOldRectangles) {
  MakeViewer(400, 300, [](wxWindow* Parent) { return new TRecordingViewer(Parent); });
  Load("text-pages.pdf");
  Viewer->HightlightText("fox", false, true);
  Settle();
  std::vector<TRect> Expected;
  for (const int Fox : FirstPageFoxes)
    for (const TRect& R : RangeRects(Fox, 3))
      Expected.push_back(R);

  const int Renders = Viewer->PageImageRenders();
  auto& Recording = static_cast<TRecordingViewer&>(*Viewer);
  Recording.Repainted.clear();
  Viewer->ClearHighlightText();
  EXPECT_EQ(Recording.Repainted, Expected);
  const TScreenShot S = Shot();
  EXPECT_EQ(Viewer->PageImageRenders(), Renders) << "the page image is kept";
  for (const TRect& R : Expected)
    EXPECT_EQ(HighlightedShare(S, R), 0.0);

  // The highlight stays cleared on the next page.
  Viewer->GotoNextPage();
  EXPECT_EQ(HighlightedShare(Shot(), RangeRects(SecondPageFox, 3)[0]), 0.0);
}

TEST_F(ViewerHighlight, ASelectionIsPaintedInTheSelectionColour) {
  ShowPages();
  Viewer->SelectText(FirstPageQuick, 5);
  const TScreenShot S = Shot();
  const TRect Quick = RangeRects(FirstPageQuick, 5)[0];
  constexpr std::uint32_t SelectedPaper =
      Blend(255, 50) << 16 | Blend(255, 142) << 8 | Blend(255, 254);
  int Hits = 0;
  for (int Y = Quick.Top; Y < Quick.Bottom; ++Y)
    for (int X = Quick.Left; X < Quick.Right; ++X)
      Hits += S.At(X, Y) == SelectedPaper;
  EXPECT_GT(Hits, (Quick.Right - Quick.Left) * (Quick.Bottom - Quick.Top) / 2);
}

} // namespace
