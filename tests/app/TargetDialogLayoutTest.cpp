// The target dialog as the user sees it: caption, controls, texts, places and fonts at 96 dpi.
#include "WxTestEnvironment.h"

#include "app/WxText.h"
#include "cad/SpeedButton.h"
#include "cad/TaregetCADUnit.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

using TargetDialog = TWindowTest;

TEST_F(TargetDialog, EveryControlHasItsPlaceTextAndFontAt96Dpi) {
  TForm68* Form = Start();
  TTargetCADForm* D = TargetCADForm;
  ASSERT_NE(D, nullptr);
  EXPECT_FALSE(D->IsShown());
  EXPECT_EQ(D->GetParent(), Form);
  EXPECT_EQ(FromWx(D->GetTitle()), "ターゲット CAD");
  EXPECT_EQ(D->GetClientSize(), wxSize(315, 307));
  EXPECT_FALSE(D->HasFlag(wxRESIZE_BORDER));

  struct TPlaced {
    const char* Name;
    wxWindow* Control;
    wxWindow* Parent;
    wxRect Bounds;
    const char* Text;
    int FontPixels;
  };
  const TPlaced Controls[] = {
      {"ListBox1", D->ListBox1, D, {8, 8, 297, 137}, nullptr, 13},
      {"Button1", D->Button1, D, {80, 271, 75, 25}, "OK", 11},
      {"Button2", D->Button2, D, {161, 271, 88, 25}, "取り消し", 11},
      {"GroupBox1", D->GroupBox1, D, {8, 151, 297, 105}, nullptr, 11},
      {"Label1", D->Label1, D->GroupBox1, {16, 3, 64, 14}, "名称 （説明）", 12},
      {"Edit1", D->Edit1, D->GroupBox1, {16, 23, 198, 24}, nullptr, 13},
      {"Label2", D->Label2, D->GroupBox1, {16, 53, 114, 14}, "ProgID （クラス文字列）", 12},
      {"Edit2", D->Edit2, D->GroupBox1, {16, 73, 198, 24}, nullptr, 13},
      {"SpeedButton1", D->SpeedButton1, D->GroupBox1, {220, 21, 71, 22}, "追加", 11},
      {"SpeedButton2", D->SpeedButton2, D->GroupBox1, {220, 49, 71, 22}, "削除", 11},
      {"SpeedButton3", D->SpeedButton3, D->GroupBox1, {220, 77, 71, 22}, "変更", 11}};
  for (const TPlaced& C : Controls) {
    SCOPED_TRACE(C.Name);
    EXPECT_EQ(C.Control->GetParent(), C.Parent);
    // Labels are as wide and high as their text in the font at hand.
    if (C.Control == D->Label1 || C.Control == D->Label2) {
      EXPECT_EQ(C.Control->GetPosition(), C.Bounds.GetPosition());
    } else {
      EXPECT_EQ(C.Control->GetRect(), C.Bounds);
    }
    if (C.Text) {
      EXPECT_EQ(FromWx(C.Control->GetLabel()), C.Text);
    }
    EXPECT_NEAR(C.Control->GetFont().GetFractionalPointSize(), C.FontPixels * 0.75, 0.01);
    EXPECT_EQ(C.Control->GetFont().GetFaceName(), Form->GetFont().GetFaceName());
  }
  for (wxWindow* Speed :
       {static_cast<wxWindow*>(D->SpeedButton1), static_cast<wxWindow*>(D->SpeedButton2),
        static_cast<wxWindow*>(D->SpeedButton3)})
    EXPECT_FALSE(Speed->AcceptsFocus());
  EXPECT_TRUE(D->ListBox1->IsEmpty());
}

} // namespace
