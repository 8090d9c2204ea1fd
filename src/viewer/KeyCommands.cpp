#include "viewer/KeyCommands.h"

#include "viewer/VirtualKeys.h"

namespace {

constexpr int KeyScrollStep = 25;
constexpr int KeyScrollStepShifted = 50;

TKeyCommand Scroll(int DX, int DY) {
  return {kcScroll, DX, DY};
}

TKeyCommand PageDown(const TKeyContext& C) {
  const TScrollBarModel& Bar = C.VertBar;
  if (!Bar.Shown())
    return C.AllowUserPageChange ? TKeyCommand{kcNextPage} : TKeyCommand{};
  // One pixel short of the last position counts as the end.
  if (C.AllowUserPageChange && Bar.Position() >= Bar.Maximum() - Bar.Page())
    return {kcNextPage};
  return Scroll(0, Bar.Page());
}

TKeyCommand PageUp(const TKeyContext& C) {
  const TScrollBarModel& Bar = C.VertBar;
  if (!Bar.Shown())
    return C.AllowUserPageChange ? TKeyCommand{kcPrevPage} : TKeyCommand{};
  if (C.AllowUserPageChange && Bar.Position() == 0)
    return {kcPrevPage};
  return Scroll(0, -Bar.Page());
}

// Home and End: Ctrl the first or last page, Shift the left or right end, else the top or bottom.
TKeyCommand HomeEnd(bool End, TShiftState Shift, const TKeyContext& C) {
  if (Shift.Contains(ssCtrl))
    return {End ? kcLastPage : kcFirstPage};
  const TScrollBarModel& Bar = Shift.Contains(ssShift) ? C.HorzBar : C.VertBar;
  if (!Bar.Shown())
    return {};
  const int Offset = End ? Bar.Maximum() : -Bar.Maximum();
  return Shift.Contains(ssShift) ? Scroll(Offset, 0) : Scroll(0, Offset);
}

} // namespace

TKeyCommand ViewerKeyCommand(std::uint16_t Key, TShiftState Shift, const TKeyContext& Context) {
  const int Step = Shift.Contains(ssShift) ? KeyScrollStepShifted : KeyScrollStep;
  const bool CtrlOnly = Shift == TShiftState{ssCtrl};
  switch (Key) {
  case vkLeft:
    return Scroll(-Step, 0);
  case vkRight:
    return Scroll(Step, 0);
  case vkUp:
    return Scroll(0, -Step);
  case vkDown:
    return Scroll(0, Step);
  case vkNext:
    return PageDown(Context);
  case vkPrior:
    return PageUp(Context);
  case vkHome:
  case vkEnd:
    return HomeEnd(Key == vkEnd, Shift, Context);
  case vkInsert:
  case vkC:
    if (Context.AllowUserTextSelection && CtrlOnly)
      return {kcCopy};
    return {};
  case vkA:
    if (Context.AllowUserTextSelection && CtrlOnly)
      return {kcSelectAll};
    return {};
  default:
    return {};
  }
}

TFormEditCommand FormEditCommand(std::uint16_t Key, TShiftState Shift) {
  if (Shift == TShiftState{ssCtrl}) {
    switch (Key) {
    case vkInsert:
    case vkC:
      return fecCopy;
    case vkX:
      return fecCut;
    case vkV:
      return fecPaste;
    case vkA:
      return fecSelectAll;
    default:
      return fecNone;
    }
  }
  if (Shift == TShiftState{ssShift}) {
    if (Key == vkInsert)
      return fecPaste;
    if (Key == vkDelete)
      return fecCut;
  }
  return fecNone;
}
