#include "app/StatusLine.h"

#include <wx/control.h>
#include <wx/dcclient.h>
#include <wx/settings.h>

namespace {
constexpr int TextMargin = 2;
} // namespace

TStatusLine::TStatusLine(wxWindow* Parent)
    : wxWindow(Parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
               wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &TStatusLine::Paint, this);
}

void TStatusLine::SetStatusText(const wxString& Text) {
  if (Text == FText)
    return;
  FText = Text;
  Refresh();
}

void TStatusLine::Paint(wxPaintEvent&) {
  wxPaintDC DC(this);
  const wxSize Size = GetClientSize();
  DC.SetBackground(wxBrush(GetBackgroundColour()));
  DC.Clear();
  // A sunken edge along the top divides the line from what lies above it.
  DC.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW)));
  DC.DrawLine(0, 0, Size.x, 0);
  DC.SetFont(GetFont());
  DC.SetTextForeground(GetForegroundColour());
  const int Width = Size.x - 2 * TextMargin;
  const wxString Shown = wxControl::Ellipsize(FText, DC, wxELLIPSIZE_END, Width);
  const int TextHeight = DC.GetCharHeight();
  DC.DrawText(Shown, TextMargin, (Size.y - TextHeight) / 2 + 1);
}
