#include "viewer/ToolkitShiftState.h"

#include <wx/event.h>

TShiftState ShiftStateOf(const wxMouseEvent& Event) {
  TShiftState Shift;
  if (Event.ShiftDown())
    Shift.Include(ssShift);
  if (Event.AltDown())
    Shift.Include(ssAlt);
  if (Event.ControlDown())
    Shift.Include(ssCtrl);
  if (Event.LeftIsDown())
    Shift.Include(ssLeft);
  if (Event.RightIsDown())
    Shift.Include(ssRight);
  if (Event.MiddleIsDown())
    Shift.Include(ssMiddle);
  if (Event.ButtonDClick())
    Shift.Include(ssDouble);
  return Shift;
}
