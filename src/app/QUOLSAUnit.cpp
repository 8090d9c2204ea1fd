#include "app/QUOLSAUnit.h"

#include "app/ErrorDisplay.h"
#include "app/FontChoice.h"
#include "app/ProgramButton.h"
#include "app/Settings.h"
#include "app/StatusLine.h"
#include "app/ViewCommands.h"
#include "app/WxText.h"
#include "cad/CadCommands.h"
#include "cad/MessageFilter.h"
#include "cad/TaregetCADUnit.h"
#include "cad/TargetList.h"
#include "cad/TargetProgID.h"
#include "engine/PdfEngineInit.h"
#include "platform/DynamicLibrary.h"
#include "platform/FileContents.h"
#include "platform/FilePath.h"
#include "viewer/PdfViewCtrl.h"

#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/eventfilter.h>
#include <wx/fontenum.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <exception>

TForm68* Form68 = nullptr;

const char* const StatusBarHint = "  マウスホイール= 上下移動 / [SHIFT]+マウスホイール=左右移動 / "
                                  "[CTRL]+マウスホイール=拡大/縮小";

namespace {

// Names the platform's engine library file; the Windows text is the program's original one.
std::string EngineMissingMessage() {
  const std::string File = platform::EngineLibraryFileName;
  return (File == "pdfium.dll" ? std::string("PDFium.DLL") : File) + " が見つかりません.";
}

// The program's fonts by character height in pixels at 96 dots per inch.
wxFont ProgramFont(int PixelHeight, bool Bold = false) {
  static const std::string Face = ChooseFaceName(
      [](const std::string& Name) { return wxFontEnumerator::IsValidFacename(ToWx(Name)); });
  wxFontInfo Info(PixelHeight * 72.0 / 96.0);
  if (!Face.empty())
    Info.FaceName(ToWx(Face));
  return wxFont(Info.Bold(Bold));
}

// A panel with a raised one-pixel bevel along its edges that never takes the focus itself.
class TBevelPanel : public wxPanel {
public:
  explicit TBevelPanel(wxWindow* Parent)
      : wxPanel(Parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                wxTAB_TRAVERSAL | wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE) {
    m_container.DisableSelfFocus();
    Bind(wxEVT_PAINT, &TBevelPanel::Paint, this);
  }

private:
  void Paint(wxPaintEvent&) {
    wxPaintDC DC(this);
    const wxSize Size = GetClientSize();
    DC.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT)));
    DC.DrawLine(0, Size.y - 1, 0, 0);
    DC.DrawLine(0, 0, Size.x - 1, 0);
    DC.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW)));
    DC.DrawLine(Size.x - 1, 0, Size.x - 1, Size.y - 1);
    DC.DrawLine(Size.x - 1, Size.y - 1, 0, Size.y - 1);
  }
};

struct TBounds {
  int Left, Top, Width, Height;
};

wxButton* MakeButton(wxWindow* Parent, const char* Caption, TBounds B, bool TabStop) {
  wxButton* Button =
      NewProgramButton(Parent, ToWx(Caption), Parent->FromDIP(wxPoint(B.Left, B.Top)),
                       Parent->FromDIP(wxSize(B.Width, B.Height)));
  Button->SetFont(ProgramFont(11));
  if (!TabStop)
    Button->DisableFocusFromKeyboard();
  return Button;
}

wxTextCtrl* MakeEdit(wxWindow* Parent, const char* Text, TBounds B, long Style) {
  auto* Edit = new wxTextCtrl(Parent, wxID_ANY, ToWx(Text), Parent->FromDIP(wxPoint(B.Left, B.Top)),
                              Parent->FromDIP(wxSize(B.Width, B.Height)), Style);
  Edit->SetFont(ProgramFont(13));
  return Edit;
}

// One notch of a mouse wheel.
constexpr int WheelNotch = 120;

// Lets through digits, control characters and keys that type nothing.
void DigitsOnly(wxKeyEvent& Event) {
  const wxChar C = Event.GetUnicodeKey();
  const bool Types = C != WXK_NONE && C >= ' ' && C != WXK_DELETE;
  if (Types && !(C >= '0' && C <= '9') && !Event.ControlDown() && !Event.AltDown())
    return;
  Event.Skip();
}

} // namespace

// Shows the main window every wheel event over it before any of its controls handles it.
class TForm68::TWheelFilter : public wxEventFilter {
public:
  explicit TWheelFilter(TForm68& Form) : FForm(Form) { wxEvtHandler::AddFilter(this); }
  ~TWheelFilter() override { wxEvtHandler::RemoveFilter(this); }

  int FilterEvent(wxEvent& Event) override {
    if (Event.GetEventType() == wxEVT_MOUSEWHEEL) {
      auto* Window = wxDynamicCast(Event.GetEventObject(), wxWindow);
      if (Window && wxGetTopLevelParent(Window) == &FForm)
        FForm.HandleWheelNotches(static_cast<wxMouseEvent&>(Event));
    }
    return Event_Skip;
  }

private:
  TForm68& FForm;
};

TForm68::TForm68(const std::string& ExecutablePath)
    : wxFrame(nullptr, wxID_ANY, "Form68"),
      FSettingsFileName(platform::ChangeFileExt(ExecutablePath, ".ini")),
      FExecutablePath(ExecutablePath) {
  Form68 = this;
  SetFont(ProgramFont(11));
  SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
  CreateControls();
  CreatePopupMenu();
  SetClientSize(FromDIP(wxSize(533, 364)));
  Layout();
  Bind(wxEVT_CLOSE_WINDOW, &TForm68::FormClose, this);
  FWheelFilter = std::make_unique<TWheelFilter>(*this);
  try {
    FormCreate();
  } catch (...) {
    ShowCurrentException();
  }
  Button11->SetFocus(); // the first control in tab order that takes the Tab key
}

TForm68::~TForm68() {
  FWheelFilter.reset();
  RunFormDestroy();
  if (Form68 == this)
    Form68 = nullptr;
}

// Every control belongs to its parent window, which destroys it.
void TForm68::CreateControls() {
  Panel1 = new TBevelPanel(this);
  Panel2 = new TBevelPanel(this);
  Panel1->SetMinSize(FromDIP(wxSize(-1, 77)));
  auto* Sizer = new wxBoxSizer(wxVERTICAL);
  Sizer->Add(Panel1, 0, wxEXPAND);
  Sizer->Add(Panel2, 1, wxEXPAND);
  SetSizer(Sizer);

  // Created in tab order.
  Button2 = MakeButton(Panel1, "次ページ >", {327, 49, 75, 25}, false);
  Button1 = MakeButton(Panel1, "< 前ページ", {252, 49, 75, 25}, false);
  Button3 = MakeButton(Panel1, "拡大", {398, 25, 65, 25}, false);
  Button4 = MakeButton(Panel1, "縮小", {462, 24, 65, 25}, false);
  Button5 = MakeButton(Panel1, "用紙幅", {252, 24, 75, 25}, false);
  Button6 = MakeButton(Panel1, "用紙高", {327, 24, 72, 25}, false);
  Button7 = MakeButton(Panel1, "右90°", {464, 49, 65, 25}, false);
  Button8 = MakeButton(Panel1, "左90°", {398, 49, 65, 25}, false);
  Button11 = MakeButton(Panel1, "PDFIMPORT", {142, 24, 111, 25}, true);
  Button11->SetFont(ProgramFont(11, true));
  Button12 = MakeButton(Panel1, "CAD", {4, 24, 45, 25}, true);
  Edit1 = MakeEdit(Panel1, "", {1, 1, 531, 24}, wxTE_READONLY);
  Edit1->SetHint(ToWx("エクスプローラーから PDF をドラッグ・ドロップ"));
  Edit1->DisableFocusFromKeyboard();
  Button13 = MakeButton(Panel1, "QUOLSA", {142, 49, 71, 25}, true);
  Edit2 = MakeEdit(Panel1, "1", {4, 52, 45, 24}, wxTE_CENTRE);
  Edit3 = MakeEdit(Panel1, "25.4", {48, 25, 92, 24}, wxTE_CENTRE);
  Button14 = MakeButton(Panel1, "MENU", {214, 49, 39, 25}, true);
  Label1 = new wxStaticText(Panel1, wxID_ANY, "Label1", FromDIP(wxPoint(55, 53)));
  Label1->SetFont(ProgramFont(13));

  StatusBar1 = new TStatusLine(Panel2);

  Panel1->Bind(wxEVT_SIZE, [this](wxSizeEvent&) { LayoutPanel1(); });
  Panel2->Bind(wxEVT_SIZE, [this](wxSizeEvent&) { LayoutPanel2(); });
  // The window's own handler has taken each notch already; the lower panel and its status bar end
  // a notch there, so the toolkit does not hand it up to the window a second time.
  Panel2->Bind(wxEVT_MOUSEWHEEL, [](wxMouseEvent&) {});
  StatusBar1->Bind(wxEVT_MOUSEWHEEL, [](wxMouseEvent&) {});
  Bind(wxEVT_DROP_FILES, &TForm68::HandleDroppedFiles, this);

  Button1->Bind(wxEVT_BUTTON, &TForm68::Button1Click, this);
  Button2->Bind(wxEVT_BUTTON, &TForm68::Button2Click, this);
  Button3->Bind(wxEVT_BUTTON, &TForm68::Button3Click, this);
  Button4->Bind(wxEVT_BUTTON, &TForm68::Button4Click, this);
  Button5->Bind(wxEVT_BUTTON, &TForm68::Button5Click, this);
  Button6->Bind(wxEVT_BUTTON, &TForm68::Button6Click, this);
  Button7->Bind(wxEVT_BUTTON, &TForm68::Button7Click, this);
  Button8->Bind(wxEVT_BUTTON, &TForm68::Button8Click, this);
  Button11->Bind(wxEVT_BUTTON, &TForm68::Button11Click, this);
  Button12->Bind(wxEVT_BUTTON, &TForm68::Button12Click, this);
  Button13->Bind(wxEVT_BUTTON, &TForm68::Button13Click, this);
  Button14->Bind(wxEVT_BUTTON, &TForm68::Button14Click, this);
  // Bound last, so it sees a key before the digit filter does.
  Edit2->Bind(wxEVT_CHAR, DigitsOnly);
  Edit2->Bind(wxEVT_CHAR, &TForm68::Edit2KeyPress, this);
}

void TForm68::CreatePopupMenu() {
  PopupMenu1 = std::make_unique<wxMenu>();
  wxMenu& M = *PopupMenu1;
  const auto Command = [this, &M](const char* Caption) {
    wxMenuItem* Item = M.Append(wxID_ANY, ToWx(Caption));
    Bind(wxEVT_MENU, &TForm68::pdfLINEClick, this, Item->GetId());
    return Item;
  };
  quoLSA = Command("■ quoLSA : PDFIMPORT で作成された SOLID、HATCH をポリラインに変換");
  N5 = M.AppendSeparator();
  pdfLINE = Command("■ pdfLINE : 罫線っぽい二重線を LINE に変換");
  N2 = M.AppendSeparator();
  lnAlp = Command("■ lnAlp : 端点が微妙につながっていない罫線を整形");
  crCut = Command("■ crCut : CIRCLE, ELLIPSE, LWPOLYLINE に交差する線分を、部分ごとにカット");
  oneLine = Command("■ oneLine : pdfLINE で線分化できないポリラインを、部分ごとに線分化");
  N1 = M.AppendSeparator();
  txlines = Command("■ txlines : TEXT, MTEXT を結合（MTEXTは分解される）");
  N3 = M.AppendSeparator();
  N4 = M.Append(wxID_ANY, ToWx("取り消し")); // only closes the menu

  // The button's context menu, opened at the mouse.
  Button14->Bind(wxEVT_CONTEXT_MENU, [this](wxContextMenuEvent&) { PopupMenu(PopupMenu1.get()); });
}

void TForm68::LayoutPanel1() {
  const int Border = FromDIP(1);
  Edit1->SetSize(Border, Border, Panel1->GetClientSize().x - 2 * Border, FromDIP(24));
}

void TForm68::LayoutPanel2() {
  const int Border = FromDIP(1);
  const wxSize Size = Panel2->GetClientSize();
  const int Height = FromDIP(19);
  StatusBar1->SetSize(Border, Size.y - Border - Height, Size.x - 2 * Border, Height);
  if (Viewer)
    Viewer->SetSize(Border, Border, Size.x - 2 * Border, Size.y - 2 * Border - Height);
}

void TForm68::FormCreate() {
  try {
    SetEngineDirectory(platform::ExtractFilePath(FExecutablePath) + "PDFium" +
                       platform::PathDelimiter + "x64");
    CreateViewer();
  } catch (...) {
    ShowPlainMessage(EngineMissingMessage());
  }
  Label1->SetLabel(wxString());
  TargetProgID = DefaultTargetProgID;

  const TIniFile Ini(FSettingsFileName);
  const wxSize Screen = wxDisplay().GetGeometry().GetSize();
  const wxSize Size = GetSize();
  TSettings Defaults;
  Defaults.Left = CentredOrigin(Screen.x, Size.x);
  Defaults.Top = CentredOrigin(Screen.y, Size.y);
  Defaults.PageNo = DefaultPageNo;
  Defaults.Scale = DefaultScale;
  Defaults.ProgID = TargetProgID;
  const TSettings Stored = ReadSettings(Ini, Defaults);
  SetPosition(wxPoint(Stored.Left, Stored.Top));
  Edit1->ChangeValue(ToWx(Stored.FileName));
  Edit2->ChangeValue(ToWx(Stored.PageNo));
  Edit3->ChangeValue(ToWx(Stored.Scale));
  TargetProgID = Stored.ProgID;

  SetCaptionFromTargetList();
  // A stored document that no longer opens is reported once start-up is complete, so the window
  // still comes up and works.
  std::exception_ptr ReopenError;
  try {
    if (platform::FileExists(FromWx(Edit1->GetValue())))
      ReopenLastDocument();
    else
      ShowEmptyState();
  } catch (...) {
    ReopenError = std::current_exception();
  }
  RegisterDroppedFiles();
  CreateMessageFilter();
  StatusBar1->SetStatusText(ToWx(StatusBarHint));
  if (ReopenError)
    std::rethrow_exception(ReopenError);
}

void TForm68::FormDestroy() {
  TIniFile Ini(FSettingsFileName);
  TSettings Current;
  Current.Left = GetPosition().x;
  Current.Top = GetPosition().y;
  Current.Width = GetSize().x;
  Current.Height = GetSize().y;
  Current.FileName = FromWx(Edit1->GetValue());
  Current.PageNo = FromWx(Edit2->GetValue());
  Current.Scale = FromWx(Edit3->GetValue());
  Current.ProgID = TargetProgID;
  WriteSettings(Ini, Current);
  RevokeMessageFilter();
}

void TForm68::FormClose(wxCloseEvent&) {
  RunFormDestroy();
  Destroy();
}

void TForm68::RunFormDestroy() {
  if (FDestroyDone)
    return;
  FDestroyDone = true;
  try {
    FormDestroy();
  } catch (...) {
    ShowCurrentException();
  }
}

// Creating the viewer's document loads the engine.
void TForm68::CreateViewer() {
  Viewer = new TPdfControl(Panel2);
  LayoutPanel2();
}

// The caption names the current target when the target list has a line for it.
void TForm68::SetCaptionFromTargetList() {
  std::optional<TTargetListText> List;
  try {
    List = ReadTargetListFile(TargetListFilePath(platform::ExtractFileDir(FExecutablePath)));
  } catch (const EFOpenError&) {
    ShowCurrentException(); // start-up goes on with the design caption
  }
  if (!List)
    return;
  if (const std::optional<std::string> Name = CaptionNameOf(List->Lines, TargetProgID))
    SetTitle(ToWx(TargetCaption(ApplicationTitle, *Name)));
}

// Edit1 and Edit2 hold the stored file name and page box text. Without a viewer they stay, so the
// CAD import can still hand the stored file over.
void TForm68::ReopenLastDocument() {
  if (!Viewer)
    return;
  OpenDocument(FromWx(Edit1->GetValue()));
  const std::string PageText = FromWx(Edit2->GetValue());
  Label1->SetLabel(ToWx(PageLabel(PageText, Viewer->PageCount())));
  Viewer->SetPageIndex(PageIndexOfText(PageText, 1));
}

void TForm68::ShowEmptyState() {
  if (Viewer)
    Viewer->Hide();
  Label1->SetLabel(wxString());
  Edit1->ChangeValue(wxString());
  Edit2->ChangeValue(wxString());
}

void TForm68::OpenDocument(const std::string& FileName) {
  Viewer->Show();
  Viewer->SetRotation(prNormal);
  Viewer->SetSmoothScroll(true);
  Viewer->SetScaleMode(smFitAuto);
  Viewer->LoadFromFile(FileName, "", dloMMF);
}

void TForm68::ShowPageDisplay() {
  Label1->SetLabel(ToWx(PageLabel(Viewer->PageIndex(), Viewer->PageCount())));
  Edit2->ChangeValue(ToWx(std::to_string(Viewer->PageIndex() + 1)));
}

void TForm68::RegisterDroppedFiles() {
  DragAcceptFiles(true);
}

void TForm68::CreateMessageFilter() {
  FMessageFilter = std::make_unique<TMessageFilter>();
  FMessageFilter->RegisterFilter();
}

void TForm68::RevokeMessageFilter() {
  if (FMessageFilter)
    FMessageFilter->RevokeFilter();
}

// Without a viewer the first page counts as shown.
int TForm68::ShownPageNumber() const {
  return Viewer ? Viewer->PageIndex() + 1 : 1;
}

std::string TForm68::LispFile() const {
  return LispFilePath(platform::ExtractFileDir(FExecutablePath));
}

// The view commands act on the viewer whether it is shown or hidden; without a viewer they do
// nothing.

void TForm68::Button1Click(wxCommandEvent&) {
  if (!Viewer)
    return;
  Viewer->GotoPrevPage(false);
  ShowPageDisplay();
}

void TForm68::Button2Click(wxCommandEvent&) {
  if (!Viewer)
    return;
  Viewer->GotoNextPage(false);
  ShowPageDisplay();
}

void TForm68::Button3Click(wxCommandEvent&) {
  if (!Viewer)
    return;
  Viewer->SetScaleMode(smZoom);
  Viewer->SetZoomPercentage(ZoomedIn(Viewer->ZoomPercentage()));
}

void TForm68::Button4Click(wxCommandEvent&) {
  if (!Viewer)
    return;
  Viewer->SetScaleMode(smZoom);
  Viewer->SetZoomPercentage(ZoomedOut(Viewer->ZoomPercentage()));
}

void TForm68::Button5Click(wxCommandEvent&) {
  if (!Viewer)
    return;
  Viewer->SetScaleMode(smFitWidth);
  Viewer->SetZoomPercentage(100);
}

void TForm68::Button6Click(wxCommandEvent&) {
  if (!Viewer)
    return;
  Viewer->SetScaleMode(smFitHeight);
  Viewer->SetZoomPercentage(100);
}

void TForm68::Button7Click(wxCommandEvent&) {
  if (Viewer)
    Viewer->SetRotation(RotatedRight(Viewer->Rotation()));
}

void TForm68::Button8Click(wxCommandEvent&) {
  if (Viewer)
    Viewer->SetRotation(RotatedLeft(Viewer->Rotation()));
}

void TForm68::Button11Click(wxCommandEvent&) {
  ImportPdf({FromWx(Edit1->GetValue()), ShownPageNumber(), FromWx(Edit3->GetValue()), LispFile()});
}

// The dialog's OK applies the choice itself.
void TForm68::Button12Click(wxCommandEvent&) {
  if (TargetCADForm)
    TargetCADForm->ShowModal();
}

void TForm68::Button13Click(wxCommandEvent&) {
  RunCleanUpCommand(QuolsaCommandName, LispFile());
}

// The menu opens at the bottom-left corner of the "MENU" button.
void TForm68::Button14Click(wxCommandEvent&) {
  const wxPoint At = Panel1->GetPosition() + Button14->GetPosition();
  PopupMenu(PopupMenu1.get(), wxPoint(At.x, At.y + Button1->GetSize().y));
}

void TForm68::Edit2KeyPress(wxKeyEvent& Event) {
  if (Event.GetKeyCode() != WXK_RETURN) {
    Event.Skip();
    return;
  }
  if (!Viewer)
    return;
  Viewer->SetPageIndex(PageIndexOfText(FromWx(Edit2->GetValue()), 0));
  Label1->SetLabel(ToWx(PageLabel(Viewer->PageIndex(), Viewer->PageCount())));
}

// The command items tell themselves apart by the clicked item itself.
void TForm68::pdfLINEClick(wxCommandEvent& Event) {
  const wxMenuItem* Clicked = PopupMenu1->FindItem(Event.GetId());
  const std::pair<const wxMenuItem*, const char*> Commands[] = {
      {pdfLINE, PdfLineCommandName}, {lnAlp, LineAlignCommandName},   {crCut, CircleCutCommandName},
      {oneLine, OneLineCommandName}, {txlines, TextLinesCommandName}, {quoLSA, QuolsaCommandName}};
  for (const auto& [Item, Name] : Commands)
    if (Item == Clicked) {
      RunCleanUpCommand(Name, LispFile());
      return;
    }
}

void TForm68::HandleWheelNotches(wxMouseEvent& Event) {
  if (Event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL)
    return;
  FWheelRotation += Event.GetWheelRotation();
  while (FWheelRotation <= -WheelNotch) {
    FWheelRotation += WheelNotch;
    FormMouseWheelDown(Event);
  }
  while (FWheelRotation >= WheelNotch) {
    FWheelRotation -= WheelNotch;
    FormMouseWheelUp(Event);
  }
}

// One notch for the window: the pointer must lie strictly inside the lower panel.
void TForm68::WheelNotchOverWindow(wxMouseEvent& Event, bool TowardUser) {
  if (!Viewer)
    return;
  const auto* Source = static_cast<wxWindow*>(Event.GetEventObject());
  const wxPoint At = Panel2->ScreenToClient(Source->ClientToScreen(Event.GetPosition()));
  const wxSize Size = Panel2->GetSize();
  const bool Inside = At.x > 0 && At.x < Size.x && At.y > 0 && At.y < Size.y;
  const bool ModifierHeld = wxGetKeyState(WXK_SHIFT) || wxGetKeyState(WXK_CONTROL);
  switch (MainWindowWheelAction(Inside, ModifierHeld, Viewer->ScaleMode(), TowardUser)) {
  case waNone:
    return;
  case waSwitchToZoom:
    Viewer->SetScaleMode(smZoom);
    return;
  case waNextPage:
    Viewer->GotoNextPage(false);
    break;
  case waPrevPage:
    Viewer->GotoPrevPage(false);
    break;
  }
  ShowPageDisplay();
}

void TForm68::FormMouseWheelDown(wxMouseEvent& Event) {
  WheelNotchOverWindow(Event, true);
}

void TForm68::FormMouseWheelUp(wxMouseEvent& Event) {
  WheelNotchOverWindow(Event, false);
}

// Only the first file of a drop counts, and only by its name. A load that fails is reported once
// the drop is over, so the program the file came from is not kept waiting by the message.
void TForm68::HandleDroppedFiles(wxDropFilesEvent& Event) {
  if (Event.GetNumberOfFiles() <= 0)
    return;
  const std::string FileName = FromWx(Event.GetFiles()[0]);
  try {
    if (!HasPdfExtension(FileName)) {
      ShowEmptyState();
    } else if (Viewer) {
      OpenDocument(FileName);
      Label1->SetLabel(ToWx(PageLabel(0, Viewer->PageCount())));
      Edit1->ChangeValue(ToWx(FileName));
      Edit2->ChangeValue(ToWx(std::to_string(Viewer->PageIndex() + 1)));
    } else {
      // Without a viewer the file is still there for the CAD import.
      Label1->SetLabel(wxString());
      Edit1->ChangeValue(ToWx(FileName));
      Edit2->ChangeValue("1");
    }
  } catch (...) {
    CallAfter([Error = std::current_exception()] {
      try {
        std::rethrow_exception(Error);
      } catch (...) {
        ShowCurrentException();
      }
    });
  }
}
