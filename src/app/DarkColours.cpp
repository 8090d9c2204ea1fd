#include "app/DarkColours.h"

#include <wx/window.h>

void ApplyDarkColours(wxWindow* Window) {
  Window->SetBackgroundColour(wxColour(0x2B, 0x2B, 0x2B));
  Window->SetForegroundColour(wxColour(0xE6, 0xE6, 0xE6));
  for (wxWindow* Child : Window->GetChildren())
    ApplyDarkColours(Child);
}
