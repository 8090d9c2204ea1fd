// A button that never takes the keyboard focus: clicking it leaves the focus where it was, so the
// field being typed in keeps it. A click sends wxEVT_BUTTON.
#pragma once

#include <wx/control.h>

class TSpeedButton : public wxControl {
public:
  TSpeedButton(wxWindow* Parent, const wxString& Caption, const wxPoint& Position,
               const wxSize& Size);

  bool AcceptsFocus() const override { return false; }
  bool AcceptsFocusFromKeyboard() const override { return false; }

private:
  void Paint(wxPaintEvent& Event);
  void LeftDown(wxMouseEvent& Event);
  void LeftUp(wxMouseEvent& Event);
  void Hover(bool Inside);

  bool FPressed = false;
  bool FHot = false;
};
