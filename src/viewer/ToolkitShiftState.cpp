#include "viewer/ToolkitShiftState.h"

#include <wx/event.h>

namespace {

TShiftState ModifiersOf(const wxKeyboardState& Keys) {
  TShiftState Shift;
  if (Keys.ShiftDown())
    Shift.Include(ssShift);
  if (Keys.AltDown())
    Shift.Include(ssAlt);
  if (Keys.ControlDown())
    Shift.Include(ssCtrl);
  return Shift;
}

} // namespace

TShiftState ShiftStateOf(const wxKeyEvent& Event) {
  return ModifiersOf(Event);
}

TShiftState ShiftStateOf(const wxMouseEvent& Event) {
  TShiftState Shift = ModifiersOf(Event);
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
