// The view commands through real input sent by the X server: clicks on the buttons, keys in the
// page box, notches of the mouse wheel with and without Shift and Ctrl, the command menu's place.
// These tests run alone: the pointer and the keyboard are shared by every window on the server.
#include "PointerInput.h"
#include "ScreenCapture.h"
#include "TestDocuments.h"
#include "ViewerRendering.h"
#include "WxTestEnvironment.h"

#include "app/StatusLine.h"
#include "app/WxText.h"
#include "viewer/PdfViewCtrl.h"

#include <filesystem>
#include <wx/button.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

namespace {

class ViewCommandInput : public TWindowTest {
protected:
  // Starts the program showing a document of the fixture's or of Pages blank pages.
  TForm68* StartWith(const std::string& FixtureName, int Pages = 0) {
    const std::string Path = Dir / "shown.pdf";
    if (Pages > 0)
      MakeBlankDocument(Path, Pages);
    else
      std::filesystem::copy_file(Fixture(FixtureName), Path);
    return StartShowing(Path);
  }
  TForm68* StartShowing(const std::string& Path) {
    WriteFile(SettingsFile(), "[Form]\nLeft=20\nTop=20\n[PDF]\nFileName=" + Path + "\nPageNo=1\n");
    return Begin();
  }
  TForm68* Begin() {
    TForm68* F = Start();
    Label1 = F->Label1;
    Edit2 = F->Edit2;
    return F;
  }

  void ClickOn(wxWindow* W) {
    MoveTo(W, W->GetSize().x / 2, W->GetSize().y / 2);
    Input.MouseClick();
    PumpEvents(80);
  }
  // Puts the pointer at a client position of W.
  void MoveTo(wxWindow* W, int X, int Y) {
    const wxPoint At = W->ClientToScreen(wxPoint(X, Y));
    SendPointerMove(At.x, At.y);
    PumpEvents(40);
  }
  void Notch(bool TowardUser, unsigned long HeldKey = 0) {
    if (HeldKey)
      SendKey(HeldKey, true);
    SendWheelNotch(TowardUser);
    PumpEvents(80);
    if (HeldKey)
      SendKey(HeldKey, false);
    PumpEvents(20);
  }
  // A left click where the pointer is, with nothing handled meanwhile.
  void Click() {
    SendButton(1, true);
    SendButton(1, false);
  }
  void TypeInPageBox(const std::string& Text) {
    ClickOn(Edit2);
    Edit2->SelectAll();
    Input.Char(WXK_BACK);
    if (!Text.empty())
      Input.Text(Text.c_str());
    Input.Char(WXK_RETURN);
    PumpEvents(80);
  }
  std::string Label() const { return FromWx(Label1->GetLabel()); }
  std::string Box() const { return FromWx(Edit2->GetValue()); }

  wxUIActionSimulator Input;
  wxStaticText* Label1 = nullptr;
  wxTextCtrl* Edit2 = nullptr;
};

TEST_F(ViewCommandInput, PageButtonsTurnPagesAndRewriteThePageDisplay) {
  TForm68* F = StartWith("three-pages.pdf");
  ClickOn(F->Button2);
  EXPECT_EQ(F->Viewer->PageIndex(), 1);
  EXPECT_EQ(Label(), "2 / 3");
  EXPECT_EQ(Box(), "2");
  ClickOn(F->Button2);
  ClickOn(F->Button2); // on the last page: nothing turns, the display is written again
  EXPECT_EQ(Label(), "3 / 3");
  Edit2->ChangeValue("1"); // typed without Enter
  ClickOn(F->Button2);
  EXPECT_EQ(Box(), "3");
  ClickOn(F->Button1);
  EXPECT_EQ(Label(), "2 / 3");
  EXPECT_EQ(Box(), "2");
}

TEST_F(ViewCommandInput, NextPageWithNothingLoadedShowsPageOneOfNone) {
  TForm68* F = Begin();
  ClickOn(F->Button2);
  EXPECT_EQ(Label(), "1 / 0");
  EXPECT_EQ(Box(), "1");
  EXPECT_EQ(F->Viewer->PageIndex(), 0);
}

TEST_F(ViewCommandInput, PageBoxTakesEnterAndTheViewerClamps) {
  TForm68* F = StartWith("", 10);
  struct TCase {
    const char* Typed;
    int Page;
    const char* Label;
  } Cases[] = {{"4", 3, "4 / 10"}, {"0", 0, "1 / 10"}, {"999", 9, "10 / 10"}, {"", 0, "1 / 10"}};
  for (const TCase& C : Cases) {
    TypeInPageBox(C.Typed);
    EXPECT_EQ(F->Viewer->PageIndex(), C.Page) << '"' << C.Typed << '"';
    EXPECT_EQ(Label(), C.Label) << '"' << C.Typed << '"';
    EXPECT_EQ(Box(), C.Typed) << "the box keeps what was typed";
  }
  EXPECT_EQ(wxWindow::FindFocus(), Edit2) << "Enter was swallowed by the box";
}

TEST_F(ViewCommandInput, ZoomAndFitButtons) {
  TForm68* F = StartWith("one-page.pdf");
  TPdfControl* V = F->Viewer;
  ClickOn(F->Button4); // "縮小"
  EXPECT_EQ(V->ScaleMode(), smZoom);
  EXPECT_EQ(V->ZoomPercentage(), 80);
  ClickOn(F->Button4);
  EXPECT_EQ(V->ZoomPercentage(), 64);
  ClickOn(F->Button5); // "用紙幅"
  EXPECT_EQ(V->ScaleMode(), smFitWidth);
  EXPECT_EQ(V->ZoomPercentage(), 100);
  ClickOn(F->Button3); // "拡大"
  EXPECT_EQ(V->ScaleMode(), smZoom);
  EXPECT_EQ(V->ZoomPercentage(), 120);
  ClickOn(F->Button6); // "用紙高"
  EXPECT_EQ(V->ScaleMode(), smFitHeight);
  EXPECT_EQ(V->ZoomPercentage(), 100);
  // Fitted to the height, the page fills the viewer's height exactly.
  const TRect Page = V->GetPageRect();
  EXPECT_EQ(Page.Bottom - Page.Top, V->GetClientSize().y);
  V->SetZoomPercentage(9000);
  V->SetScaleMode(smZoom);
  ClickOn(F->Button3);
  EXPECT_EQ(V->ZoomPercentage(), 10000);
}

TEST_F(ViewCommandInput, RotationButtonsTurnByQuarterTurnsEachWay) {
  TForm68* F = StartWith("one-page.pdf");
  TPdfControl* V = F->Viewer;
  V->SetScaleMode(smZoom);
  const TRect Upright = V->GetPageRect();
  std::vector<TPdfPageRotation> Right, Left;
  for (int I = 0; I < 4; ++I) {
    ClickOn(F->Button7); // "右90°"
    Right.push_back(V->Rotation());
    if (I == 0) {
      const TRect Turned = V->GetPageRect();
      EXPECT_EQ(Turned.Right - Turned.Left, Upright.Bottom - Upright.Top);
    }
  }
  for (int I = 0; I < 4; ++I) {
    ClickOn(F->Button8); // "左90°"
    Left.push_back(V->Rotation());
  }
  EXPECT_EQ(Right, (std::vector{pr90Clockwise, pr180, pr90CounterClockwide, prNormal}));
  EXPECT_EQ(Left, (std::vector{pr90CounterClockwide, pr180, pr90Clockwise, prNormal}));
  EXPECT_EQ(V->ScaleMode(), smZoom) << "rotation keeps the scale mode";
  EXPECT_EQ(Label(), "1 / 1") << "and the page display";
}

TEST_F(ViewCommandInput, WheelWithoutKeysTurnsFittedPagesAndScrollsZoomedOnes) {
  TForm68* F = StartWith("drawing.pdf");
  TPdfControl* V = F->Viewer;
  MoveTo(V, 100, 100);
  Notch(true);
  EXPECT_EQ(V->PageIndex(), 1);
  EXPECT_EQ(Label(), "2 / 8");
  EXPECT_EQ(Box(), "2");
  Notch(false);
  EXPECT_EQ(V->PageIndex(), 0);
  V->SetScaleMode(smZoom); // 1588 x 1123 pixels: both bars
  PumpEvents(50);
  Notch(true);
  EXPECT_EQ(V->PageIndex(), 0);
  EXPECT_EQ(V->VertScrollBar().Position(), 120);
  Notch(false);
  EXPECT_EQ(V->VertScrollBar().Position(), 0);
}

TEST_F(ViewCommandInput, WheelWithCtrlZoomsAndSwitchesAFittedPageToZoom) {
  TForm68* F = StartWith("drawing.pdf");
  TPdfControl* V = F->Viewer;
  V->SetScaleMode(smFitWidth);
  MoveTo(V, 100, 100);
  Notch(false, KeyControl); // away from the user: larger
  EXPECT_EQ(V->ScaleMode(), smZoom);
  EXPECT_EQ(V->ZoomPercentage(), 105);
  EXPECT_EQ(V->PageIndex(), 0);
  Notch(true, KeyControl);
  Notch(true, KeyControl);
  EXPECT_EQ(V->ZoomPercentage(), 95);
}

TEST_F(ViewCommandInput, WheelWithShiftScrollsSideways) {
  TForm68* F = StartWith("drawing.pdf");
  TPdfControl* V = F->Viewer;
  MoveTo(V, 100, 100);
  Notch(true, KeyShift);
  EXPECT_EQ(V->ScaleMode(), smZoom) << "a fitted page switches to zoom first";
  EXPECT_EQ(V->PageIndex(), 0);
  EXPECT_EQ(V->HorzScrollBar().Position(), 120);
  EXPECT_EQ(V->VertScrollBar().Position(), 0);
  Notch(false, KeyShift);
  EXPECT_EQ(V->HorzScrollBar().Position(), 0);
}

TEST_F(ViewCommandInput, WheelCountsOnlyInsideTheLowerPanelAndTheStatusBarIsInside) {
  TForm68* F = StartWith("drawing.pdf");
  TPdfControl* V = F->Viewer;
  MoveTo(F->Panel2, 0, 40); // on the panel's left edge: outside
  Notch(true);
  EXPECT_EQ(V->PageIndex(), 0);
  MoveTo(F->Panel1, 300, 10); // over the buttons
  Notch(true);
  EXPECT_EQ(V->PageIndex(), 0);
  MoveTo(F->StatusBar1, 100, 8);
  Notch(true);
  EXPECT_EQ(V->PageIndex(), 1);
  EXPECT_EQ(Label(), "2 / 8");
}

// Each input arrives while the viewer renders the heavy drawing, and is handled before the render
// ends: the page turns, the zoom changes, the page box's page is shown.
TEST_F(ViewCommandInput, AHeavyDrawingAnswersButtonsAndThePageBoxWhileItRenders) {
  TForm68* F = StartShowing(QUOLSA_HEAVY_DRAWING);
  TPdfControl* V = F->Viewer;
  ASSERT_TRUE(PumpUntilRendered(*V));
  // Rendering a change to the viewer begins with its first paint.
  const auto Rendering = [V](auto Change) {
    Change();
    V->Update();
    return !V->PageImageRendered();
  };

  MoveTo(F->Button2, F->Button2->GetSize().x / 2, F->Button2->GetSize().y / 2);
  ASSERT_TRUE(Rendering([V] { V->SetScaleMode(smZoom); }));
  Click(); // "next page"
  EXPECT_TRUE(HandledWhileRendering(*V, [V] { return V->PageIndex() == 1; }));
  EXPECT_EQ(Label(), "2 / 4");

  MoveTo(F->Button3, F->Button3->GetSize().x / 2, F->Button3->GetSize().y / 2);
  ASSERT_TRUE(Rendering([V] { V->SetZoomPercentage(90); }));
  Click(); // "拡大"
  EXPECT_TRUE(HandledWhileRendering(*V, [V] { return V->ZoomPercentage() == 108; }));

  ClickOn(Edit2);
  Edit2->SelectAll();
  ASSERT_TRUE(Rendering([V] { V->SetZoomPercentage(100); }));
  Input.Text("4");
  Input.Char(WXK_RETURN);
  EXPECT_TRUE(HandledWhileRendering(*V, [V] { return V->PageIndex() == 3; }));
  EXPECT_EQ(Label(), "4 / 4");

  ClickOn(F->Button6); // "用紙高": the whole sheet
  ASSERT_TRUE(PumpUntilRendered(*V));
  const wxPoint Origin = V->ClientToScreen(wxPoint(0, 0));
  const TScreenShot S = CaptureScreen(Origin.x, Origin.y, V->GetSize().x, V->GetSize().y);
  for (int N = 0; N < 4; ++N) {
    const TPoint At = HeavyDrawingMarker(*V, N);
    const std::uint32_t Pixel = S.At(Origin.x + At.X, Origin.y + At.Y);
    EXPECT_EQ(Pixel, N == 3 ? 0x000000u : 0xFFFFFFu) << "sheet " << N << " " << ColourText(Pixel);
  }
}

TEST_F(ViewCommandInput, MenuOpensAtTheButtonsBottomLeftCorner) {
  TForm68* F = StartWith("one-page.pdf");
  wxMenu* Opened = nullptr;
  TScreenPoint MenuAt;
  F->Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& E) {
    Opened = E.GetMenu();
    E.Skip();
  });
  // The menu runs its own loop: a timer inside it finds the menu's window and closes it.
  wxTimer Closer;
  Closer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
    if (!Opened || MenuAt.X != 0)
      return;
    MenuAt = ShownPopupOrigin();
    Input.Char(WXK_ESCAPE);
  });
  Closer.Start(150);
  ClickOn(F->Button14);
  PumpUntil([&] { return MenuAt.X != 0; });
  Closer.Stop();
  EXPECT_EQ(Opened, F->PopupMenu1.get());
  const wxPoint Corner = F->Button14->ClientToScreen(wxPoint(0, F->Button14->GetSize().y));
  EXPECT_EQ(MenuAt.X, Corner.x);
  EXPECT_EQ(MenuAt.Y, Corner.y);
}

} // namespace
