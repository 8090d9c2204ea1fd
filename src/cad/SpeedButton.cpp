#include "cad/SpeedButton.h"

#include <wx/dcclient.h>
#include <wx/renderer.h>
#include <wx/settings.h>

TSpeedButton::TSpeedButton(wxWindow* Parent, const wxString& Caption, const wxPoint& Position,
                           const wxSize& Size)
    : wxControl(Parent, wxID_ANY, Position, Size, wxBORDER_NONE) {
  SetLabel(Caption);
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &TSpeedButton::Paint, this);
  Bind(wxEVT_LEFT_DOWN, &TSpeedButton::LeftDown, this);
  Bind(wxEVT_LEFT_DCLICK, &TSpeedButton::LeftDown, this);
  Bind(wxEVT_LEFT_UP, &TSpeedButton::LeftUp, this);
  Bind(wxEVT_ENTER_WINDOW, [this](wxMouseEvent&) { Hover(true); });
  Bind(wxEVT_LEAVE_WINDOW, [this](wxMouseEvent&) { Hover(false); });
  Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) {
    FPressed = false;
    Refresh();
  });
}

void TSpeedButton::Paint(wxPaintEvent&) {
  wxPaintDC DC(this);
  const wxRect Area(GetClientSize());
  const bool Down = FPressed && FHot;
  if (UseBgCol()) {
    // Colours set by the program: drawn flat in them.
    const wxColour Back = GetBackgroundColour();
    DC.SetBrush(wxBrush(Down ? Back.ChangeLightness(80) : FHot ? Back.ChangeLightness(120) : Back));
    DC.SetPen(wxPen(GetForegroundColour().ChangeLightness(60)));
    DC.DrawRectangle(Area);
  } else {
    DC.SetBrush(wxBrush(GetParent()->GetBackgroundColour()));
    DC.SetPen(*wxTRANSPARENT_PEN);
    DC.DrawRectangle(Area);
    int Flags = 0;
    if (Down)
      Flags |= wxCONTROL_PRESSED;
    if (FHot)
      Flags |= wxCONTROL_CURRENT;
    wxRendererNative::Get().DrawPushButton(this, DC, Area, Flags);
  }
  DC.SetFont(GetFont());
  DC.SetTextForeground(IsEnabled() ? GetForegroundColour()
                                   : wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT));
  wxRect Label = Area;
  if (Down)
    Label.Offset(1, 1);
  DC.DrawLabel(GetLabel(), Label, wxALIGN_CENTER);
}

void TSpeedButton::LeftDown(wxMouseEvent&) {
  if (!HasCapture())
    CaptureMouse();
  FPressed = true;
  FHot = true;
  Refresh();
}

void TSpeedButton::LeftUp(wxMouseEvent& Event) {
  if (HasCapture())
    ReleaseMouse();
  const bool Clicked = FPressed && wxRect(GetClientSize()).Contains(Event.GetPosition());
  FPressed = false;
  Refresh();
  if (Clicked) {
    wxCommandEvent Click(wxEVT_BUTTON, GetId());
    Click.SetEventObject(this);
    ProcessWindowEvent(Click);
  }
}

void TSpeedButton::Hover(bool Inside) {
  FHot = Inside;
  Refresh();
}
