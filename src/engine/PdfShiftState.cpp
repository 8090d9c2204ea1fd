#include "engine/PdfShiftState.h"

namespace {

// The engine's event flags.
constexpr int ShiftKey = 0x01;
constexpr int ControlKey = 0x02;
constexpr int AltKey = 0x04;
constexpr int LeftButtonDown = 0x40;
constexpr int MiddleButtonDown = 0x80;
constexpr int RightButtonDown = 0x100;

constexpr std::intptr_t KeyDataAltBit = std::intptr_t(1) << 29;

} // namespace

int EngineMouseModifiers(TShiftState Shift) {
  int Result = 0;
  if (Shift.Contains(ssShift))
    Result |= ShiftKey;
  if (Shift.Contains(ssCtrl))
    Result |= ControlKey;
  if (Shift.Contains(ssAlt))
    Result |= AltKey;
  if (Shift.Contains(ssLeft))
    Result |= LeftButtonDown;
  if (Shift.Contains(ssMiddle))
    Result |= MiddleButtonDown;
  if (Shift.Contains(ssRight))
    Result |= RightButtonDown;
  return Result;
}

int EngineKeyModifiers(platform::TModifierKeys KeysDown, std::intptr_t KeyData) {
  int Result = 0;
  if (KeysDown.Shift)
    Result |= ShiftKey;
  if (KeysDown.Control)
    Result |= ControlKey;
  if (KeyData & KeyDataAltBit)
    Result |= AltKey;
  return Result;
}

TWheelDeltas FormWheelDeltas(TShiftState Shift, int WheelDelta) {
  if (Shift.Contains(ssShift))
    return {WheelDelta, 0};
  return {0, WheelDelta};
}
