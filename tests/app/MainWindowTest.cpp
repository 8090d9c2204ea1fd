// The main window as the user sees it: controls, captions, layout, keyboard and the error display.
#include "WxTestEnvironment.h"

#include "app/StatusLine.h"
#include "app/WxText.h"

#include "app/FontChoice.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/fontenum.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

using MainWindow = TWindowTest;

struct TPlaced {
  const char* Name;
  wxWindow* Control;
  wxRect Bounds; // at 96 dots per inch, in the parent's client area
};

std::vector<TPlaced> Layout(TForm68* F) {
  return {{"Panel1", F->Panel1, {0, 0, 533, 77}},
          {"Edit1", F->Edit1, {1, 1, 531, 24}},
          {"Button12", F->Button12, {4, 24, 45, 25}},
          {"Edit3", F->Edit3, {48, 25, 92, 24}},
          {"Button11", F->Button11, {142, 24, 111, 25}},
          {"Button5", F->Button5, {252, 24, 75, 25}},
          {"Button6", F->Button6, {327, 24, 72, 25}},
          {"Button3", F->Button3, {398, 25, 65, 25}},
          {"Button4", F->Button4, {462, 24, 65, 25}},
          {"Edit2", F->Edit2, {4, 52, 45, 24}},
          {"Button13", F->Button13, {142, 49, 71, 25}},
          {"Button14", F->Button14, {214, 49, 39, 25}},
          {"Button1", F->Button1, {252, 49, 75, 25}},
          {"Button2", F->Button2, {327, 49, 75, 25}},
          {"Button8", F->Button8, {398, 49, 65, 25}},
          {"Button7", F->Button7, {464, 49, 65, 25}},
          {"Panel2", F->Panel2, {0, 77, 533, 287}},
          {"StatusBar1", F->StatusBar1, {1, 267, 531, 19}}};
}

TEST_F(MainWindow, EveryControlHasItsPlaceAt96Dpi) {
  TForm68* F = Start();
  ASSERT_EQ(F->GetDPIScaleFactor(), 1.0) << "the virtual screen is expected at 96 dots per inch";
  EXPECT_EQ(F->GetClientSize(), wxSize(533, 364));
  for (const TPlaced& P : Layout(F))
    EXPECT_EQ(P.Control->GetRect(), P.Bounds) << P.Name;
  EXPECT_EQ(F->Label1->GetPosition(), wxPoint(55, 53));
  for (wxWindow* W : {static_cast<wxWindow*>(F->Edit1), static_cast<wxWindow*>(F->Button11),
                      static_cast<wxWindow*>(F->Edit2), static_cast<wxWindow*>(F->Label1)})
    EXPECT_EQ(W->GetParent(), F->Panel1);
  EXPECT_EQ(F->StatusBar1->GetParent(), F->Panel2);
}

TEST_F(MainWindow, ResizingStretchesTheFileNameAndGivesTheRestToTheLowerPanel) {
  TForm68* F = Start();
  F->SetClientSize(800, 500);
  PumpUntil([F] { return F->Panel2->GetSize() == wxSize(800, 423); });
  EXPECT_EQ(F->Panel1->GetRect(), wxRect(0, 0, 800, 77));
  EXPECT_EQ(F->Edit1->GetRect(), wxRect(1, 1, 798, 24));
  EXPECT_EQ(F->Panel2->GetRect(), wxRect(0, 77, 800, 423));
  EXPECT_EQ(F->StatusBar1->GetRect(), wxRect(1, 403, 798, 19));
  EXPECT_EQ(F->Button7->GetRect(), wxRect(464, 49, 65, 25)); // the buttons stay where they are
}

TEST_F(MainWindow, CaptionsHintAndStatusText) {
  TForm68* F = Start();
  const std::pair<wxButton*, const char*> Captions[] = {
      {F->Button12, "CAD"},       {F->Button11, "PDFIMPORT"}, {F->Button5, "用紙幅"},
      {F->Button6, "用紙高"},     {F->Button3, "拡大"},       {F->Button4, "縮小"},
      {F->Button13, "QUOLSA"},    {F->Button14, "MENU"},      {F->Button1, "< 前ページ"},
      {F->Button2, "次ページ >"}, {F->Button8, "左90°"},      {F->Button7, "右90°"}};
  for (const auto& [Button, Caption] : Captions)
    EXPECT_EQ(FromWx(Button->GetLabel()), Caption);
  EXPECT_EQ(FromWx(F->Edit1->GetHint()), "エクスプローラーから PDF をドラッグ・ドロップ");
  EXPECT_EQ(FromWx(F->StatusBar1->GetStatusText()),
            "  マウスホイール= 上下移動 / [SHIFT]+マウスホイール=左右移動 / "
            "[CTRL]+マウスホイール=拡大/縮小");
}

TEST_F(MainWindow, TitleAndDesignCaption) {
  TForm68* F = Start();
  EXPECT_EQ(FromWx(wxTheApp->GetAppDisplayName()), "QUOLSA Ver.0.92");
  EXPECT_EQ(ApplicationTitle, "QUOLSA Ver.0.92");
  EXPECT_EQ(F->GetTitle(), "Form68"); // no target list beside the program
}

TEST_F(MainWindow, EditBoxesAndFonts) {
  TForm68* F = Start();
  EXPECT_FALSE(F->Edit1->IsEditable());
  EXPECT_TRUE(F->Edit2->IsEditable());
  EXPECT_TRUE(F->Edit2->HasFlag(wxTE_CENTRE));
  EXPECT_TRUE(F->Edit3->HasFlag(wxTE_CENTRE));
  EXPECT_FALSE(F->Edit1->HasFlag(wxTE_CENTRE));

  const wxString Face = wxString::FromUTF8(ChooseFaceName([](const std::string& N) {
    return wxFontEnumerator::IsValidFacename(wxString::FromUTF8(N));
  }));
  ASSERT_FALSE(Face.empty()) << "no face with Japanese glyphs is installed";
  for (wxWindow* W : {static_cast<wxWindow*>(F->Edit1), static_cast<wxWindow*>(F->Edit2),
                      static_cast<wxWindow*>(F->Edit3), static_cast<wxWindow*>(F->Label1)}) {
    EXPECT_EQ(W->GetFont().GetFaceName(), Face);
    EXPECT_NEAR(W->GetFont().GetFractionalPointSize(), 9.75, 0.01); // 13 pixels at 96 dpi
  }
  EXPECT_EQ(F->Button12->GetFont().GetFaceName(), Face);
  EXPECT_NEAR(F->Button12->GetFont().GetFractionalPointSize(), 8.25, 0.01); // 11 pixels
  EXPECT_EQ(F->Button11->GetFont().GetWeight(), wxFONTWEIGHT_BOLD);
  EXPECT_EQ(F->Button13->GetFont().GetWeight(), wxFONTWEIGHT_NORMAL);
}

TEST_F(MainWindow, PopupMenuItemsInOrder) {
  TForm68* F = Start();
  const wxMenuItemList& Items = F->PopupMenu1->GetMenuItems();
  const std::vector<std::pair<wxMenuItem*, const char*>> Expected = {
      {F->quoLSA, "■ quoLSA : PDFIMPORT で作成された SOLID、HATCH をポリラインに変換"},
      {F->N5, nullptr},
      {F->pdfLINE, "■ pdfLINE : 罫線っぽい二重線を LINE に変換"},
      {F->N2, nullptr},
      {F->lnAlp, "■ lnAlp : 端点が微妙につながっていない罫線を整形"},
      {F->crCut, "■ crCut : CIRCLE, ELLIPSE, LWPOLYLINE に交差する線分を、部分ごとにカット"},
      {F->oneLine, "■ oneLine : pdfLINE で線分化できないポリラインを、部分ごとに線分化"},
      {F->N1, nullptr},
      {F->txlines, "■ txlines : TEXT, MTEXT を結合（MTEXTは分解される）"},
      {F->N3, nullptr},
      {F->N4, "取り消し"}};
  ASSERT_EQ(Items.size(), Expected.size());
  size_t I = 0;
  for (wxMenuItem* Item : Items) {
    EXPECT_EQ(Item, Expected[I].first) << "item " << I;
    if (Expected[I].second)
      EXPECT_EQ(FromWx(Item->GetItemLabel()), Expected[I].second) << "item " << I;
    else
      EXPECT_TRUE(Item->IsSeparator()) << "item " << I;
    ++I;
  }
}

} // namespace
