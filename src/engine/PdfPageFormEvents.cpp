// A page's input for the engine's form layer: mouse, wheel and key events, field texts and edit
// commands.
#include "engine/PdfDocument.h"
#include "engine/PdfPage.h"

bool TPdfPage::FormMouseEvent(TFORM_OnMouseMove Event, TShiftState Shift, double PageX,
                              double PageY) {
  return HasFormEnvironment() &&
         Event(Form(), FPage.get(), EngineMouseModifiers(Shift), PageX, PageY) != 0;
}

bool TPdfPage::FormEventFocus(TShiftState Shift, double PageX, double PageY) {
  return FormMouseEvent(FORM_OnFocus, Shift, PageX, PageY);
}

bool TPdfPage::FormEventMouseMove(TShiftState Shift, double PageX, double PageY) {
  return FormMouseEvent(FORM_OnMouseMove, Shift, PageX, PageY);
}

bool TPdfPage::FormEventLButtonDown(TShiftState Shift, double PageX, double PageY) {
  return FormMouseEvent(FORM_OnLButtonDown, Shift, PageX, PageY);
}

bool TPdfPage::FormEventLButtonUp(TShiftState Shift, double PageX, double PageY) {
  return FormMouseEvent(FORM_OnLButtonUp, Shift, PageX, PageY);
}

bool TPdfPage::FormEventRButtonDown(TShiftState Shift, double PageX, double PageY) {
  return FormMouseEvent(FORM_OnRButtonDown, Shift, PageX, PageY);
}

bool TPdfPage::FormEventRButtonUp(TShiftState Shift, double PageX, double PageY) {
  return FormMouseEvent(FORM_OnRButtonUp, Shift, PageX, PageY);
}

bool TPdfPage::FormEventMouseWheel(TShiftState Shift, int WheelDelta, double PageX, double PageY) {
  if (!HasFormEnvironment())
    return false;
  const FS_POINTF Position{static_cast<float>(PageX), static_cast<float>(PageY)};
  const TWheelDeltas Deltas = FormWheelDeltas(Shift, WheelDelta);
  return FORM_OnMouseWheel(Form(), FPage.get(), EngineMouseModifiers(Shift), &Position, Deltas.X,
                           Deltas.Y) != 0;
}

bool TPdfPage::FormKeyEvent(TFORM_OnKeyDown Event, int Key, std::intptr_t KeyData) {
  return HasFormEnvironment() &&
         Event(Form(), FPage.get(), Key,
               EngineKeyModifiers(platform::ModifierKeysDown(), KeyData)) != 0;
}

bool TPdfPage::FormEventKeyDown(std::uint16_t KeyCode, std::intptr_t KeyData) {
  return FormKeyEvent(FORM_OnKeyDown, KeyCode, KeyData);
}

bool TPdfPage::FormEventKeyUp(std::uint16_t KeyCode, std::intptr_t KeyData) {
  return FormKeyEvent(FORM_OnKeyUp, KeyCode, KeyData);
}

bool TPdfPage::FormEventKeyPress(char16_t Key, std::intptr_t KeyData) {
  return FormKeyEvent(FORM_OnChar, Key, KeyData);
}

bool TPdfPage::FormEventKillFocus() {
  return HasFormEnvironment() && FORM_ForceToKillFocus(Form()) != 0;
}

std::u16string TPdfPage::FormText(TFORM_GetFocusedText Query) {
  if (!HasFormEnvironment())
    return {};
  // Lengths in bytes, the terminator included.
  const unsigned long Length = Query(Form(), FPage.get(), nullptr, 0);
  if (Length <= 2)
    return {};
  std::u16string Result(Length / 2 - 1, u'\0');
  Query(Form(), FPage.get(), Result.data(), (Result.size() + 1) * 2);
  return Result;
}

std::u16string TPdfPage::FormGetFocusedText() {
  return FormText(FORM_GetFocusedText);
}

std::u16string TPdfPage::FormGetSelectedText() {
  return FormText(FORM_GetSelectedText);
}

bool TPdfPage::FormReplaceSelection(const std::u16string& ANewText) {
  if (!HasFormEnvironment())
    return false;
  FORM_ReplaceSelection(Form(), FPage.get(), ANewText.c_str());
  return true;
}

bool TPdfPage::FormCommand(TFORM_SelectAllText Command) {
  return HasFormEnvironment() && Command(Form(), FPage.get()) != 0;
}

bool TPdfPage::FormSelectAllText() {
  return FormCommand(FORM_SelectAllText);
}

bool TPdfPage::FormCanUndo() {
  return FormCommand(FORM_CanUndo);
}

bool TPdfPage::FormCanRedo() {
  return FormCommand(FORM_CanRedo);
}

bool TPdfPage::FormUndo() {
  return FormCommand(FORM_Undo);
}

bool TPdfPage::FormRedo() {
  return FormCommand(FORM_Redo);
}

TPdfFormFieldType TPdfPage::HasFormFieldAtPoint(double X, double Y) {
  return FormFieldTypeOf(FPDFPage_HasFormFieldAtPoint(Form(), FPage.get(), X, Y));
}
