#include "viewer/PdfViewCtrl.h"

#include "viewer/ClientRect.h"
#include "viewer/OffscreenSurface.h"
#include "viewer/PageImage.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int MinZoom = 1;
constexpr int MaxZoom = 10000;

} // namespace

TPdfControl::TPdfControl(wxWindow* Parent) : FDocument(std::make_unique<TPdfDocument>()) {
  // The control paints every pixel itself; the toolkit erases nothing.
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Create(Parent, wxID_ANY, wxDefaultPosition, wxSize(130, 180),
         wxHSCROLL | wxVSCROLL | wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE | wxBORDER_NONE);
  SetScrollbar(wxHORIZONTAL, 0, 0, 0);
  SetScrollbar(wxVERTICAL, 0, 0, 0);

  FDocument->SetOnFormInvalidate(
      [this](TPdfDocument* D, TPdfPage* P, const TPdfRect& R) { HandleFormInvalidate(D, P, R); });
  FDocument->SetOnFormOutputSelectedRect([this](TPdfDocument* D, TPdfPage* P, const TPdfRect& R) {
    HandleFormOutputSelectedRect(D, P, R);
  });
  FDocument->SetOnFormGetCurrentPage(
      [this](TPdfDocument* D, TPdfPage*& P) { HandleFormGetCurrentPage(D, P); });
  FDocument->SetOnFormFieldFocus([this](TPdfDocument* D, const char16_t* V, int L, bool F) {
    HandleFormFieldFocus(D, V, L, F);
  });

  Bind(wxEVT_PAINT, &TPdfControl::HandlePaint, this);
  Bind(wxEVT_IDLE, &TPdfControl::HandleIdle, this);
  Bind(wxEVT_SIZE, &TPdfControl::HandleSize, this);
  Bind(wxEVT_MOUSEWHEEL, &TPdfControl::HandleMouseWheel, this);
  Bind(wxEVT_SCROLLWIN_TOP, &TPdfControl::HandleScroll, this);
  Bind(wxEVT_SCROLLWIN_BOTTOM, &TPdfControl::HandleScroll, this);
  Bind(wxEVT_SCROLLWIN_LINEUP, &TPdfControl::HandleScroll, this);
  Bind(wxEVT_SCROLLWIN_LINEDOWN, &TPdfControl::HandleScroll, this);
  Bind(wxEVT_SCROLLWIN_PAGEUP, &TPdfControl::HandleScroll, this);
  Bind(wxEVT_SCROLLWIN_PAGEDOWN, &TPdfControl::HandleScroll, this);
  Bind(wxEVT_SCROLLWIN_THUMBTRACK, &TPdfControl::HandleScroll, this);
  Bind(wxEVT_SCROLLWIN_THUMBRELEASE, &TPdfControl::HandleScroll, this);
  BindInput();
}

TPdfControl::~TPdfControl() {
  // A window going away mid-drag keeps no timer and no hold on the pointer.
  CancelAutoScroll();
  FTripleClickTimer.Stop();
  if (HasCapture())
    ReleaseMouse();
  FPageImage.reset();
  // The document closes its pages; their form events must not reach a control being destroyed.
  FDocument->SetOnFormInvalidate(nullptr);
  FDocument->SetOnFormOutputSelectedRect(nullptr);
  FDocument->SetOnFormGetCurrentPage(nullptr);
  FDocument->SetOnFormFieldFocus(nullptr);
  FDocument.reset();
}

// Loading ---------------------------------------------------------------------------------------

template <typename TLoad> void TPdfControl::LoadWith(TLoad&& Load) {
  DropPageImage(); // its page goes with the old content
  try {
    Load();
  } catch (...) {
    try {
      CompleteLoad();
    } catch (...) {
      // The load's own error is the one the caller hears of.
    }
    throw;
  }
  CompleteLoad();
}

void TPdfControl::LoadFromFile(const std::string& AFileName, const std::string& APassword,
                               TPdfDocumentLoadOption ALoadOption) {
  LoadWith([&] { FDocument->LoadFromFile(AFileName, APassword, ALoadOption); });
}

void TPdfControl::LoadFromStream(TPdfStream& AStream, const std::string& APassword) {
  LoadWith([&] { FDocument->LoadFromStream(AStream, APassword); });
}

void TPdfControl::LoadFromActiveStream(TPdfStream* Stream, const std::string& APassword) {
  LoadWith([&] { FDocument->LoadFromActiveStream(Stream, APassword); });
}

void TPdfControl::LoadFromBytes(std::vector<std::uint8_t> ABytes, const std::string& APassword) {
  LoadWith([&] { FDocument->LoadFromBytes(std::move(ABytes), APassword); });
}

void TPdfControl::LoadFromBytes(std::vector<std::uint8_t> ABytes, std::int64_t AIndex,
                                std::int64_t ACount, const std::string& APassword) {
  LoadWith([&] { FDocument->LoadFromBytes(std::move(ABytes), AIndex, ACount, APassword); });
}

void TPdfControl::LoadFromActiveBuffer(const void* Buffer, std::int64_t Size,
                                       const std::string& APassword) {
  LoadWith([&] { FDocument->LoadFromActiveBuffer(Buffer, Size, APassword); });
}

void TPdfControl::LoadFromCustom(TPdfDocumentCustomReadProc ReadFunc, std::uint32_t ASize,
                                 void* AParam, const std::string& APassword) {
  LoadWith([&] { FDocument->LoadFromCustom(ReadFunc, ASize, AParam, APassword); });
}

void TPdfControl::CompleteLoad() {
  FPageIndex = 0;
  RefreshPageState(false);
}

void TPdfControl::Close() {
  DropPageImage();
  FDocument->Close();
  FPageIndex = 0;
  FFormFieldFocused = false;
  RefreshPageState(true);
}

// Pages -----------------------------------------------------------------------------------------

bool TPdfControl::HasValidPage() const {
  return FDocument->Active() && FPageIndex < FDocument->PageCount();
}

TPdfPage* TPdfControl::CurrentPage() {
  return HasValidPage() ? FDocument->Pages(FPageIndex) : nullptr;
}

TPdfPage* TPdfControl::ShownPage() {
  try {
    return CurrentPage();
  } catch (const std::exception&) {
    return nullptr; // a page the engine cannot load shows as background
  }
}

bool TPdfControl::GotoNextPage(bool ScrollTransition) {
  const bool Possible = FPageIndex < PageCount() - 1;
  if (Possible)
    MoveToPage(FPageIndex + 1, ScrollTransition, false);
  return Possible;
}

bool TPdfControl::GotoPrevPage(bool ScrollTransition) {
  const bool Possible = FPageIndex > 0;
  if (Possible)
    MoveToPage(FPageIndex - 1, ScrollTransition, false);
  return Possible;
}

void TPdfControl::SetPageIndex(int Value) {
  MoveToPage(Value, false, false);
}

bool TPdfControl::MoveToPage(int Value, bool ScrollTransition, bool ReverseTransition) {
  const int Count = PageCount();
  if (Value >= Count)
    Value = Count - 1;
  if (Value < 0)
    Value = 0;
  if (Value == FPageIndex)
    return false;
  ClearSelection();
  if (FPageIndex >= 0 && FPageIndex < Count && FDocument->IsPageLoaded(FPageIndex))
    FDocument->Pages(FPageIndex)->Close();
  const int Old = FPageIndex;
  FPageIndex = Value;
  if (!ScrollTransition) {
    FVertBar.SetPosition(0);
    FHorzBar.SetPosition(0);
  } else {
    const bool Forward = (Value > Old) != ReverseTransition;
    const int Target = Forward ? 0 : FVertBar.Maximum();
    if (Target != FVertBar.Position())
      FVertBar.SetPosition(Target);
  }
  ShowScrollBar(wxVERTICAL);
  ShowScrollBar(wxHORIZONTAL);
  RefreshPageState(false);
  return true;
}

void TPdfControl::RefreshPageState(bool Silent) {
  FSelection.Reset();
  CollectHighlights();
  CollectWebLinks();
  RelayoutAndRepaint();
  if (!Silent)
    RaisePageChange();
  // A page the engine cannot load is reported once, when it becomes the current page.
  if (HasValidPage())
    CurrentPage();
}

void TPdfControl::RelayoutAndRepaint() {
  FRenderedPageIndex = -1;
  DropPageImage();
  ComputeLayout();
  Refresh(false);
}

void TPdfControl::RepaintPageArea() {
  FRenderedPageIndex = -1;
  DropPageImage();
  RepaintClientRect(GetPageRect());
}

void TPdfControl::RaiseWebLinkClick(const std::string& Url) {
  if (FOnWebLinkClick)
    FOnWebLinkClick(*this, Url);
}

void TPdfControl::RaisePageChange() {
  if (FOnPageChange)
    FOnPageChange(*this);
}

// Properties --------------------------------------------------------------------------------------

template <typename T>
void TPdfControl::Change(T& Field, const T& Value, void (TPdfControl::*Effect)()) {
  if (Field == Value)
    return;
  Field = Value;
  (this->*Effect)();
}

void TPdfControl::SetScaleMode(TPdfControlScaleMode Value) {
  Change(FScaleMode, Value, &TPdfControl::RelayoutAndRepaint);
}

void TPdfControl::SetZoomPercentage(int Value) {
  Change(FZoomPercentage, std::clamp(Value, MinZoom, MaxZoom), &TPdfControl::RelayoutAndRepaint);
}

void TPdfControl::SetRotation(TPdfPageRotation Value) {
  Change(FRotation, Value, &TPdfControl::RelayoutAndRepaint);
}

void TPdfControl::SetPageColor(TColor Value) {
  Change(FPageColor, Value, &TPdfControl::RepaintPageArea);
}

void TPdfControl::SetDrawOptions(TPdfPageRenderOptions Value) {
  Change(FDrawOptions, Value, &TPdfControl::RepaintPageArea);
}

void TPdfControl::SetPageBorderColor(TColor Value) {
  Change(FPageBorderColor, Value, &TPdfControl::RepaintPageArea);
}

void TPdfControl::SetPageShadowColor(TColor Value) {
  Change(FPageShadowColor, Value, &TPdfControl::RepaintPageArea);
}

void TPdfControl::SetPageShadowSize(int Value) {
  Change(FPageShadowSize, Value, &TPdfControl::RepaintPageArea);
}

void TPdfControl::SetPageShadowPadding(int Value) {
  Change(FPageShadowPadding, Value, &TPdfControl::RepaintPageArea);
}

void TPdfControl::SetColor(TColor Value) {
  if (Value == FColor)
    return;
  FColor = Value;
  if (FPageColor == clDefault)
    RelayoutAndRepaint();
  else
    Refresh(false);
}

TColor TPdfControl::EffectivePageColor() const {
  return FPageColor == clDefault ? FColor : FPageColor;
}

// Form events -------------------------------------------------------------------------------------

void TPdfControl::HandleFormInvalidate(TPdfDocument*, TPdfPage* Page, const TPdfRect& PageRect) {
  FFormOutputSelectedRects.clear();
  if (Page) {
    const TRect R = NormalizedRect(MapPageRectToClient(*Page, PageRect));
    // The page image renders that part again; a pixel more on each side takes in smoothed edges.
    if (FPageImage && &FPageImage->Page() == Page)
      FPageImage->Invalidate(
          OffsetRect({R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1}, -FDrawX, -FDrawY));
    RepaintClientRect(R);
  }
}

void TPdfControl::HandleFormOutputSelectedRect(TPdfDocument*, TPdfPage*, const TPdfRect& PageRect) {
  FFormOutputSelectedRects.push_back(PageRect);
}

void TPdfControl::HandleFormGetCurrentPage(TPdfDocument*, TPdfPage*& Page) {
  Page = ShownPage();
}

void TPdfControl::HandleFormFieldFocus(TPdfDocument*, const char16_t*, int, bool FieldFocused) {
  ClearSelection();
  FFormFieldFocused = FieldFocused;
}
