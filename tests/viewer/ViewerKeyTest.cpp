// The keyboard on the viewer, through the X server: scrolling, page turns, the first and last page,
// copying and selecting all, and the keys the control keeps from focus navigation.
#include "ViewerTestSupport.h"
#include "XClipboard.h"

#include "engine/PdfUnicode.h"

namespace {

class ViewerKeys : public TViewerTest {
protected:
  // drawing.pdf: eight A3 landscape sheets of one size.
  void ShowDrawing(TPdfControlScaleMode Mode) {
    MakeViewer(400, 300);
    Load("drawing.pdf");
    Viewer->SetScaleMode(Mode);
    Settle();
    Focus();
  }
  void Focus() {
    Viewer->SetFocus();
    ASSERT_TRUE(PumpUntil([this] { return wxWindow::FindFocus() == Viewer; }));
  }
  int Vert() const { return Viewer->VertScrollBar().Position(); }
  int Horz() const { return Viewer->HorzScrollBar().Position(); }
  // Counts the character events the viewer lets through: a key the control used up makes none.
  void CountCharacters() {
    Viewer->Bind(wxEVT_CHAR, [this](wxKeyEvent& E) {
      ++Characters;
      E.Skip();
    });
  }
  int Characters = 0;
};

TEST_F(ViewerKeys, ArrowsScrollByStepsShiftByLargerOnes) {
  ShowDrawing(smZoom); // 1588 x 1123 pixels: both bars
  ASSERT_TRUE(Viewer->VertScrollBar().Shown());
  ASSERT_TRUE(Viewer->HorzScrollBar().Shown());
  const struct {
    int Key, Modifiers, Horz, Vert;
  } Steps[] = {
      {WXK_DOWN, wxMOD_NONE, 0, 25},    {WXK_DOWN, wxMOD_SHIFT, 0, 75},
      {WXK_UP, wxMOD_NONE, 0, 50},      {WXK_RIGHT, wxMOD_NONE, 25, 50},
      {WXK_RIGHT, wxMOD_SHIFT, 75, 50}, {WXK_LEFT, wxMOD_NONE, 50, 50},
      {WXK_UP, wxMOD_SHIFT, 50, 0},
  };
  for (const auto& S : Steps) {
    Key(S.Key, S.Modifiers);
    EXPECT_EQ(Horz(), S.Horz) << S.Key << " " << S.Modifiers;
    EXPECT_EQ(Vert(), S.Vert) << S.Key << " " << S.Modifiers;
  }
  EXPECT_EQ(Viewer->PageIndex(), 0) << "arrows never turn pages";
}

TEST_F(ViewerKeys, ArrowsAndTabStayWithTheControl) {
  MakeViewer(400, 300);
  AddButtonBelow(); // a second control that could take the focus
  Load("drawing.pdf");
  Focus();
  for (const int K : {WXK_TAB, WXK_DOWN, WXK_RIGHT, WXK_UP, WXK_LEFT}) {
    Key(K);
    EXPECT_EQ(wxWindow::FindFocus(), Viewer) << K;
  }
}

TEST_F(ViewerKeys, PageDownTurnsAtOnceWhenThePageIsFullyVisible) {
  ShowDrawing(smFitAuto);
  ASSERT_FALSE(Viewer->VertScrollBar().Shown());
  int Changes = 0;
  Viewer->SetOnPageChange([&](TPdfControl&) { ++Changes; });
  Key(WXK_PAGEDOWN);
  EXPECT_EQ(Viewer->PageIndex(), 1);
  Key(WXK_PAGEDOWN);
  Key(WXK_PAGEUP);
  EXPECT_EQ(Viewer->PageIndex(), 1);
  EXPECT_EQ(Changes, 3);
  Viewer->SetAllowUserPageChange(false);
  Key(WXK_PAGEDOWN);
  EXPECT_EQ(Viewer->PageIndex(), 1);
}

TEST_F(ViewerKeys, PageDownPagesThroughThePageAndTurnsAtItsEnd) {
  ShowDrawing(smZoom);
  const TScrollBarModel& Bar = Viewer->VertScrollBar();
  ASSERT_TRUE(Bar.Shown());
  const int Page = Bar.Page();
  std::vector<int> Positions;
  while (Viewer->PageIndex() == 0 && Positions.size() < 20) {
    Key(WXK_PAGEDOWN);
    Positions.push_back(Vert());
  }
  ASSERT_EQ(Viewer->PageIndex(), 1);
  EXPECT_EQ(Positions.back(), 0) << "the next page at its top";
  // Each press before the turn moved by the visible height, the last one up to the end.
  for (std::size_t I = 0; I + 2 < Positions.size(); ++I)
    EXPECT_EQ(Positions[I], int(I + 1) * Page) << I;
  EXPECT_EQ(Positions[Positions.size() - 2], Bar.LastPosition());
  // Page Up at the top turns back to the previous page, shown at its bottom.
  Key(WXK_PAGEUP);
  EXPECT_EQ(Viewer->PageIndex(), 0);
  EXPECT_EQ(Vert(), Bar.LastPosition());
  Key(WXK_PAGEUP);
  EXPECT_EQ(Vert(), Bar.LastPosition() - Page);
}

TEST_F(ViewerKeys, CtrlHomeAndEndGoToTheFirstAndLastPage) {
  ShowDrawing(smZoom);
  Viewer->SetPageIndex(3);
  Viewer->ScrollContentTo(100, 200, false);
  Key(WXK_END, wxMOD_CONTROL);
  EXPECT_EQ(Viewer->PageIndex(), 7);
  EXPECT_EQ(Vert(), Viewer->VertScrollBar().LastPosition()) << "scrolled to the bottom";
  // On the page it targets the key changes nothing, not even the scroll position.
  Viewer->ScrollContentTo(100, 40, false);
  Key(WXK_END, wxMOD_CONTROL);
  EXPECT_EQ(Viewer->PageIndex(), 7);
  EXPECT_EQ(Vert(), 40);
  Key(WXK_HOME, wxMOD_CONTROL);
  EXPECT_EQ(Viewer->PageIndex(), 0);
  EXPECT_EQ(Vert(), 0) << "the first page at its top";
  Viewer->ScrollContentTo(100, 40, false);
  Key(WXK_HOME, wxMOD_CONTROL);
  EXPECT_EQ(Vert(), 40);
}

TEST_F(ViewerKeys, HomeAndEndGoToTheEndsOfThePage) {
  ShowDrawing(smZoom);
  Viewer->ScrollContentTo(100, 200, false);
  Key(WXK_END);
  EXPECT_EQ(Vert(), Viewer->VertScrollBar().LastPosition());
  EXPECT_EQ(Horz(), 100);
  Key(WXK_HOME);
  EXPECT_EQ(Vert(), 0);
  Key(WXK_END, wxMOD_SHIFT);
  EXPECT_EQ(Horz(), Viewer->HorzScrollBar().LastPosition());
  Key(WXK_HOME, wxMOD_SHIFT);
  EXPECT_EQ(Horz(), 0);
  EXPECT_EQ(Viewer->PageIndex(), 0);
}

TEST_F(ViewerKeys, CopyAndSelectAllKeys) {
  MakeViewer(400, 300);
  Load("text.pdf");
  Focus();
  CountCharacters();
  const TXClipboardOwner Before("before");

  // Ctrl+C without a selection copies nothing but still uses the key up.
  Key('C', wxMOD_CONTROL);
  EXPECT_EQ(Characters, 0);
  EXPECT_EQ(ReadXClipboard(), "before");

  // Ctrl+A selects the whole page, Ctrl+Shift+C is not the copy key.
  Key('A', wxMOD_CONTROL);
  EXPECT_EQ(Characters, 0);
  const int Count = Viewer->CurrentPage()->GetCharCount();
  EXPECT_EQ(Viewer->SelStart(), 0);
  EXPECT_EQ(Viewer->SelLength(), Count);
  Key('C', wxMOD_CONTROL | wxMOD_SHIFT);
  EXPECT_EQ(Characters, 1) << "the control let the key through";
  EXPECT_EQ(ReadXClipboard(), "before");

  Key(WXK_INSERT, wxMOD_CONTROL);
  EXPECT_EQ(ReadXClipboard(),
            "Hello World\r\nVisit https://example.com/quolsa today\r\nhello HELLO Helloworld");

  // Without text selection neither key does anything.
  Viewer->ClearSelection();
  Viewer->SetAllowUserTextSelection(false);
  Key('A', wxMOD_CONTROL);
  EXPECT_EQ(Viewer->SelLength(), 0);
}

TEST_F(ViewerKeys, CopyingWithoutASelectionEmptiesTheClipboard) {
  MakeViewer(400, 300);
  Load("text.pdf");
  const TXClipboardOwner Before("before");
  Viewer->CopyToClipboard();
  EXPECT_EQ(ReadXClipboard(), "");
  Viewer->SelectText(6, 5);
  Viewer->CopyToClipboard();
  EXPECT_EQ(ReadXClipboard(), "World");
}

} // namespace
