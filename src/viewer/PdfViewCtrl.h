// The viewer control: a child window that shows one page of one PDF document at a time, sized by a
// scale mode, optionally rotated, with a border and a drop shadow, scrolled with its own scroll
// bars and the mouse wheel; the user selects and copies text, follows web links and fills form
// fields in place with the mouse and the keyboard.
#pragma once

#include "engine/PdfDocument.h"
#include "engine/PdfGeometry.h"
#include "engine/PdfPage.h"
#include "viewer/ControlCursor.h"
#include "viewer/KeyCommands.h"
#include "viewer/PdfControlTypes.h"
#include "viewer/ScrollBarModel.h"
#include "viewer/TextSelection.h"

#include <wx/timer.h>
#include <wx/window.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TOffscreenSurface;
class TPageImage;
class TPaintTarget;
struct TPageDrawing;
class TPdfStream;
class wxDC;
class wxFocusEvent;
class wxIdleEvent;
class wxKeyEvent;
class wxMouseCaptureLostEvent;
class wxMouseEvent;
class wxPaintEvent;
class wxScrollWinEvent;
class wxSizeEvent;

class TPdfControl : public wxWindow {
public:
  // A child of Parent, which owns and destroys it. The control's document is created first: an
  // engine that cannot be loaded makes construction fail before any window exists.
  explicit TPdfControl(wxWindow* Parent);
  ~TPdfControl() override;

  // Loading hands the arguments to the document and then shows page 0, also when the load
  // raised; the document's error reaches the caller afterwards.
  void LoadFromFile(const std::string& AFileName, const std::string& APassword = {},
                    TPdfDocumentLoadOption ALoadOption = dloMMF);
  void LoadFromStream(TPdfStream& AStream, const std::string& APassword = {});
  void LoadFromActiveStream(TPdfStream* Stream, const std::string& APassword = {});
  void LoadFromBytes(std::vector<std::uint8_t> ABytes, const std::string& APassword = {});
  void LoadFromBytes(std::vector<std::uint8_t> ABytes, std::int64_t AIndex, std::int64_t ACount,
                     const std::string& APassword = {});
  void LoadFromActiveBuffer(const void* Buffer, std::int64_t Size,
                            const std::string& APassword = {});
  void LoadFromCustom(TPdfDocumentCustomReadProc ReadFunc, std::uint32_t ASize, void* AParam,
                      const std::string& APassword = {});
  // Empties the document; page 0, no page-change event.
  void Close();

  // Pages. Indices are clamped into the document's pages, never rejected.
  bool GotoNextPage(bool ScrollTransition = false);
  bool GotoPrevPage(bool ScrollTransition = false);
  int PageIndex() const { return FPageIndex; }
  void SetPageIndex(int Value);
  int PageCount() const { return FDocument->PageCount(); }
  TPdfDocument& Document() { return *FDocument; }
  // The page shown, or null without one.
  TPdfPage* CurrentPage();

  // The page rectangle in client pixels, and the mappings between client pixels and page space
  // for the page as shown (zero results without a page).
  TRect GetPageRect() const;
  TPdfPoint DeviceToPage(int DeviceX, int DeviceY);
  TPdfRect DeviceToPage(const TRect& DeviceRect);
  TPoint PageToDevice(double PageX, double PageY);
  TRect PageToDevice(const TPdfRect& PageRect);

  // Scrolls by offsets in pixels, moving what is on screen and painting the uncovered strip at
  // once; false when nothing moved.
  virtual bool ScrollContent(int XOffset, int YOffset, bool Smooth);
  // Scrolls to absolute scroll positions.
  bool ScrollContentTo(int X, int Y, bool Smooth);

  // Properties; each setter does nothing for an unchanged value.
  TPdfControlScaleMode ScaleMode() const { return FScaleMode; }
  void SetScaleMode(TPdfControlScaleMode Value);
  int ZoomPercentage() const { return FZoomPercentage; }
  // Clamped to 1 .. 10000.
  void SetZoomPercentage(int Value);
  TColor PageColor() const { return FPageColor; }
  void SetPageColor(TColor Value);
  TPdfPageRotation Rotation() const { return FRotation; }
  void SetRotation(TPdfPageRotation Value);
  bool BufferedPageDraw() const { return FBufferedPageDraw; }
  void SetBufferedPageDraw(bool Value) { FBufferedPageDraw = Value; }
  bool AllowUserTextSelection() const { return FAllowUserTextSelection; }
  void SetAllowUserTextSelection(bool Value) { FAllowUserTextSelection = Value; }
  bool AllowUserPageChange() const { return FAllowUserPageChange; }
  void SetAllowUserPageChange(bool Value) { FAllowUserPageChange = Value; }
  bool AllowFormEvents() const { return FAllowFormEvents; }
  void SetAllowFormEvents(bool Value) { FAllowFormEvents = Value; }
  TPdfPageRenderOptions DrawOptions() const { return FDrawOptions; }
  void SetDrawOptions(TPdfPageRenderOptions Value);
  bool SmoothScroll() const { return FSmoothScroll; }
  void SetSmoothScroll(bool Value) { FSmoothScroll = Value; }
  bool ScrollTimer() const { return FScrollTimer; }
  void SetScrollTimer(bool Value) { FScrollTimer = Value; }
  TColor PageBorderColor() const { return FPageBorderColor; }
  void SetPageBorderColor(TColor Value);
  TColor PageShadowColor() const { return FPageShadowColor; }
  void SetPageShadowColor(TColor Value);
  int PageShadowSize() const { return FPageShadowSize; }
  void SetPageShadowSize(int Value);
  int PageShadowPadding() const { return FPageShadowPadding; }
  void SetPageShadowPadding(int Value);
  // The background around the page.
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);

  const TPdfControlWebLinkClickEvent& OnWebLinkClick() const { return FOnWebLinkClick; }
  void SetOnWebLinkClick(TPdfControlWebLinkClickEvent Value) { FOnWebLinkClick = std::move(Value); }
  const TPdfControlNotifyEvent& OnPageChange() const { return FOnPageChange; }
  void SetOnPageChange(TPdfControlNotifyEvent Value) { FOnPageChange = std::move(Value); }
  // Raised at the end of every paint; the host draws over the finished picture on Canvas().
  const TPdfControlNotifyEvent& OnPaint() const { return FOnPaint; }
  void SetOnPaint(TPdfControlNotifyEvent Value) { FOnPaint = std::move(Value); }
  // The drawing canvas while OnPaint runs, else null.
  wxDC* Canvas() const { return FCanvas; }

  // Text selection on the current page: the smaller index and the count; both 0 without one.
  int SelStart() const;
  int SelLength() const;
  // The selected text; empty without a selection.
  std::u16string SelText();
  void ClearSelection();
  void SelectAll();
  // Count characters from CharIndex, -1 to the end of the page text.
  void SelectText(int CharIndex, int Count);
  // The word at the character, or the next word when it is white space; false when none.
  bool SelectWord(int CharIndex);
  // The line holding the character, without its line breaks.
  bool SelectLine(int CharIndex);
  // The page text inside a client rectangle.
  std::u16string GetTextInRect(const TRect& R);

  // Whether a web link lies under the client point; Url receives its address (empty if none).
  bool IsWebLinkAt(int X, int Y);
  bool IsWebLinkAt(int X, int Y, std::string& Url);

  // The clipboard: the selection, and the selected text of the focused form field. The form
  // operations do nothing while no form field has the focus.
  void CopyToClipboard();
  void CopyFormTextToClipboard();
  void CutFormTextToClipboard();
  void PasteFormTextFromClipboard();
  void SelectAllFormText();

  // The cursor the control shows while the mouse is over it.
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  using wxWindow::SetCursor;

  // Highlights every match of SearchText on the current page and on every page shown later.
  void HightlightText(const std::string& SearchText, bool MatchCase, bool MatchWholeWord);
  void ClearHighlightText();

  // The scroll bars as the control keeps them.
  const TScrollBarModel& HorzScrollBar() const { return FHorzBar; }
  const TScrollBarModel& VertScrollBar() const { return FVertBar; }
  // Whether a page image is cached, and its size.
  bool HasPageBitmap() const;
  TRect PageBitmapRect() const;
  // How often the engine has begun drawing the page for the screen: paints served from the cached
  // image leave it unchanged.
  int PageImageRenders() const;
  // The page image is rendered in slices while the window is idle, from the first paint after a
  // change on: whether the part of the page on screen, and the whole page image, are complete.
  bool ShownPartRendered() const;
  bool PageImageRendered() const;

  virtual void RaiseWebLinkClick(const std::string& Url);
  virtual void RaisePageChange();

private:
  // Moves to page Value; false when it is the page shown already.
  bool MoveToPage(int Value, bool ScrollTransition, bool ReverseTransition);
  void CompleteLoad();
  template <typename TLoad> void LoadWith(TLoad&& Load);
  void RefreshPageState(bool Silent);
  // A property setter: stores Value and runs Effect, unless Field holds Value already.
  template <typename T> void Change(T& Field, const T& Value, void (TPdfControl::*Effect)());
  void RelayoutAndRepaint();
  void RepaintPageArea();
  bool HasValidPage() const;
  // The current page, or null also when the engine cannot load it.
  TPdfPage* ShownPage();

  // Layout and scrolling.
  void ComputeLayout();
  void PlacePage();
  // The toolkit's bar for one direction shows what the model holds.
  void ShowScrollBar(int Orient);
  double LogPixelsX() const;
  double LogPixelsY() const;
  int HorzBarHeight() const;
  int VertBarWidth() const;
  TRect MapPageRectToClient(TPdfPage& Page, const TPdfRect& R);
  void HandleScroll(wxScrollWinEvent& Event);
  void HandleMouseWheel(wxMouseEvent& Event);
  void HandleSize(wxSizeEvent& Event);

  // The page image, rendered in slices on idle time.
  TPageDrawing PageDrawing() const;
  // The page is drawn without a cached image.
  bool DirectPageDraw() const;
  bool PageImageFitsLayout() const;
  void PreparePageImage(TPdfPage& Page);
  // One slice of rendering; in a paint, only for the part on screen.
  void StepPageImage(bool InPaint);
  void RefreshRenderedParts(const TRect& Painted);
  void DropPageImage();
  // The part of the page on screen, in page pixels.
  TRect ShownPagePart() const;
  void HandleIdle(wxIdleEvent& Event);

  // Painting.
  void HandlePaint(wxPaintEvent& Event);
  void PaintPageImage(TPaintTarget& Target, TOffscreenSurface* Surface, TPdfPage& Page);
  void RenderPageImage(TOffscreenSurface& Target, int X, int Y, TPdfPage& Page);
  void PaintSelection(TOffscreenSurface& Target, TPdfPage& Page);
  void PaintFormSelection(TOffscreenSurface& Target, TPdfPage& Page);
  void PaintHighlights(TOffscreenSurface& Target, TPdfPage& Page);
  void PaintBorderShadow(TPaintTarget& Target);
  void RaisePaint(wxDC& DC);
  TColor EffectivePageColor() const;

  // Selection, highlight and links of the current page.
  // The current page and where it is drawn.
  TShownPage Shown();
  void ChangeSelection(bool Active, int Start, int Stop);
  // Moves the selection's end to the character nearest the client point.
  bool ExtendSelectionToPoint(int X, int Y);
  void RepaintClientRect(const TRect& R);
  void RepaintChangedRects(const TPdfControlRectArray& Old, const TPdfControlRectArray& New);
  void RepaintChangedPageRects(const TPdfControlPdfRectArray& Old,
                               const TPdfControlPdfRectArray& New);
  void CollectHighlights();
  // Forgets the link table of the page left; WebLinksRects builds the new page's on first use.
  void CollectWebLinks();
  // The rectangles of each web link of the current page, in the page's link order.
  const std::vector<TPdfControlPdfRectArray>& WebLinksRects();
  TPdfControlRectArray MapPageRectsToClient(TPdfPage& Page, const TPdfControlPdfRectArray& Rects);
  // The first web link with a rectangle holding the client point; -1 when none.
  int WebLinkIndexAtPoint(int X, int Y);

  // Mouse and keyboard: the form filler first, then the control's own use.
  void BindInput();
  bool FormEventsApply() const;
  void HandleMouseDown(wxMouseEvent& Event);
  void HandleMouseMove(wxMouseEvent& Event);
  void HandleMouseUp(wxMouseEvent& Event);
  void HandleMouseLeave(wxMouseEvent& Event);
  void HandleCaptureLost(wxMouseCaptureLostEvent& Event);
  void HandleKeyDown(wxKeyEvent& Event);
  void HandleKeyUp(wxKeyEvent& Event);
  void HandleChar(wxKeyEvent& Event);
  void HandleKillFocus(wxFocusEvent& Event);
  void HandleAutoScrollTimer(wxTimerEvent& Event);
  void HandleTripleClickTimer(wxTimerEvent& Event);
  // The control's key table for a key the form filler did not take; true when the key is used
  // up.
  bool KeyDown(std::uint16_t Key, TShiftState Shift);
  // Carries out an editing key of the focused form field; false for none.
  bool FormEditKey(TFormEditCommand Command);
  void CancelAutoScroll();
  // Ends a drag: the button is up, or the pointer capture went elsewhere.
  void EndDrag();

  // The document's form events.
  void HandleFormInvalidate(TPdfDocument* Document, TPdfPage* Page, const TPdfRect& PageRect);
  void HandleFormOutputSelectedRect(TPdfDocument* Document, TPdfPage* Page,
                                    const TPdfRect& PageRect);
  void HandleFormGetCurrentPage(TPdfDocument* Document, TPdfPage*& Page);
  void HandleFormFieldFocus(TPdfDocument* Document, const char16_t* Value, int ValueLen,
                            bool FieldFocused);

  std::unique_ptr<TPdfDocument> FDocument;
  int FPageIndex = 0;
  int FRenderedPageIndex = -1;
  // The page image: cached, FDrawWidth x FDrawHeight pixels, or pieces of the part on screen.
  std::unique_ptr<TPageImage> FPageImage;
  std::chrono::steady_clock::time_point FLastProgressPaint;
  int FDrawX = 0;
  int FDrawY = 0;
  int FDrawWidth = 0;
  int FDrawHeight = 0;
  TPdfPageRotation FRotation = prNormal;
  bool FMousePressed = false;
  bool FAllowUserTextSelection = true;
  bool FAllowUserPageChange = true;
  bool FAllowFormEvents = true;
  bool FBufferedPageDraw = true;
  bool FSmoothScroll = false;
  bool FScrollTimerActive = false;
  bool FScrollTimer = true;
  TTextSelection FSelection{[this](const TRect& R) { RepaintClientRect(R); }};
  TPoint FMouseDownPt;
  bool FCheckForTrippleClick = false;
  std::vector<TPdfControlPdfRectArray> FWebLinksRects;
  bool FWebLinksCollected = false;
  TPdfPageRenderOptions FDrawOptions;
  TPdfControlScaleMode FScaleMode = smFitAuto;
  int FZoomPercentage = 100;
  TColor FPageColor = clWhite;
  TPoint FScrollMousePos;
  TPdfControlPdfRectArray FHighlightTextRects;
  std::u16string FHighlightText;
  bool FHighlightMatchCase = false;
  bool FHighlightMatchWholeWord = false;
  TPdfControlWebLinkClickEvent FOnWebLinkClick;
  TPdfControlNotifyEvent FOnPageChange;
  TPdfControlNotifyEvent FOnPaint;
  TPdfRectArray FFormOutputSelectedRects;
  bool FFormFieldFocused = false;
  int FPageShadowSize = 4;
  TColor FPageShadowColor = clNone;
  int FPageShadowPadding = 44;
  TColor FPageBorderColor = clNone;
  TColor FColor = clGray;
  TScrollBarModel FHorzBar;
  TScrollBarModel FVertBar;
  wxDC* FCanvas = nullptr;
  int FPageImageRenders = 0; // of paints without cache and of page images let go
  // Timer 1 scrolls while a drag is beyond an edge; timer 2 is the triple-click window.
  wxTimer FAutoScrollTimer{this, 1};
  wxTimer FTripleClickTimer{this, 2};
  TCursor FCursor = crDefault;
};
