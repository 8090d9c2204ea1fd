// The viewer control's state: properties, loading and closing, pages and their events, the layout
// and the scroll bars it shows, scrolling.
#include "ViewerTestSupport.h"

#include "engine/PdfException.h"

#include <stdexcept>

namespace {

using ViewerControl = TViewerTest;

TEST_F(ViewerControl, StartsEmptyWithItsInitialValues) {
  MakeViewer();
  EXPECT_EQ(Viewer->ScaleMode(), smFitAuto);
  EXPECT_EQ(Viewer->ZoomPercentage(), 100);
  EXPECT_EQ(Viewer->PageColor(), clWhite);
  EXPECT_EQ(Viewer->Rotation(), prNormal);
  EXPECT_TRUE(Viewer->BufferedPageDraw());
  EXPECT_TRUE(Viewer->AllowUserTextSelection());
  EXPECT_TRUE(Viewer->AllowUserPageChange());
  EXPECT_TRUE(Viewer->AllowFormEvents());
  EXPECT_TRUE(Viewer->DrawOptions().Empty());
  EXPECT_FALSE(Viewer->SmoothScroll());
  EXPECT_TRUE(Viewer->ScrollTimer());
  EXPECT_EQ(Viewer->PageBorderColor(), clNone);
  EXPECT_EQ(Viewer->PageShadowColor(), clNone);
  EXPECT_EQ(Viewer->PageShadowSize(), 4);
  EXPECT_EQ(Viewer->PageShadowPadding(), 44);
  EXPECT_EQ(Viewer->Color(), clGray);
  EXPECT_EQ(Viewer->PageCount(), 0);
  EXPECT_EQ(Viewer->CurrentPage(), nullptr);
  EXPECT_FALSE(Viewer->Document().Active());
  // Nothing but the background shows.
  const TScreenShot S = Shot();
  for (const auto& [X, Y] : {std::pair{0, 0}, {200, 150}, {399, 299}})
    EXPECT_EQ(S.At(X, Y), 0x808080u) << X << "," << Y << " " << ColourText(S.At(X, Y));
}

TEST_F(ViewerControl, EveryLoadRaisesOnePageChangeAlsoWhenItFails) {
  MakeViewer();
  int Changes = 0;
  Viewer->SetOnPageChange([&](TPdfControl& Sender) {
    EXPECT_EQ(&Sender, Viewer);
    ++Changes;
  });
  Load("three-pages.pdf");
  EXPECT_EQ(Changes, 1) << "page 0 was already the index before the load";
  EXPECT_EQ(Viewer->PageCount(), 3);
  EXPECT_NE(Viewer->CurrentPage(), nullptr);
  Viewer->SetPageIndex(2);
  EXPECT_EQ(Changes, 2);

  int ChangesWhenRaised = -1;
  try {
    Viewer->LoadFromFile(Fixture("not-a-pdf.pdf"));
    ADD_FAILURE() << "no error";
  } catch (const EPdfException& E) {
    ChangesWhenRaised = Changes;
    EXPECT_STREQ(E.what(), "File is not a PDF document or is corrupted");
  }
  EXPECT_EQ(ChangesWhenRaised, 3) << "the event comes before the error";
  EXPECT_EQ(Viewer->PageIndex(), 0);
  EXPECT_EQ(Viewer->PageCount(), 0);
  EXPECT_FALSE(Viewer->Document().Active());
}

TEST_F(ViewerControl, PageIndexIsClampedAndOnlyRealChangesRaiseTheEvent) {
  MakeViewer();
  Load("three-pages.pdf");
  int Changes = 0;
  Viewer->SetOnPageChange([&](TPdfControl&) { ++Changes; });
  Viewer->SetPageIndex(-5);
  EXPECT_EQ(Viewer->PageIndex(), 0);
  EXPECT_EQ(Changes, 0) << "page 0 is shown already";
  Viewer->SetPageIndex(Viewer->PageCount() + 3);
  EXPECT_EQ(Viewer->PageIndex(), 2);
  EXPECT_EQ(Changes, 1);
  EXPECT_FALSE(Viewer->GotoNextPage());
  EXPECT_EQ(Changes, 1);
  EXPECT_TRUE(Viewer->GotoPrevPage());
  EXPECT_EQ(Viewer->PageIndex(), 1);
  // Only the page on screen keeps its engine page.
  EXPECT_FALSE(Viewer->Document().IsPageLoaded(2));
  EXPECT_TRUE(Viewer->Document().IsPageLoaded(1));
  Viewer->SetPageIndex(0);
  EXPECT_FALSE(Viewer->GotoPrevPage());
  EXPECT_EQ(Changes, 3);
}

TEST_F(ViewerControl, CloseEmptiesWithoutPageChange) {
  MakeViewer();
  Load("three-pages.pdf");
  Viewer->SetPageIndex(1);
  int Changes = 0;
  Viewer->SetOnPageChange([&](TPdfControl&) { ++Changes; });
  Viewer->Close();
  EXPECT_EQ(Viewer->PageCount(), 0);
  EXPECT_EQ(Viewer->PageIndex(), 0);
  EXPECT_FALSE(Viewer->GotoNextPage());
  EXPECT_EQ(Changes, 0);
  const TScreenShot S = Shot();
  EXPECT_EQ(S.At(200, 150), 0x808080u) << ColourText(S.At(200, 150));
}

TEST_F(ViewerControl, ZoomIsClampedAndAnUnchangedValueRepaintsNothing) {
  MakeViewer();
  Load("one-page.pdf");
  Viewer->SetZoomPercentage(0);
  EXPECT_EQ(Viewer->ZoomPercentage(), 1);
  Viewer->SetZoomPercentage(20000);
  EXPECT_EQ(Viewer->ZoomPercentage(), 10000);
  Viewer->SetScaleMode(smZoom);
  Viewer->SetZoomPercentage(150);
  Settle();
  int Paints = 0;
  Viewer->SetOnPaint([&](TPdfControl&) { ++Paints; });
  Viewer->SetZoomPercentage(150);
  Viewer->SetScaleMode(smZoom);
  Viewer->SetRotation(prNormal);
  Settle();
  EXPECT_EQ(Paints, 0);
  Viewer->SetZoomPercentage(151);
  Settle();
  EXPECT_GE(Paints, 1);
}

TEST_F(ViewerControl, ZoomedPageLaysOutWithTheBarsItNeeds) {
  MakeViewer(500, 300);
  Load("one-page.pdf"); // 200 x 300 points
  Viewer->SetScaleMode(smZoom);
  Settle();
  // 200 x 300 points at 96 dpi: 267 x 400 pixels, higher than the control; the vertical bar's
  // width comes off the width in which the page is centred.
  const int Bar = Viewer->GetSize().x - Viewer->GetClientSize().x;
  EXPECT_GT(Bar, 0) << "the toolkit shows the vertical bar";
  EXPECT_EQ(Viewer->GetClientSize().y, 300) << "and no horizontal one";
  EXPECT_EQ(Viewer->GetPageRect(),
            (TRect{(500 - Bar - 267) / 2, 0, (500 - Bar - 267) / 2 + 267, 400}));
  EXPECT_TRUE(Viewer->VertScrollBar().Shown());
  EXPECT_FALSE(Viewer->HorzScrollBar().Shown());
  EXPECT_EQ(Viewer->VertScrollBar().Maximum(), 400);
  EXPECT_EQ(Viewer->VertScrollBar().Page(), 300);
  // Fitted to the width instead, the page no longer needs the bar.
  Viewer->SetScaleMode(smFitHeight);
  Settle();
  EXPECT_FALSE(Viewer->VertScrollBar().Shown());
  EXPECT_EQ(Viewer->GetClientSize(), wxSize(500, 300));
  EXPECT_EQ(Viewer->GetPageRect(), (TRect{150, 0, 350, 300}));
}

TEST_F(ViewerControl, FitWidthOfATallPageGivesTheBarItsWidth) {
  MakeViewer(300, 200);
  Load("one-page.pdf");
  Viewer->SetScaleMode(smFitWidth);
  Settle();
  const int Bar = Viewer->GetSize().x - Viewer->GetClientSize().x;
  ASSERT_GT(Bar, 0);
  const TRect Page = Viewer->GetPageRect();
  EXPECT_EQ(Page.Right - Page.Left, 300 - Bar);
  EXPECT_EQ(Page.Left, 0);
}

TEST_F(ViewerControl, ScrollContentMovesWithinTheRangeOnly) {
  MakeViewer(300, 200);
  Load("one-page.pdf");
  Viewer->SetScaleMode(smZoom); // 267 x 400: only the vertical bar
  Settle();
  const TRect Top = Viewer->GetPageRect();
  EXPECT_FALSE(Viewer->ScrollContent(0, -10, false)) << "at the top already";
  EXPECT_FALSE(Viewer->ScrollContent(40, 0, false)) << "no horizontal bar";
  EXPECT_TRUE(Viewer->ScrollContent(0, 30, false));
  EXPECT_EQ(Viewer->GetPageRect().Top, Top.Top - 30);
  EXPECT_TRUE(Viewer->ScrollContent(0, 100000, false));
  EXPECT_EQ(Viewer->VertScrollBar().Position(), 400 - 200 + 1);
  EXPECT_EQ(Viewer->GetPageRect().Top, -201);
  EXPECT_FALSE(Viewer->ScrollContent(0, 25, false));
  EXPECT_TRUE(Viewer->ScrollContentTo(0, 10, false));
  EXPECT_EQ(Viewer->VertScrollBar().Position(), 10);
  EXPECT_EQ(Viewer->GetScrollPos(wxVERTICAL), 10) << "the toolkit's bar shows the position";
}

TEST_F(ViewerControl, PageTurnsWithAndWithoutScrollTransition) {
  MakeViewer(400, 300);
  Load("drawing.pdf"); // eight pages of one size
  Viewer->SetScaleMode(smZoom);
  Settle();
  Viewer->ScrollContent(40, 200, false);
  ASSERT_EQ(Viewer->VertScrollBar().Position(), 200);
  Viewer->GotoNextPage(true);
  EXPECT_EQ(Viewer->VertScrollBar().Position(), 0) << "forward: the new page's top";
  EXPECT_EQ(Viewer->HorzScrollBar().Position(), 40) << "the horizontal position stays";
  Viewer->GotoPrevPage(true);
  EXPECT_EQ(Viewer->VertScrollBar().Position(), Viewer->VertScrollBar().LastPosition())
      << "backward: the bottom";
  Viewer->GotoNextPage(false);
  EXPECT_EQ(Viewer->VertScrollBar().Position(), 0);
  EXPECT_EQ(Viewer->HorzScrollBar().Position(), 0);
}

TEST_F(ViewerControl, ShadowSettingsReachTheSizeOnlyAtTheNextLayout) {
  MakeViewer(300, 300);
  Load("one-page.pdf");
  Viewer->SetScaleMode(smFitHeight);
  Settle();
  EXPECT_EQ(Viewer->GetPageRect(), (TRect{50, 0, 250, 300}));
  Viewer->SetPageShadowColor(0x404040);
  Settle();
  EXPECT_EQ(Viewer->GetPageRect(), (TRect{50, 0, 250, 300})) << "repainted, not laid out";
  Viewer->SetRotation(pr180); // any layout
  Settle();
  // 300 - 48 high, 200 - 48 wide, centred.
  EXPECT_EQ(Viewer->GetPageRect(), (TRect{74, 24, 226, 276}));
}

TEST_F(ViewerControl, PageTheEngineCannotLoadShowsBackgroundAndIsReported) {
  MakeViewer();
  // The page tree names two pages; the second does not exist.
  Load("missing-page.pdf");
  ASSERT_EQ(Viewer->PageCount(), 2);
  int Changes = 0;
  Viewer->SetOnPageChange([&](TPdfControl&) { ++Changes; });
  EXPECT_THROW(Viewer->SetPageIndex(1), EPdfException);
  EXPECT_EQ(Viewer->PageIndex(), 1);
  EXPECT_EQ(Changes, 1);
  const TScreenShot S = Shot();
  EXPECT_EQ(S.At(200, 150), 0x808080u) << ColourText(S.At(200, 150));
  Viewer->SetPageIndex(0); // the document stays usable
  EXPECT_NE(Viewer->CurrentPage(), nullptr);
}

} // namespace
