// The viewer's mouse and keyboard: every event goes to the form filler of the page first; what it
// does not take selects text, follows web links, picks the cursor, scrolls by itself while a drag
// has left the control, and scrolls, turns pages, copies and selects from the keyboard.
#include "viewer/PdfViewCtrl.h"

#include "engine/PdfUnicode.h"

#include "viewer/AutoScroll.h"
#include "viewer/KeyCommands.h"
#include "viewer/ToolkitShiftState.h"
#include "viewer/VirtualKeys.h"

#include <wx/settings.h>

namespace {

constexpr int AutoScrollInterval = 50; // milliseconds
constexpr int CursorCharTolerance = 5; // page units
constexpr int FallbackDoubleClickTime = 500;

// What the handlers read of a mouse event: the button pressed or released, the modifiers and
// buttons held, the client position.
struct TMouseInput {
  TMouseButton Button;
  TShiftState Shift;
  int X;
  int Y;
};

TMouseInput MouseInputOf(const wxMouseEvent& Event) {
  const int Button = Event.GetButton();
  return {Button == wxMOUSE_BTN_LEFT    ? mbLeft
          : Button == wxMOUSE_BTN_RIGHT ? mbRight
                                        : mbMiddle,
          ShiftStateOf(Event), Event.GetX(), Event.GetY()};
}

} // namespace

void TPdfControl::BindInput() {
  Bind(wxEVT_LEFT_DOWN, &TPdfControl::HandleMouseDown, this);
  Bind(wxEVT_LEFT_DCLICK, &TPdfControl::HandleMouseDown, this);
  Bind(wxEVT_RIGHT_DOWN, &TPdfControl::HandleMouseDown, this);
  Bind(wxEVT_RIGHT_DCLICK, &TPdfControl::HandleMouseDown, this);
  Bind(wxEVT_MOTION, &TPdfControl::HandleMouseMove, this);
  Bind(wxEVT_LEFT_UP, &TPdfControl::HandleMouseUp, this);
  Bind(wxEVT_RIGHT_UP, &TPdfControl::HandleMouseUp, this);
  Bind(wxEVT_LEAVE_WINDOW, &TPdfControl::HandleMouseLeave, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, &TPdfControl::HandleCaptureLost, this);
  Bind(wxEVT_KEY_DOWN, &TPdfControl::HandleKeyDown, this);
  Bind(wxEVT_KEY_UP, &TPdfControl::HandleKeyUp, this);
  Bind(wxEVT_CHAR, &TPdfControl::HandleChar, this);
  Bind(wxEVT_KILL_FOCUS, &TPdfControl::HandleKillFocus, this);
  Bind(wxEVT_TIMER, &TPdfControl::HandleAutoScrollTimer, this, FAutoScrollTimer.GetId());
  Bind(wxEVT_TIMER, &TPdfControl::HandleTripleClickTimer, this, FTripleClickTimer.GetId());
}

bool TPdfControl::FormEventsApply() const {
  return FAllowFormEvents && HasValidPage();
}

void TPdfControl::SetCursor(TCursor Value) {
  if (Value == FCursor)
    return;
  FCursor = Value;
  wxWindow::SetCursor(ToolkitCursor(Value));
}

void TPdfControl::CancelAutoScroll() {
  if (!FScrollTimerActive)
    return;
  FAutoScrollTimer.Stop();
  FScrollTimerActive = false;
}

void TPdfControl::EndDrag() {
  FMousePressed = false;
  CancelAutoScroll();
}

// Mouse -------------------------------------------------------------------------------------------

void TPdfControl::HandleMouseDown(wxMouseEvent& Event) {
  Event.Skip();
  const auto [Button, Shift, X, Y] = MouseInputOf(Event);
  if (Button == mbLeft) {
    CancelAutoScroll();
    SetFocus();
    // Moves beyond the control reach it until the button is released.
    if (!HasCapture())
      CaptureMouse();
    FMousePressed = true;
    FMouseDownPt = {X, Y};
  }
  TPdfPage* Page = ShownPage();
  if (!Page)
    return;
  if (FAllowFormEvents) {
    const TPdfPoint At = DeviceToPage(X, Y);
    if (Button == mbLeft && Page->FormEventLButtonDown(Shift, At.X, At.Y))
      return;
    if (Button == mbRight &&
        (Page->FormEventFocus(Shift, At.X, At.Y) || Page->FormEventRButtonDown(Shift, At.X, At.Y)))
      return;
  }
  if (!FAllowUserTextSelection || FFormFieldFocused || Button != mbLeft)
    return;
  const int Index = Shown().NearestCharIndex(X, Y);
  if (FCheckForTrippleClick && SelStart() <= Index && Index < SelStart() + SelLength()) {
    FMousePressed = false;
    FTripleClickTimer.Stop();
    FCheckForTrippleClick = false;
    SelectLine(Index);
    return;
  }
  if (Shift.Contains(ssDouble)) {
    FMousePressed = false;
    SelectWord(Index);
    FCheckForTrippleClick = true;
    const int Time = wxSystemSettings::GetMetric(wxSYS_DCLICK_MSEC, this);
    FTripleClickTimer.StartOnce(Time > 0 ? Time : FallbackDoubleClickTime);
    return;
  }
  FCheckForTrippleClick = false;
  // The anchor is set; nothing is selected until the pointer moves off it.
  ChangeSelection(false, Index, Index);
}

void TPdfControl::HandleMouseMove(wxMouseEvent& Event) {
  Event.Skip();
  // The cursor the move leaves shown, set on every way out.
  struct TCursorChoice {
    TPdfControl& Control;
    TCursor Cursor;
    ~TCursorChoice() { Control.SetCursor(Cursor); }
  } Choice{*this, FCursor};

  const TShiftState Shift = ShiftStateOf(Event);
  const int X = Event.GetX();
  const int Y = Event.GetY();
  TPdfPage* Page = ShownPage();
  const TPdfPoint At = Page ? DeviceToPage(X, Y) : TPdfPoint{};
  if (Page && FormEventsApply()) {
    if (Page->FormEventMouseMove(Shift, At.X, At.Y)) {
      Choice.Cursor = FormFieldCursor(Page->HasFormFieldAtPoint(At.X, At.Y));
      return;
    }
  }
  if (!FAllowUserTextSelection || FFormFieldFocused)
    return;
  if (FMousePressed) {
    FScrollMousePos = {X, Y};
    const wxSize Size = GetSize();
    if (IsBeyondScrollableEdge(FScrollMousePos, Size.x, Size.y, FHorzBar.Shown(),
                               FVertBar.Shown())) {
      if (FScrollTimer && !FScrollTimerActive) {
        FAutoScrollTimer.Start(AutoScrollInterval);
        FScrollTimerActive = true;
      }
    } else {
      CancelAutoScroll();
    }
    // The I-beam shows while dragging over text.
    if (ExtendSelectionToPoint(X, Y))
      Choice.Cursor = crIBeam;
    return;
  }
  if (!Page)
    return;
  if (FOnWebLinkClick && IsWebLinkAt(X, Y))
    Choice.Cursor = crHandPoint;
  else if (Page->GetCharIndexAt(At.X, At.Y, CursorCharTolerance, CursorCharTolerance) >= 0)
    Choice.Cursor = crIBeam;
  else
    Choice.Cursor = crDefault;
}

void TPdfControl::HandleMouseUp(wxMouseEvent& Event) {
  Event.Skip();
  const auto [Button, Shift, X, Y] = MouseInputOf(Event);
  if (Button == mbLeft && HasCapture())
    ReleaseMouse();
  if (TPdfPage* Page = FormEventsApply() ? ShownPage() : nullptr) {
    const TPdfPoint At = DeviceToPage(X, Y);
    if (Button == mbLeft && Page->FormEventLButtonUp(Shift, At.X, At.Y)) {
      if (FMousePressed)
        EndDrag();
      return;
    }
    if (Button == mbRight && Page->FormEventRButtonUp(Shift, At.X, At.Y))
      return;
  }
  if (!FMousePressed || Button != mbLeft)
    return;
  EndDrag();
  if (FAllowUserTextSelection && !FFormFieldFocused)
    ExtendSelectionToPoint(X, Y);
  // A click that selected text never follows a link.
  std::string Url;
  if (!FSelection.Active() && IsWebLinkAt(X, Y, Url))
    RaiseWebLinkClick(Url);
}

void TPdfControl::HandleMouseLeave(wxMouseEvent& Event) {
  Event.Skip();
  if ((FCursor == crIBeam || FCursor == crHandPoint) &&
      (FAllowUserTextSelection || FOnWebLinkClick))
    SetCursor(crDefault);
}

void TPdfControl::HandleCaptureLost(wxMouseCaptureLostEvent&) {
  EndDrag();
}

void TPdfControl::HandleAutoScrollTimer(wxTimerEvent&) {
  if (!FMousePressed || !FScrollTimerActive) {
    CancelAutoScroll();
    return;
  }
  // One axis per tick; the selection's end follows at the next move.
  const wxSize Size = GetSize();
  const TPoint Step = AutoScrollStep(FScrollMousePos, Size.x, Size.y);
  ScrollContent(Step.X, Step.Y, FSmoothScroll);
}

void TPdfControl::HandleTripleClickTimer(wxTimerEvent&) {
  FCheckForTrippleClick = false;
  FTripleClickTimer.Stop();
}

// Keyboard ----------------------------------------------------------------------------------------

void TPdfControl::HandleKeyDown(wxKeyEvent& Event) {
  const std::uint16_t Key = VirtualKeyOf(Event.GetKeyCode());
  const TShiftState Shift = ShiftStateOf(Event);
  TPdfPage* Page = Key != vkNone && FormEventsApply() ? ShownPage() : nullptr;
  // The focused field's editing keys are the control's, before the form filler sees them: the
  // form filler takes only its moving and deleting keys and has no clipboard, and a cut must copy
  // the selection before anything deletes it.
  if (Page && FFormFieldFocused && FormEditKey(FormEditCommand(Key, Shift)))
    return;
  if (Page && Page->FormEventKeyDown(Key, KeyMessageData(Event.AltDown(), false))) {
    // A key that types a character goes on to the form filler as that character.
    if (Event.GetUnicodeKey() != WXK_NONE)
      Event.Skip();
    return;
  }
  if (!KeyDown(Key, Shift))
    Event.Skip();
}

bool TPdfControl::KeyDown(std::uint16_t Key, TShiftState Shift) {
  const TKeyCommand Command = ViewerKeyCommand(
      Key, Shift, {FAllowUserPageChange, FAllowUserTextSelection, FHorzBar, FVertBar});
  switch (Command.Kind) {
  case kcScroll:
    ScrollContent(Command.DX, Command.DY, FSmoothScroll);
    break;
  case kcNextPage:
    GotoNextPage(true);
    break;
  case kcPrevPage:
    GotoPrevPage(true);
    break;
  case kcFirstPage:
    MoveToPage(0, true, true);
    break;
  case kcLastPage:
    MoveToPage(PageCount() - 1, true, true);
    break;
  case kcCopy:
    if (SelLength() > 0)
      CopyToClipboard();
    break;
  case kcSelectAll:
    SelectAll();
    break;
  case kcNone:
    return false;
  }
  // Page turns are used up too: the toolkit's own scrolling keys must not move the new page.
  return true;
}

bool TPdfControl::FormEditKey(TFormEditCommand Command) {
  switch (Command) {
  case fecCopy:
    CopyFormTextToClipboard();
    return true;
  case fecCut:
    CutFormTextToClipboard();
    return true;
  case fecPaste:
    PasteFormTextFromClipboard();
    return true;
  case fecSelectAll:
    SelectAllFormText();
    return true;
  case fecNone:
    return false;
  }
  return false;
}

void TPdfControl::HandleKeyUp(wxKeyEvent& Event) {
  const std::uint16_t Key = VirtualKeyOf(Event.GetKeyCode());
  TPdfPage* Page = Key != vkNone && FormEventsApply() ? ShownPage() : nullptr;
  if (Page && Page->FormEventKeyUp(Key, KeyMessageData(Event.AltDown(), true)))
    return;
  Event.Skip();
}

void TPdfControl::HandleChar(wxKeyEvent& Event) {
  const wxChar Char = Event.GetUnicodeKey();
  // Delete types no character on any system.
  TPdfPage* Page =
      Char != WXK_NONE && Char != WXK_DELETE && FormEventsApply() ? ShownPage() : nullptr;
  if (Page) {
    // The engine takes characters as UTF-16 code units.
    std::u16string Units;
    AppendUtf16(Units, static_cast<char32_t>(Char));
    bool Taken = false;
    for (const char16_t Unit : Units)
      Taken = Page->FormEventKeyPress(Unit, KeyMessageData(Event.AltDown(), false)) || Taken;
    if (Taken)
      return;
  }
  // Tab stays with the control instead of moving the focus.
  if (Event.GetKeyCode() == WXK_TAB)
    return;
  Event.Skip();
}

void TPdfControl::HandleKillFocus(wxFocusEvent& Event) {
  if (TPdfPage* Page = FormEventsApply() ? ShownPage() : nullptr)
    Page->FormEventKillFocus();
  Event.Skip();
}
