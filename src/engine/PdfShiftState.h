// The modifier keys and mouse buttons of an input event, and the engine's modifier bits made of
// them.
#pragma once

#include "engine/PdfEnumSet.h"
#include "platform/KeyState.h"

#include <cstdint>

enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };

using TShiftState = TEnumSet<TShiftStateItem>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// The engine's modifier bits of a mouse event.
int EngineMouseModifiers(TShiftState Shift);

// The engine's modifier bits of a key event: shift and control from the keys held down, alt from
// bit 29 of KeyData (the key message's context bit).
int EngineKeyModifiers(platform::TModifierKeys KeysDown, std::intptr_t KeyData);

// The deltas of the engine's wheel event: horizontal with ssShift, else vertical.
struct TWheelDeltas {
  int X = 0;
  int Y = 0;
  bool operator==(const TWheelDeltas&) const = default;
};
TWheelDeltas FormWheelDeltas(TShiftState Shift, int WheelDelta);
