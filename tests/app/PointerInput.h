// Input the toolkit's own simulator does not offer, sent through the X server's test extension as
// a real device would send it.
#pragma once

// One notch of the mouse wheel at the pointer: toward the user (scrolling down) or away from them.
void SendWheelNotch(bool TowardUser);
// X key symbols of the modifier keys (the X headers' names clash with the program's controls).
constexpr unsigned long KeyShift = 0xFFE1;   // XK_Shift_L
constexpr unsigned long KeyControl = 0xFFE3; // XK_Control_L

// Presses or releases a key by its X key symbol.
void SendKey(unsigned long KeySym, bool Down);
// Moves the pointer to a screen position.
void SendPointerMove(int ScreenX, int ScreenY);
// Presses or releases a mouse button (1 left, 2 middle, 3 right).
void SendButton(unsigned Button, bool Down);
