#include "app/ProgramButton.h"

#include <wx/button.h>

// The toolkit's dark theme draws the buttons.
wxButton* NewProgramButton(wxWindow* Parent, const wxString& Caption, const wxPoint& Position,
                           const wxSize& Size) {
  return new wxButton(Parent, wxID_ANY, Caption, Position, Size);
}
