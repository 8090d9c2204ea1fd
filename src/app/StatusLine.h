// The main window's status bar: one line of text that the program draws itself, so it takes the
// window's colours on every system (the native Windows status bar keeps its light colours).
#pragma once

#include <wx/window.h>

class TStatusLine : public wxWindow {
public:
  // A child of Parent, which owns it.
  explicit TStatusLine(wxWindow* Parent);

  void SetStatusText(const wxString& Text);
  const wxString& GetStatusText() const { return FText; }
  // Only shows text: the keyboard focus passes it by.
  bool AcceptsFocus() const override { return false; }

private:
  void Paint(wxPaintEvent& Event);

  wxString FText;
};
