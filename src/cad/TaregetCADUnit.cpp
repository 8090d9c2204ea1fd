#include "cad/TaregetCADUnit.h"

#include "cad/SpeedButton.h"
#include "cad/TargetProgID.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/listbox.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

TTargetCADForm* TargetCADForm = nullptr;

namespace {

// The program's font at another character height in pixels at 96 dots per inch.
wxFont FontOfHeight(const wxFont& Font, int PixelHeight) {
  wxFont Result = Font;
  Result.SetFractionalPointSize(PixelHeight * 72.0 / 96.0);
  return Result;
}

// A frame without caption around its controls, which keep their places from its top left corner.
class TFramePanel : public wxPanel {
public:
  TFramePanel(wxWindow* Parent, const wxPoint& Position, const wxSize& Size)
      : wxPanel(Parent, wxID_ANY, Position, Size, wxTAB_TRAVERSAL | wxBORDER_NONE) {
    Bind(wxEVT_PAINT, &TFramePanel::Paint, this);
  }

private:
  void Paint(wxPaintEvent&) {
    wxPaintDC DC(this);
    const wxSize Size = GetClientSize();
    DC.SetBrush(*wxTRANSPARENT_BRUSH);
    DC.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW)));
    DC.DrawRectangle(0, 0, Size.x - 1, Size.y - 1);
    DC.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT)));
    DC.DrawRectangle(1, 1, Size.x - 1, Size.y - 1);
  }
};

} // namespace

TTargetCADForm::TTargetCADForm(wxWindow* Parent, const std::string& FileName, const wxFont& Font)
    : wxDialog(Parent, wxID_ANY, wxString::FromUTF8("ターゲット CAD")), FModel(FileName) {
  TargetCADForm = this;
  SetFont(Font);
  // Neither Enter nor Escape closes the dialog; the close box cancels it.
  SetEscapeId(wxID_NONE);
  SetAffirmativeId(wxID_NONE);
  CreateControls(Font);
  SetClientSize(FromDIP(wxSize(315, 307)));
}

TTargetCADForm::~TTargetCADForm() {
  if (TargetCADForm == this)
    TargetCADForm = nullptr;
}

// Every control belongs to the dialog or its frame, which destroy it.
void TTargetCADForm::CreateControls(const wxFont& Font) {
  const auto At = [this](int Left, int Top) { return FromDIP(wxPoint(Left, Top)); };
  const auto Sized = [this](int Width, int Height) { return FromDIP(wxSize(Width, Height)); };

  // Created in tab order.
  ListBox1 = new wxListBox(this, wxID_ANY, At(8, 8), Sized(297, 137));
  ListBox1->SetFont(FontOfHeight(Font, 13));
  Button1 = new wxButton(this, wxID_ANY, "OK", At(80, 271), Sized(75, 25));
  Button2 =
      new wxButton(this, wxID_ANY, wxString::FromUTF8("取り消し"), At(161, 271), Sized(88, 25));
  GroupBox1 = new TFramePanel(this, At(8, 151), Sized(297, 105));

  Label1 = new wxStaticText(GroupBox1, wxID_ANY, wxString::FromUTF8("名称 （説明）"), At(16, 3),
                            Sized(64, 14));
  Label1->SetFont(FontOfHeight(Font, 12));
  Edit1 = new wxTextCtrl(GroupBox1, wxID_ANY, wxString(), At(16, 23), Sized(198, 24),
                         wxTE_PROCESS_ENTER);
  Edit1->SetFont(FontOfHeight(Font, 13));
  Label2 = new wxStaticText(GroupBox1, wxID_ANY, wxString::FromUTF8("ProgID （クラス文字列）"),
                            At(16, 53), Sized(114, 14));
  Label2->SetFont(FontOfHeight(Font, 12));
  Edit2 = new wxTextCtrl(GroupBox1, wxID_ANY, wxString(), At(16, 73), Sized(198, 24),
                         wxTE_PROCESS_ENTER);
  Edit2->SetFont(FontOfHeight(Font, 13));
  SpeedButton1 =
      new TSpeedButton(GroupBox1, wxString::FromUTF8("追加"), At(220, 21), Sized(71, 22));
  SpeedButton2 =
      new TSpeedButton(GroupBox1, wxString::FromUTF8("削除"), At(220, 49), Sized(71, 22));
  SpeedButton3 =
      new TSpeedButton(GroupBox1, wxString::FromUTF8("変更"), At(220, 77), Sized(71, 22));

  ListBox1->Bind(wxEVT_LISTBOX, &TTargetCADForm::ListBoxSelected, this);
  const auto Pressed = [this](wxEvent& Event) {
    FUserAtList = true;
    Event.Skip();
  };
  // Selections made while the button or key goes up still count.
  const auto Released = [this](wxEvent& Event) {
    CallAfter([this] { FUserAtList = false; });
    Event.Skip();
  };
  ListBox1->Bind(wxEVT_LEFT_DOWN, Pressed);
  ListBox1->Bind(wxEVT_LEFT_DCLICK, Pressed);
  ListBox1->Bind(wxEVT_KEY_DOWN, Pressed);
  ListBox1->Bind(wxEVT_LEFT_UP, Released);
  ListBox1->Bind(wxEVT_KEY_UP, Released);
  SpeedButton1->Bind(wxEVT_BUTTON, &TTargetCADForm::SpeedButton1Click, this);
  SpeedButton2->Bind(wxEVT_BUTTON, &TTargetCADForm::SpeedButton2Click, this);
  SpeedButton3->Bind(wxEVT_BUTTON, &TTargetCADForm::SpeedButton3Click, this);
  Edit1->Bind(wxEVT_CHAR, &TTargetCADForm::Edit1KeyPress, this);
  Edit2->Bind(wxEVT_CHAR, &TTargetCADForm::Edit1KeyPress, this);
  Button1->Bind(wxEVT_BUTTON, &TTargetCADForm::Button1Click, this);
  Button2->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(wxID_CANCEL); });
}

int TTargetCADForm::ShowModal() {
  FormShow();
  CentreOnScreen();
  return wxDialog::ShowModal();
}

void TTargetCADForm::FormShow() {
  if (!FModel.Load())
    return;
  if (const auto Index = FindTargetLine(FModel.Lines(), TargetProgID))
    FModel.Select(static_cast<int>(*Index));
  ShowLines();
  if (FModel.ItemIndex() >= 0)
    ShowSelection();
}

void TTargetCADForm::ListBoxSelected(wxCommandEvent& Event) {
  if (FUserAtList)
    ListBox1Click(Event);
  else
    ListBox1->SetSelection(FModel.ItemIndex()); // back to the user's choice, -1 for none
}

void TTargetCADForm::ListBox1Click(wxCommandEvent&) {
  FModel.Select(ListBox1->GetSelection());
  ShowSelection();
}

void TTargetCADForm::SpeedButton1Click(wxCommandEvent&) {
  FModel.Add(FieldsLine());
  ShowLines();
  ShowSelection();
  FModel.Save();
}

void TTargetCADForm::SpeedButton2Click(wxCommandEvent&) {
  if (!FModel.Delete())
    return;
  ShowLines();
  ShowSelection();
  FModel.Save();
}

void TTargetCADForm::SpeedButton3Click(wxCommandEvent&) {
  if (!FModel.Change(FieldsLine()))
    return;
  ShowLines();
  FModel.Save();
}

void TTargetCADForm::Edit1KeyPress(wxKeyEvent& Event) {
  if (Event.GetKeyCode() != WXK_RETURN && Event.GetKeyCode() != WXK_NUMPAD_ENTER) {
    Event.Skip();
    return;
  }
  wxCommandEvent Unused;
  SpeedButton3Click(Unused);
}

void TTargetCADForm::Button1Click(wxCommandEvent&) {
  const std::string Title(wxTheApp->GetAppDisplayName().utf8_str());
  if (wxWindow* Main = GetParent())
    Main->SetLabel(wxString::FromUTF8(TargetCaption(Title, Edit1->GetValue().utf8_str().data())));
  TargetProgID = Edit2->GetValue().utf8_str();
  EndModal(wxID_OK);
}

void TTargetCADForm::ShowLines() {
  wxArrayString Items;
  for (const std::string& Line : FModel.Lines())
    Items.Add(wxString::FromUTF8(Line));
  ListBox1->Set(Items);
  ListBox1->SetSelection(FModel.ItemIndex());
}

void TTargetCADForm::ShowSelection() {
  TTargetEntry Entry;
  if (FModel.ItemIndex() >= 0)
    Entry = SplitTargetLine(FModel.Lines()[FModel.ItemIndex()]);
  Edit1->ChangeValue(wxString::FromUTF8(Entry.Name));
  Edit2->ChangeValue(wxString::FromUTF8(Entry.ProgID));
}

std::string TTargetCADForm::FieldsLine() const {
  return JoinTargetLine(Edit1->GetValue().utf8_str().data(), Edit2->GetValue().utf8_str().data());
}
