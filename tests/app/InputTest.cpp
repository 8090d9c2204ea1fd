// Keyboard and mouse on the main window, sent through the X server's test extension. These tests
// run alone: the pointer and the keyboard are shared by every window on the server.
#include "ScreenCapture.h"
#include "WxTestEnvironment.h"

#include "app/StatusLine.h"
#include "app/WxText.h"

#include <wx/button.h>
#include <wx/menu.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

namespace {

class MainWindowInput : public TWindowTest {
protected:
  void ClickOn(wxWindow* W, int Button = wxMOUSE_BTN_LEFT) { ::ClickOn(Input, W, Button); }
  wxUIActionSimulator Input;
};

TEST_F(MainWindowInput, TabKeySkipsTheControlsWithoutTabStop) {
  TForm68* F = Start();
  ClickOn(F->Button11); // the click does nothing yet, it only focuses the button
  ASSERT_TRUE(PumpUntil([F] { return wxWindow::FindFocus() == F->Button11; }));
  std::vector<wxWindow*> Order;
  for (int I = 0; I < 6; ++I) {
    Input.Char(WXK_TAB);
    PumpEvents(50);
    Order.push_back(wxWindow::FindFocus());
  }
  const std::vector<wxWindow*> Expected = {F->Button12, F->Button13, F->Edit2,
                                           F->Edit3,    F->Button14, F->Button11};
  EXPECT_EQ(Order, Expected);
}

TEST_F(MainWindowInput, PageBoxTakesDigitsOnly) {
  TForm68* F = Start();
  ClickOn(F->Edit2);
  ASSERT_TRUE(PumpUntil([F] { return wxWindow::FindFocus() == F->Edit2; }));
  Input.Text("a1b-2.");
  PumpEvents(100);
  EXPECT_EQ(FromWx(F->Edit2->GetValue()), "12");
  F->Edit3->ChangeValue("");
  ClickOn(F->Edit3); // the scale box takes anything
  Input.Text("-2.5");
  PumpEvents(100);
  EXPECT_EQ(FromWx(F->Edit3->GetValue()), "-2.5");
}

TEST_F(MainWindowInput, ErrorLeavingAHandlerIsShownAndTheProgramGoesOn) {
  TForm68* F = Start();
  F->Button12->Bind(wxEVT_BUTTON, [](wxCommandEvent&) {
    throw std::runtime_error("File is not a PDF document or is corrupted");
  });
  ClickOn(F->Button12);
  ClickOn(F->Button12);
  ASSERT_EQ(Shown.size(), 2u);
  EXPECT_EQ(Shown[0].Text, "File is not a PDF document or is corrupted.");
  EXPECT_EQ(Shown[0].Caption, "QUOLSA Ver.0.92");
  EXPECT_EQ(Shown[0].Icon, miStop);
  EXPECT_EQ(Form68, F);
}

TEST_F(MainWindowInput, RightClickOnMenuOpensTheCommandMenu) {
  TForm68* F = Start();
  wxMenu* Opened = nullptr;
  F->Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& E) {
    Opened = E.GetMenu();
    E.Skip();
  });
  // The menu runs its own loop: a timer inside it closes the menu again.
  wxTimer Closer;
  Closer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
    if (Opened)
      Input.Char(WXK_ESCAPE);
  });
  Closer.Start(200);
  ClickOn(F->Button14, wxMOUSE_BTN_RIGHT);
  PumpUntil([&] { return Opened != nullptr; });
  Closer.Stop();
  EXPECT_EQ(Opened, F->PopupMenu1.get());
}

// The status line draws its text itself, in the dark style: light letters on a dark ground.
TEST_F(MainWindowInput, StatusLineShowsItsHintLightOnDark) {
  TForm68* F = Start();
  F->StatusBar1->Update();
  PumpEvents(50);
  const wxPoint At = F->StatusBar1->ClientToScreen(wxPoint(0, 0));
  const wxSize Size = F->StatusBar1->GetClientSize();
  const TScreenShot Shot = CaptureScreen(At.x, At.y, Size.x, Size.y);
  int Light = 0, Dark = 0;
  for (std::uint32_t P : Shot.Pixels) {
    const int Brightness = (P >> 16 & 0xFF) + (P >> 8 & 0xFF) + (P & 0xFF);
    Light += Brightness > 450;
    Dark += Brightness < 200;
  }
  EXPECT_GT(Light, 100) << "no text";
  EXPECT_GT(Dark, Light * 3) << "no dark ground";
}

} // namespace
