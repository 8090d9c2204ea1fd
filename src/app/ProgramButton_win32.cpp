#include "app/ProgramButton.h"

#include <wx/button.h>
#include <wx/msw/dc.h>
#include <wx/msw/wrapwin.h>

namespace {

// A button the toolkit asks to draw itself once it has colours of its own.
class TDarkButton : public wxButton {
public:
  TDarkButton(wxWindow* Parent, const wxString& Caption, const wxPoint& Position,
              const wxSize& Size)
      : wxButton(Parent, wxID_ANY, Caption, Position, Size) {}

  bool MSWOnDraw(WXDRAWITEMSTRUCT* Item) override {
    const auto* Draw = reinterpret_cast<const DRAWITEMSTRUCT*>(Item);
    const wxRect Face(Draw->rcItem.left, Draw->rcItem.top, Draw->rcItem.right - Draw->rcItem.left,
                      Draw->rcItem.bottom - Draw->rcItem.top);
    const bool Pressed = (Draw->itemState & ODS_SELECTED) != 0;
    const bool Focused = HasFocus();
    wxDCTemp DC(Draw->hDC, Face.GetSize());
    const wxColour Back = GetBackgroundColour();
    const wxColour Edge = Focused ? wxColour(0x3D, 0x8E, 0xE6) : wxColour(0x80, 0x80, 0x80);
    DC.SetPen(wxPen(Edge));
    DC.SetBrush(wxBrush(Pressed ? Back.ChangeLightness(140) : Back));
    DC.DrawRectangle(Face);
    if (Focused) {
      DC.SetBrush(*wxTRANSPARENT_BRUSH);
      DC.DrawRectangle(wxRect(Face).Deflate(1));
    }
    DC.SetFont(GetFont());
    DC.SetTextForeground(IsEnabled() ? GetForegroundColour() : wxColour(0x80, 0x80, 0x80));
    DC.DrawLabel(GetLabel(), Face, wxALIGN_CENTER);
    return true;
  }
};

} // namespace

wxButton* NewProgramButton(wxWindow* Parent, const wxString& Caption, const wxPoint& Position,
                           const wxSize& Size) {
  return new TDarkButton(Parent, Caption, Position, Size);
}
