// The main window's push buttons. Where the program colours its windows dark itself (on Windows),
// a button draws its own face: dark, its caption centred on the whole face, and the keyboard focus
// shown as a coloured edge rather than a dotted frame that crowds a short caption.
#pragma once

#include <wx/gdicmn.h>
#include <wx/string.h>

class wxButton;
class wxWindow;

// A new button owned by Parent.
wxButton* NewProgramButton(wxWindow* Parent, const wxString& Caption, const wxPoint& Position,
                           const wxSize& Size);
