// One page of an open document: its engine page handle and metrics, rendering and coordinate
// mapping, its text, search and web links, and its input for the form layer. A page can give its
// engine handles back (Close) and reopens them on the next operation that needs them.
#pragma once

#include "engine/PdfEngineHandles.h"
#include "engine/PdfFormFieldType.h"
#include "engine/PdfGeometry.h"
#include "engine/PdfShiftState.h"

#include <cstdint>
#include <string>

class TPdfBitmap;
class TPdfDocument;
class TPdfProgressiveRender;
class TPdfSurface;

// Created and owned by its document only.
class TPdfPage {
public:
  ~TPdfPage();
  TPdfPage(const TPdfPage&) = delete;
  TPdfPage& operator=(const TPdfPage&) = delete;

  // Releases the page's engine handles, abandoning a progressive render of the page; the object
  // and its last metrics stay. Safe to repeat.
  void Close();
  bool IsLoaded() const { return FPage != nullptr; }

  // Draws the page scaled into (X, Y, Width, Height) of Target, opaquely over what was there;
  // only the part inside the target is drawn. With proPrinting the form fields are flattened into
  // the page first and the page is drawn over the target without filling. A progressive render of
  // the page is abandoned first.
  void Draw(TPdfSurface& Target, int X, int Y, int Width, int Height, TPdfPageRotation Rotate,
            TPdfPageRenderOptions Options);
  // Draws the page like Draw, but over what the target holds in the rectangle: those pixels are
  // the paper the page is printed on, and nothing is filled first.
  void DrawOnPaper(TPdfSurface& Target, int X, int Y, int Width, int Height,
                   TPdfPageRotation Rotate, TPdfPageRenderOptions Options);
  // The page content into an engine bitmap.
  void DrawToPdfBitmap(TPdfBitmap& APdfBitmap, int X, int Y, int Width, int Height,
                       TPdfPageRotation Rotate, TPdfPageRenderOptions Options);
  // The form fields of the page over an engine bitmap.
  void DrawFormToPdfBitmap(TPdfBitmap& APdfBitmap, int X, int Y, int Width, int Height,
                           TPdfPageRotation Rotate, TPdfPageRenderOptions Options);

  // Conversions for a page drawn at (X, Y, Width, Height) with Rotate.
  TPdfPoint DeviceToPage(int X, int Y, int Width, int Height, int DeviceX, int DeviceY,
                         TPdfPageRotation Rotate);
  TPoint PageToDevice(int X, int Y, int Width, int Height, double PageX, double PageY,
                      TPdfPageRotation Rotate);
  // Corner by corner, no reordering.
  TPdfRect DeviceToPage(int X, int Y, int Width, int Height, const TRect& R,
                        TPdfPageRotation Rotate);
  // Corner by corner; Top and Bottom are swapped when Bottom < Top, Left and Right never.
  TRect PageToDevice(int X, int Y, int Width, int Height, const TPdfRect& R,
                     TPdfPageRotation Rotate);

  TPdfPageRotation Rotation() const { return FRotation; }
  // Sets the engine page's rotation and reads it back; Width and Height are not read again.
  void SetRotation(TPdfPageRotation Value);
  // The engine generates the page content from its objects; nothing on a closed page.
  void ApplyChanges();
  // Annotations and form fields become page content (visible after reopening); nothing on a
  // closed page.
  void Flatten(bool AFlatPrint);

  // Text of the page in the engine's reading order; indices count UTF-16 characters from 0. The
  // text page is loaded on first use (reopening a closed page); without one the answers are
  // empty, zero or false.
  FPDF_TEXTPAGE TextHandle();
  int GetCharCount();
  char16_t ReadChar(int CharIndex);
  double GetCharFontSize(int CharIndex);
  TPdfRect GetCharBox(int CharIndex);
  // The engine's index of the character at or near the position (the engine's codes for none).
  int GetCharIndexAt(double PageX, double PageY, double ToleranceX, double ToleranceY);
  // Up to Count characters from CharIndex.
  std::u16string ReadText(int CharIndex, int Count);
  // The text inside the page-space rectangle.
  std::u16string GetTextAt(double Left, double Top, double Right, double Bottom);
  std::u16string GetTextAt(const TPdfRect& R);
  // The rectangles covering a character range: count them first, then fetch them by index.
  int GetTextRectCount(int CharIndex, int Count);
  TPdfRect GetTextRect(int RectIndex);

  // A search through the page text; FromEnd starts behind the last character, for FindPrev.
  bool BeginFind(const std::u16string& SearchString, bool MatchCase, bool MatchWholeWord,
                 bool FromEnd);
  // The next or previous hit's character range; false (and both 0) when there is none.
  bool FindNext(int& CharIndex, int& Count);
  bool FindPrev(int& CharIndex, int& Count);
  void EndFind();

  // The web addresses the engine finds in the page text.
  int GetWebLinkCount();
  std::u16string GetWebLinkURL(int LinkIndex);
  int GetWebLinkRectCount(int LinkIndex);
  TPdfRect GetWebLinkRect(int LinkIndex, int RectIndex);

  // Input for the form layer, at page positions. Each answers false (or empty) without form
  // environment and does not reopen a closed page; otherwise true when the engine handled it.
  bool FormEventFocus(TShiftState Shift, double PageX, double PageY);
  bool FormEventMouseMove(TShiftState Shift, double PageX, double PageY);
  bool FormEventMouseWheel(TShiftState Shift, int WheelDelta, double PageX, double PageY);
  bool FormEventLButtonDown(TShiftState Shift, double PageX, double PageY);
  bool FormEventLButtonUp(TShiftState Shift, double PageX, double PageY);
  bool FormEventRButtonDown(TShiftState Shift, double PageX, double PageY);
  bool FormEventRButtonUp(TShiftState Shift, double PageX, double PageY);
  // KeyCode: a virtual-key code; KeyData: the key message's data (bit 29: alt held).
  bool FormEventKeyDown(std::uint16_t KeyCode, std::intptr_t KeyData);
  bool FormEventKeyUp(std::uint16_t KeyCode, std::intptr_t KeyData);
  bool FormEventKeyPress(char16_t Key, std::intptr_t KeyData);
  // Makes the focused form field lose focus.
  bool FormEventKillFocus();
  // The text of the focused field, of the selection in it.
  std::u16string FormGetFocusedText();
  std::u16string FormGetSelectedText();
  // True whenever there is a form environment, whatever the engine did.
  bool FormReplaceSelection(const std::u16string& ANewText);
  bool FormSelectAllText();
  bool FormCanUndo();
  bool FormCanRedo();
  bool FormUndo();
  bool FormRedo();
  // The kind of field at the page position, asked of the engine as the page is.
  TPdfFormFieldType HasFormFieldAtPoint(double X, double Y);

  // The engine page handle, reopened first if needed.
  FPDF_PAGE Handle();
  // The engine page handle as it is: null while closed.
  FPDF_PAGE LoadedHandle() const { return FPage.get(); }
  TPdfDocument* Document() const { return FDocument; }
  // In points, as the engine reported when the handle was last opened.
  float Width() const { return FWidth; }
  float Height() const { return FHeight; }
  bool Transparency() const { return FTransparency; }

private:
  friend class TPdfDocument;
  friend class TPdfProgressiveRender;
  TPdfPage(TPdfDocument* ADocument, TPageHandle APage);

  void ReopenIfClosed();
  // Close without touching a progressive render: the engine handles and the form layer's page.
  void ReleaseHandles();
  void NotifyPageOpened();
  // Reopens the page; for printing, flattens its form fields into it first. A progressive render
  // running on the page goes on.
  void PrepareToDraw(TPdfPageRenderOptions Options);
  // The progressive render running on the page: attaching abandons the one there was.
  void AttachProgressiveRender(TPdfProgressiveRender* Render);
  void DetachProgressiveRender(TPdfProgressiveRender* Render);
  void AbandonProgressiveRender();
  // Draw and DrawOnPaper; FillPaper fills the screen path's rectangle white first.
  void DrawInto(TPdfSurface& Target, int X, int Y, int Width, int Height, TPdfPageRotation Rotate,
                TPdfPageRenderOptions Options, bool FillPaper);
  void ReadPageMetrics();
  bool HasFormEnvironment() const;
  FPDF_FORMHANDLE Form() const;
  // Load the text page, the web links on demand; true when present afterwards.
  bool HasTextPage();
  bool HasLinks();
  // One step of the search, forwards or backwards.
  bool FindStep(TFPDFText_FindNext Step, int& CharIndex, int& Count);
  // The form layer's calls of one signature each: mouse events, key events, field texts,
  // commands.
  bool FormMouseEvent(TFORM_OnMouseMove Event, TShiftState Shift, double PageX, double PageY);
  bool FormKeyEvent(TFORM_OnKeyDown Event, int Key, std::intptr_t KeyData);
  std::u16string FormText(TFORM_GetFocusedText Query);
  bool FormCommand(TFORM_SelectAllText Command);

  TPdfDocument* FDocument;
  TPageHandle FPage;
  float FWidth = 0;
  float FHeight = 0;
  bool FTransparency = false;
  TPdfPageRotation FRotation = prNormal;
  TTextPageHandle FTextHandle;
  TSearchHandle FSearchHandle;
  TWebLinksHandle FLinkHandle;
  TPdfProgressiveRender* FProgressiveRender = nullptr; // not owned
};
