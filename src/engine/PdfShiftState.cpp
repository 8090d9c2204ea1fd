#include "engine/PdfShiftState.h"

#include <utility>

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
  static constexpr std::pair<TShiftStateItem, int> Bits[] = {
      {ssShift, ShiftKey},      {ssCtrl, ControlKey},         {ssAlt, AltKey},
      {ssLeft, LeftButtonDown}, {ssMiddle, MiddleButtonDown}, {ssRight, RightButtonDown},
  };
  int Result = 0;
  for (const auto& [Item, Bit] : Bits)
    if (Shift.Contains(Item))
      Result |= Bit;
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
