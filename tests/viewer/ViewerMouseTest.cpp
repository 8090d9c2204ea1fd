// The mouse on the viewer, through the X server: dragging over text, double and triple clicks,
// copying to the X clipboard, scrolling by itself while a drag is above the control, the cursor
// and web links.
#include "TextFixture.h"
#include "ViewerTestSupport.h"
#include "XClipboard.h"

#include "PointerInput.h"

#include "engine/PdfUnicode.h"

#include <wx/settings.h>

namespace {

class ViewerMouse : public TViewerTest {
protected:
  void ShowText() {
    MakeViewer(400, 300);
    Load("text.pdf");
  }
  std::string Selected() { return Utf16ToUtf8(Viewer->SelText()); }
  static int DoubleClickTime() {
    const int Time = wxSystemSettings::GetMetric(wxSYS_DCLICK_MSEC);
    return Time > 0 ? Time : 500;
  }
};

TEST_F(ViewerMouse, DragSelectsALineAndCtrlCCopiesItForOtherPrograms) {
  ShowText();
  // From the left of "H" to the "d": the first line. (Right of the "d" the nearest character is
  // the line's end.)
  const TPoint H = CharCentre(0);
  DragFromTo({H.X - 12, H.Y}, CharCentre(10));
  EXPECT_EQ(Selected(), "Hello World");
  EXPECT_EQ(Viewer->SelStart(), 0);
  EXPECT_EQ(Viewer->SelLength(), 11);
  EXPECT_EQ(wxWindow::FindFocus(), Viewer) << "a press takes the focus";
  Key('C', wxMOD_CONTROL);
  EXPECT_EQ(ReadXClipboard(), "Hello World");

  // Backwards over the end of the second line and into the third.
  DragFromTo(CharCentre(Line3Start + 4), CharCentre(Line2Start + int(Line2.size()) - 5));
  EXPECT_EQ(Selected(), "today\r\nhello");
  EXPECT_EQ(Viewer->SelStart(), Line2Start + int(Line2.size()) - 5);
}

TEST_F(ViewerMouse, ASingleClickSelectsNothing) {
  ShowText();
  DragFromTo(CharCentre(0), CharCentre(4));
  ASSERT_EQ(Viewer->SelLength(), 5);
  ClickAt(CharCentre(7));
  EXPECT_EQ(Viewer->SelLength(), 0);
  EXPECT_EQ(Selected(), "");
}

TEST_F(ViewerMouse, DoubleClickSelectsAWordAndAThirdClickItsLine) {
  ShowText();
  const TPoint Hello = CharCentre(Line3Start + 8); // inside "HELLO"
  DoubleClickAt(Hello);
  EXPECT_EQ(Selected(), "HELLO");
  ClickAt(Hello);
  EXPECT_EQ(Selected(), Utf16ToUtf8(Line3));
  // Dragging after the line selection does not change it: the press was used up.
  MoveTo(CharCentre(Line3Start + 1));
  EXPECT_EQ(Selected(), Utf16ToUtf8(Line3));
}

TEST_F(ViewerMouse, AThirdClickAfterTheDoubleClickTimeStartsANewAnchor) {
  ShowText();
  const TPoint World = CharCentre(8);
  DoubleClickAt(World);
  ASSERT_EQ(Selected(), "World");
  PumpEvents(DoubleClickTime() + 150);
  ClickAt(World);
  EXPECT_EQ(Selected(), "") << "a plain click: the anchor, no selection";
  // The new anchor is where the third click was.
  DragFromTo(World, CharCentre(10));
  EXPECT_EQ(Selected(), "rld");
}

TEST_F(ViewerMouse, ADoubleClickOnTheSpaceBeforeAWordSelectsThatWord) {
  ShowText();
  DoubleClickAt(CharCentre(5)); // the space between "Hello" and "World"
  EXPECT_EQ(Selected(), "World");
}

TEST_F(ViewerMouse, DragAboveTheControlScrollsUpTickByTickUntilTheTop) {
  MakeViewer(400, 300);
  Load("text.pdf");
  Viewer->SetScaleMode(smZoom);
  Viewer->SetZoomPercentage(300); // 1200 x 800 pixels: both bars
  Settle();
  ASSERT_TRUE(Viewer->VertScrollBar().Shown());
  Viewer->ScrollContentTo(0, 110, false);
  Settle();
  ASSERT_EQ(Viewer->VertScrollBar().Position(), 110);
  const int Horz = Viewer->HorzScrollBar().Position();

  std::vector<int> Positions;
  MoveTo(100, 200); // on the second line
  Press();
  MoveTo(100, -30);
  PumpUntil(
      [&] {
        const int P = Viewer->VertScrollBar().Position();
        if (Positions.empty() || Positions.back() != P)
          Positions.push_back(P);
        return P == 0;
      },
      3000);
  PumpEvents(150); // more ticks change nothing at the top
  Release();
  EXPECT_EQ(Positions, (std::vector<int>{110, 85, 60, 35, 10, 0}));
  EXPECT_EQ(Viewer->VertScrollBar().Position(), 0);
  EXPECT_EQ(Viewer->HorzScrollBar().Position(), Horz) << "one axis only";
  EXPECT_GT(Viewer->SelLength(), 0) << "the drag selected text on its way";

  // Released, the timer is gone: nothing moves any more.
  Viewer->ScrollContentTo(0, 110, false);
  PumpEvents(200);
  EXPECT_EQ(Viewer->VertScrollBar().Position(), 110);

  // Without the scroll timer a drag above the control scrolls nothing.
  Viewer->SetScrollTimer(false);
  MoveTo(100, 100);
  Press();
  MoveTo(100, -30);
  PumpEvents(400);
  Release();
  EXPECT_EQ(Viewer->VertScrollBar().Position(), 110);
}

TEST_F(ViewerMouse, DragBelowAFullyVisiblePageScrollsNothing) {
  ShowText(); // the page fits: no bars
  MoveTo(CharCentre(0));
  Press();
  MoveTo(100, 400);
  PumpEvents(300);
  Release();
  EXPECT_FALSE(Viewer->VertScrollBar().Shown());
  EXPECT_EQ(Viewer->GetPageRect().Top, 16) << "the page did not move";
}

TEST_F(ViewerMouse, TheCursorShowsTextAndLinksTheHandOnlyWithALinkHandler) {
  ShowText();
  const TPoint OnUrl = CharCentre(UrlStart + 10);
  MoveTo(OnUrl);
  EXPECT_EQ(Viewer->Cursor(), crIBeam) << "without a handler the link is text";
  Viewer->SetOnWebLinkClick([](TPdfControl&, const std::string&) {});
  MoveTo(OnUrl.X + 1, OnUrl.Y);
  EXPECT_EQ(Viewer->Cursor(), crHandPoint);
  MoveTo(CharCentre(Line2Start + 1)); // "Visit"
  EXPECT_EQ(Viewer->Cursor(), crIBeam);
  MoveTo(350, 250); // blank paper
  EXPECT_EQ(Viewer->Cursor(), crDefault);
  MoveTo(OnUrl);
  ASSERT_EQ(Viewer->Cursor(), crHandPoint);
  // Leaving the control gives the arrow back.
  const wxPoint Outside = Viewer->ClientToScreen(wxPoint(-20, 150));
  SendPointerMove(Outside.x, Outside.y);
  PumpEvents(60);
  EXPECT_EQ(Viewer->Cursor(), crDefault);
}

TEST_F(ViewerMouse, APlainClickOnALinkRaisesItAndASelectingDragDoesNot) {
  ShowText();
  std::vector<std::string> Clicked;
  Viewer->SetOnWebLinkClick([&](TPdfControl& Sender, const std::string& U) {
    EXPECT_EQ(&Sender, Viewer);
    Clicked.push_back(U);
  });
  ClickAt(CharCentre(UrlStart + 3));
  EXPECT_EQ(Clicked, std::vector<std::string>{Url});
  DragFromTo(CharCentre(UrlStart + 2), CharCentre(UrlStart + 12));
  EXPECT_EQ(Selected(), "tps://examp");
  EXPECT_EQ(Clicked.size(), 1u) << "a click that selected text does not follow the link";
  // Beside the link nothing is raised.
  ClickAt(CharCentre(Line2Start + 1));
  EXPECT_EQ(Clicked.size(), 1u);

  std::string Found = "stale";
  EXPECT_FALSE(Viewer->IsWebLinkAt(350, 250, Found));
  EXPECT_EQ(Found, "");
  const TPoint On = CharCentre(UrlStart + 5);
  EXPECT_TRUE(Viewer->IsWebLinkAt(On.X, On.Y, Found));
  EXPECT_EQ(Found, Url);
}

TEST_F(ViewerMouse, WithoutTextSelectionDragsSelectNothing) {
  ShowText();
  Viewer->SetAllowUserTextSelection(false);
  DragFromTo(CharCentre(0), CharCentre(10));
  EXPECT_EQ(Viewer->SelLength(), 0);
  DoubleClickAt(CharCentre(8));
  EXPECT_EQ(Viewer->SelLength(), 0);
}

TEST_F(ViewerMouse, TextInARectangle) {
  ShowText();
  const TRect Line = Viewer->PageToDevice(TPdfRect{15, 185, 200, 150});
  EXPECT_EQ(Utf16ToUtf8(Viewer->GetTextInRect(Line)), "Hello World");
  Viewer->Close();
  EXPECT_EQ(Utf16ToUtf8(Viewer->GetTextInRect(Line)), "");
}

TEST_F(ViewerMouse, ClosingTheWindowDuringADragStopsItsTimers) {
  MakeViewer(400, 300);
  Load("text.pdf");
  Viewer->SetScaleMode(smZoom);
  Viewer->SetZoomPercentage(300);
  Settle();
  Viewer->ScrollContentTo(0, 200, false);
  MoveTo(100, 100);
  Press();
  MoveTo(100, -30);
  PumpEvents(120);
  Frame->Destroy();
  Frame = nullptr;
  PumpEvents(200); // no tick reaches the destroyed control
  Release();
}

} // namespace
