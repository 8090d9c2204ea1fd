// The modifier keys and buttons of a toolkit input event as the engine binding's shift state.
#pragma once

#include "engine/PdfShiftState.h"

class wxKeyEvent;
class wxMouseEvent;

// Shift, Alt, Ctrl, the buttons held down, and ssDouble for the second press of a double click.
TShiftState ShiftStateOf(const wxMouseEvent& Event);
// Shift, Alt and Ctrl as they were at a key press.
TShiftState ShiftStateOf(const wxKeyEvent& Event);
