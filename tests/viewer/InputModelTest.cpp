// The viewer's input decisions that need no window: the toolkit's keys as virtual keys, the key
// table, the form filler's editing keys, auto-scrolling and the cursor over form fields.
#include "viewer/AutoScroll.h"
#include "viewer/ControlCursor.h"
#include "viewer/KeyCommands.h"
#include "viewer/VirtualKeys.h"

#include <gtest/gtest.h>
#include <wx/defs.h>

namespace {

TEST(VirtualKeys, ToolkitKeysBecomeTheFormLayersCodes) {
  const struct {
    int Toolkit;
    std::uint16_t Virtual;
  } Cases[] = {
      {WXK_PAGEUP, 0x21},
      {WXK_PAGEDOWN, 0x22},
      {WXK_END, 0x23},
      {WXK_HOME, 0x24},
      {WXK_LEFT, 0x25},
      {WXK_UP, 0x26},
      {WXK_RIGHT, 0x27},
      {WXK_DOWN, 0x28},
      {WXK_INSERT, 0x2D},
      {WXK_DELETE, 0x2E},
      {'A', 0x41},
      {'C', 0x43},
      {'V', 0x56},
      {'X', 0x58},
      {'z', 0x5A},
      {'0', 0x30},
      {WXK_BACK, 0x08},
      {WXK_TAB, 0x09},
      {WXK_RETURN, 0x0D},
      {WXK_ESCAPE, 0x1B},
      {WXK_SPACE, 0x20},
      {WXK_SHIFT, 0x10},
      {WXK_CONTROL, 0x11},
      {WXK_ALT, 0x12},
      {WXK_F1, 0x70},
      {WXK_F12, 0x7B},
      {WXK_NUMPAD0, 0x60},
      {WXK_NUMPAD_LEFT, 0x25},
      {WXK_NUMPAD_PAGEDOWN, 0x22},
      {WXK_NUMPAD_ENTER, 0x0D},
      {WXK_NUMPAD_DELETE, 0x2E},
      {',', 0xBC},
      {WXK_NONE, 0},
      {WXK_MEDIA_NEXT_TRACK, 0},
  };
  for (const auto& C : Cases)
    EXPECT_EQ(VirtualKeyOf(C.Toolkit), C.Virtual) << C.Toolkit;
}

TEST(VirtualKeys, KeyDataCarriesAltAndRelease) {
  EXPECT_EQ(KeyMessageData(false, false), 1);
  EXPECT_EQ(KeyMessageData(true, false), 1 | (1 << 29));
  EXPECT_EQ(KeyMessageData(false, true), std::intptr_t(1) | (std::intptr_t(3) << 30));
}

// A vertical bar over a 1000 pixel page of which 300 show, at Position.
TKeyContext Scrolled(int Position, bool HorzBar = false) {
  TKeyContext C;
  C.VertBar.SetRange(1000, 300);
  C.VertBar.SetPosition(Position);
  if (HorzBar)
    C.HorzBar.SetRange(800, 400);
  return C;
}

TKeyContext FullyVisible() {
  return {};
}

TEST(KeyTable, ScrollsAndTurnsPages) {
  const TShiftState None, Shift{ssShift}, Ctrl{ssCtrl}, CtrlShift{ssCtrl, ssShift};
  TKeyContext NoPageChange = Scrolled(699);
  NoPageChange.AllowUserPageChange = false;
  TKeyContext NoSelection = Scrolled(0);
  NoSelection.AllowUserTextSelection = false;
  const struct {
    const char* What;
    std::uint16_t Key;
    TShiftState Shift;
    TKeyContext Context;
    TKeyCommand Expected;
  } Cases[] = {
      {"left", vkLeft, None, Scrolled(0), {kcScroll, -25, 0}},
      {"right with shift", vkRight, Shift, Scrolled(0), {kcScroll, 50, 0}},
      {"up", vkUp, None, Scrolled(0), {kcScroll, 0, -25}},
      {"down with shift", vkDown, Shift, Scrolled(0), {kcScroll, 0, 50}},
      {"down without a bar is still used up", vkDown, None, FullyVisible(), {kcScroll, 0, 25}},
      {"page down, page fully visible", vkNext, None, FullyVisible(), {kcNextPage}},
      {"page up, page fully visible", vkPrior, None, FullyVisible(), {kcPrevPage}},
      {"page down mid-page: the visible height", vkNext, None, Scrolled(100), {kcScroll, 0, 300}},
      {"page down one pixel short of the end turns", vkNext, None, Scrolled(700), {kcNextPage}},
      {"page down at the last position turns", vkNext, None, Scrolled(701), {kcNextPage}},
      {"page down two pixels short scrolls", vkNext, None, Scrolled(699), {kcScroll, 0, 300}},
      {"page up at the top turns", vkPrior, None, Scrolled(0), {kcPrevPage}},
      {"page up mid-page", vkPrior, None, Scrolled(1), {kcScroll, 0, -300}},
      {"page down without page changes scrolls", vkNext, None, NoPageChange, {kcScroll, 0, 300}},
      {"page down without page changes or bar",
       vkNext,
       None,
       [] {
         TKeyContext C;
         C.AllowUserPageChange = false;
         return C;
       }(),
       {}},
      {"ctrl+home", vkHome, Ctrl, Scrolled(100), {kcFirstPage}},
      {"ctrl+end", vkEnd, Ctrl, Scrolled(100), {kcLastPage}},
      {"ctrl+shift+end is ctrl+end", vkEnd, CtrlShift, Scrolled(100), {kcLastPage}},
      {"home: the top", vkHome, None, Scrolled(100), {kcScroll, 0, -1000}},
      {"end: the bottom", vkEnd, None, Scrolled(100), {kcScroll, 0, 1000}},
      {"shift+home: the left end", vkHome, Shift, Scrolled(100, true), {kcScroll, -800, 0}},
      {"shift+end: the right end", vkEnd, Shift, Scrolled(100, true), {kcScroll, 800, 0}},
      {"shift+end without a horizontal bar", vkEnd, Shift, Scrolled(100), {}},
      {"end without a vertical bar", vkEnd, None, FullyVisible(), {}},
      {"ctrl+c", vkC, Ctrl, Scrolled(0), {kcCopy}},
      {"ctrl+insert", vkInsert, Ctrl, Scrolled(0), {kcCopy}},
      {"ctrl+shift+c does nothing", vkC, CtrlShift, Scrolled(0), {}},
      {"c alone", vkC, None, Scrolled(0), {}},
      {"ctrl+c without text selection", vkC, Ctrl, NoSelection, {}},
      {"ctrl+a", vkA, Ctrl, Scrolled(0), {kcSelectAll}},
      {"alt+ctrl+a", vkA, TShiftState{ssCtrl, ssAlt}, Scrolled(0), {}},
      {"ctrl+a without text selection", vkA, Ctrl, NoSelection, {}},
      {"tab", vkTab, None, Scrolled(0), {}},
      {"delete", vkDelete, None, Scrolled(0), {}},
  };
  for (const auto& C : Cases) {
    const TKeyCommand Got = ViewerKeyCommand(C.Key, C.Shift, C.Context);
    EXPECT_EQ(Got, C.Expected) << C.What << ": got kind " << Got.Kind << " " << Got.DX << ","
                               << Got.DY;
  }
}

TEST(KeyTable, EditingKeysOfAFocusedFormField) {
  const TShiftState None, Shift{ssShift}, Ctrl{ssCtrl}, CtrlShift{ssCtrl, ssShift};
  const struct {
    std::uint16_t Key;
    TShiftState Shift;
    TFormEditCommand Expected;
  } Cases[] = {
      {vkC, Ctrl, fecCopy},      {vkInsert, Ctrl, fecCopy},   {vkX, Ctrl, fecCut},
      {vkV, Ctrl, fecPaste},     {vkInsert, Shift, fecPaste}, {vkDelete, Shift, fecCut},
      {vkV, CtrlShift, fecNone}, {vkDelete, None, fecNone},   {vkInsert, None, fecNone},
      {vkV, None, fecNone},      {vkA, Ctrl, fecSelectAll},   {vkDelete, Ctrl, fecNone},
  };
  for (const auto& C : Cases)
    EXPECT_EQ(FormEditCommand(C.Key, C.Shift), C.Expected) << C.Key;
}

TEST(AutoScroll, RunsOnlyBeyondAnEdgeWithABar) {
  const struct {
    TPoint Pointer;
    bool HorzBar, VertBar, Beyond;
  } Cases[] = {
      {{50, -1}, false, true, true},  {{50, -1}, true, false, false},
      {{50, 301}, false, true, true}, {{50, 300}, false, true, false},
      {{-1, 50}, true, false, true},  {{-1, 50}, false, true, false},
      {{401, 50}, true, false, true}, {{400, 50}, true, true, false},
      {{50, 50}, true, true, false},
  };
  for (const auto& C : Cases)
    EXPECT_EQ(IsBeyondScrollableEdge(C.Pointer, 400, 300, C.HorzBar, C.VertBar), C.Beyond)
        << C.Pointer.X << "," << C.Pointer.Y;
}

TEST(AutoScroll, OneAxisPerTickTheHorizontalFirst) {
  const struct {
    TPoint Pointer, Step;
  } Cases[] = {
      {{-5, -5}, {-25, 0}}, {{400, 500}, {25, 0}}, {{10, -1}, {0, -25}},
      {{10, 300}, {0, 25}}, {{10, 10}, {0, 0}},
  };
  for (const auto& C : Cases)
    EXPECT_EQ(AutoScrollStep(C.Pointer, 400, 300), C.Step) << C.Pointer.X << "," << C.Pointer.Y;
}

TEST(ControlCursor, FormFieldsThatTakeTheMouse) {
  EXPECT_EQ(FormFieldCursor(fftTextField), crIBeam);
  EXPECT_EQ(FormFieldCursor(fftComboBox), crHandPoint);
  EXPECT_EQ(FormFieldCursor(fftSignature), crHandPoint);
  for (const TPdfFormFieldType T :
       {fftUnknown, fftPushButton, fftCheckBox, fftRadioButton, fftListBox})
    EXPECT_EQ(FormFieldCursor(T), crDefault) << T;
}

} // namespace
