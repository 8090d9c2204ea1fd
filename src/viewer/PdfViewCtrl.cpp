#include "viewer/PdfViewCtrl.h"

#include "engine/PdfSurface.h"
#include "engine/PdfUnicode.h"
#include "platform/ScreenPixels.h"
#include "viewer/ClientRect.h"
#include "viewer/OffscreenSurface.h"
#include "viewer/PageLayout.h"
#include "viewer/PagePainting.h"
#include "viewer/ToolkitShiftState.h"

#include <wx/dcclient.h>
#include <wx/settings.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

constexpr int MinZoom = 1;
constexpr int MaxZoom = 10000;
constexpr int ScrollLineStep = 25;
constexpr int WheelNotch = 120;
constexpr int ZoomPerNotch = 5;

wxColour ToWxColour(TColor Color) {
  return wxColour(Color & 0xFF, Color >> 8 & 0xFF, Color >> 16 & 0xFF);
}

// Paints on the screen's own drawing context.
class TDevicePaintTarget : public TPaintTarget {
public:
  TDevicePaintTarget(wxDC& DC, const TRect& Clip) : FDC(DC), FClip(Clip) {}

  TRect ClipBox() const override { return FClip; }

  void FillRect(const TRect& R, TColor Color) override {
    const TRect Cut = IntersectRect(R, FClip);
    if (IsEmptyRect(Cut))
      return;
    FDC.SetPen(*wxTRANSPARENT_PEN);
    FDC.SetBrush(wxBrush(ToWxColour(Color)));
    FDC.DrawRectangle(Cut.Left, Cut.Top, Cut.Right - Cut.Left, Cut.Bottom - Cut.Top);
  }

  void DrawImage(const TPdfSurface& Image, int X, int Y) override {
    const TRect Cut = IntersectRect({X, Y, X + Image.Width(), Y + Image.Height()}, FClip);
    if (IsEmptyRect(Cut))
      return;
    const std::uint8_t* First = Image.Pixels() +
                                static_cast<std::ptrdiff_t>(Cut.Top - Y) * Image.Stride() +
                                static_cast<std::ptrdiff_t>(Cut.Left - X) * 4;
    platform::DrawPixels(FDC.GetHandle(), First, Image.Stride(), Cut.Right - Cut.Left,
                         Cut.Bottom - Cut.Top, Cut.Left, Cut.Top);
  }

private:
  wxDC& FDC;
  TRect FClip;
};

TRect ClientRectOf(const wxRect& R) {
  return {R.GetLeft(), R.GetTop(), R.GetRight() + 1, R.GetBottom() + 1};
}

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
}

TPdfControl::~TPdfControl() {
  FPageBitmap.reset();
  // The document closes its pages; their form events must not reach a control being destroyed.
  FDocument->SetOnFormInvalidate(nullptr);
  FDocument->SetOnFormOutputSelectedRect(nullptr);
  FDocument->SetOnFormGetCurrentPage(nullptr);
  FDocument->SetOnFormFieldFocus(nullptr);
  FDocument.reset();
}

// Loading ---------------------------------------------------------------------------------------

template <typename TLoad> void TPdfControl::LoadWith(TLoad&& Load) {
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
  FSelStartCharIndex = 0;
  FSelStopCharIndex = 0;
  FSelectionActive = false;
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
  ComputeLayout();
  Refresh(false);
}

void TPdfControl::RepaintPageArea() {
  FRenderedPageIndex = -1;
  const TRect R = GetPageRect();
  RefreshRect(wxRect(R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top), false);
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

void TPdfControl::SetScaleMode(TPdfControlScaleMode Value) {
  if (Value == FScaleMode)
    return;
  FScaleMode = Value;
  RelayoutAndRepaint();
}

void TPdfControl::SetZoomPercentage(int Value) {
  Value = std::clamp(Value, MinZoom, MaxZoom);
  if (Value == FZoomPercentage)
    return;
  FZoomPercentage = Value;
  RelayoutAndRepaint();
}

void TPdfControl::SetRotation(TPdfPageRotation Value) {
  if (Value == FRotation)
    return;
  FRotation = Value;
  RelayoutAndRepaint();
}

void TPdfControl::SetPageColor(TColor Value) {
  if (Value == FPageColor)
    return;
  FPageColor = Value;
  RepaintPageArea();
}

void TPdfControl::SetDrawOptions(TPdfPageRenderOptions Value) {
  if (Value == FDrawOptions)
    return;
  FDrawOptions = Value;
  RepaintPageArea();
}

void TPdfControl::SetPageBorderColor(TColor Value) {
  if (Value == FPageBorderColor)
    return;
  FPageBorderColor = Value;
  RepaintPageArea();
}

void TPdfControl::SetPageShadowColor(TColor Value) {
  if (Value == FPageShadowColor)
    return;
  FPageShadowColor = Value;
  RepaintPageArea();
}

void TPdfControl::SetPageShadowSize(int Value) {
  if (Value == FPageShadowSize)
    return;
  FPageShadowSize = Value;
  RepaintPageArea();
}

void TPdfControl::SetPageShadowPadding(int Value) {
  if (Value == FPageShadowPadding)
    return;
  FPageShadowPadding = Value;
  RepaintPageArea();
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

// Layout and scrolling ----------------------------------------------------------------------------

double TPdfControl::LogPixelsX() const {
  return 96.0 * GetDPIScaleFactor();
}

double TPdfControl::LogPixelsY() const {
  return 96.0 * GetDPIScaleFactor();
}

int TPdfControl::HorzBarHeight() const {
  return wxSystemSettings::GetMetric(wxSYS_HSCROLL_Y, this);
}

int TPdfControl::VertBarWidth() const {
  return wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this);
}

void TPdfControl::ComputeLayout() {
  TPdfPage* Page = ShownPage();
  if (!Page || Page->Width() <= 0 || Page->Height() <= 0)
    return;
  const TPageExtentParams P = MakePageExtentParams(
      Page->Width(), Page->Height(), FRotation, LogPixelsX(), LogPixelsY(), FScaleMode,
      FZoomPercentage, FPageShadowColor, FPageShadowSize, FPageShadowPadding);
  const wxSize Size = GetSize();
  const TPageLayout L = ComputePageLayout(P, Size.x, Size.y, HorzBarHeight(), VertBarWidth());
  if (L.HorzBar) {
    FHorzBar.SetRange(L.Page.Width, L.ClientWidth);
  } else if (FHorzBar.Shown()) {
    FHorzBar.Hide();
    Refresh(false);
  }
  if (L.VertBar) {
    FVertBar.SetRange(L.Page.Height, L.ClientHeight);
  } else if (FVertBar.Shown()) {
    FVertBar.Hide();
    Refresh(false);
  }
  ShowScrollBar(wxHORIZONTAL);
  ShowScrollBar(wxVERTICAL);
  FDrawWidth = L.Page.Width;
  FDrawHeight = L.Page.Height;
  PlacePage();
}

void TPdfControl::PlacePage() {
  const wxSize Size = GetSize();
  const int W = Size.x - (FVertBar.Shown() ? VertBarWidth() : 0);
  const int H = Size.y - (FHorzBar.Shown() ? HorzBarHeight() : 0);
  const TPoint At =
      ::PlacePage(W, H, {FDrawWidth, FDrawHeight}, FHorzBar.Shown() ? FHorzBar.Position() : 0,
                  FVertBar.Shown() ? FVertBar.Position() : 0);
  FDrawX = At.X;
  FDrawY = At.Y;
}

void TPdfControl::ShowScrollBar(int Orient) {
  const TScrollBarModel& Bar = Orient == wxHORIZONTAL ? FHorzBar : FVertBar;
  // The toolkit's range counts positions: 0 .. Maximum is Maximum + 1 of them.
  if (Bar.Shown())
    SetScrollbar(Orient, Bar.Position(), Bar.Page(), Bar.Maximum() + 1);
  else
    SetScrollbar(Orient, 0, 0, 0);
}

bool TPdfControl::ScrollContent(int XOffset, int YOffset, bool Smooth) {
  if (Smooth)
    Update();
  const auto Move = [](TScrollBarModel& Bar, int Offset) {
    if (Offset == 0 || !Bar.Shown())
      return 0;
    const int Old = Bar.Position();
    return Old - Bar.SetPosition(Old + Offset);
  };
  const int DY = Move(FVertBar, YOffset);
  const int DX = Move(FHorzBar, XOffset);
  if (DX == 0 && DY == 0)
    return false;
  if (DY != 0)
    SetScrollPos(wxVERTICAL, FVertBar.Position());
  if (DX != 0)
    SetScrollPos(wxHORIZONTAL, FHorzBar.Position());
  PlacePage();
  ScrollWindow(DX, DY);
  Update();
  return true;
}

bool TPdfControl::ScrollContentTo(int X, int Y, bool Smooth) {
  const int DX = X - FHorzBar.Position();
  const int DY = Y - FVertBar.Position();
  return ScrollContent(DX, DY, Smooth);
}

void TPdfControl::HandleScroll(wxScrollWinEvent& Event) {
  const int Orient = Event.GetOrientation();
  const TScrollBarModel& Bar = Orient == wxHORIZONTAL ? FHorzBar : FVertBar;
  const wxEventType Type = Event.GetEventType();
  int Offset = 0;
  if (Type == wxEVT_SCROLLWIN_LINEUP)
    Offset = -ScrollLineStep;
  else if (Type == wxEVT_SCROLLWIN_LINEDOWN)
    Offset = ScrollLineStep;
  else if (Type == wxEVT_SCROLLWIN_PAGEUP)
    Offset = -Bar.Page();
  else if (Type == wxEVT_SCROLLWIN_PAGEDOWN)
    Offset = Bar.Page();
  else if (Type == wxEVT_SCROLLWIN_THUMBTRACK)
    Offset = Event.GetPosition() - Bar.Position();
  const bool Moved = Orient == wxHORIZONTAL ? ScrollContent(Offset, 0, FSmoothScroll)
                                            : ScrollContent(0, Offset, FSmoothScroll);
  // Some toolkits move their bar before telling; it shows the position the control holds.
  if (!Moved)
    ShowScrollBar(Orient);
}

void TPdfControl::HandleMouseWheel(wxMouseEvent& Event) {
  const int Delta = Event.GetWheelRotation();
  const auto PassToParent = [this, &Event] {
    if (wxWindow* Parent = GetParent())
      Parent->GetEventHandler()->ProcessEvent(Event);
  };
  if (TPdfPage* Page = HasValidPage() && FAllowFormEvents ? ShownPage() : nullptr) {
    const TPdfPoint At = DeviceToPage(Event.GetX(), Event.GetY());
    if (Page->FormEventMouseWheel(ShiftStateOf(Event), Delta, At.X, At.Y)) {
      PassToParent();
      return;
    }
  }
  if (Event.ControlDown()) {
    if (FScaleMode != smZoom) {
      PassToParent();
      return;
    }
    SetZoomPercentage(FZoomPercentage + Delta / WheelNotch * ZoomPerNotch);
    return;
  }
  if (Event.GetWheelAxis() == wxMOUSE_WHEEL_HORIZONTAL)
    ScrollContent(Delta, 0, FSmoothScroll);
  else if (Event.ShiftDown())
    ScrollContent(-Delta, 0, FSmoothScroll);
  else
    ScrollContent(0, -Delta, FSmoothScroll);
}

void TPdfControl::HandleSize(wxSizeEvent& Event) {
  ComputeLayout();
  Event.Skip();
}

TRect TPdfControl::GetPageRect() const {
  return {FDrawX, FDrawY, FDrawX + FDrawWidth, FDrawY + FDrawHeight};
}

TPdfPoint TPdfControl::DeviceToPage(int DeviceX, int DeviceY) {
  TPdfPage* Page = ShownPage();
  return Page ? Page->DeviceToPage(FDrawX, FDrawY, FDrawWidth, FDrawHeight, DeviceX, DeviceY,
                                   FRotation)
              : TPdfPoint{};
}

TPdfRect TPdfControl::DeviceToPage(const TRect& DeviceRect) {
  TPdfPage* Page = ShownPage();
  return Page ? Page->DeviceToPage(FDrawX, FDrawY, FDrawWidth, FDrawHeight, DeviceRect, FRotation)
              : TPdfRect{};
}

TPoint TPdfControl::PageToDevice(double PageX, double PageY) {
  TPdfPage* Page = ShownPage();
  return Page ? Page->PageToDevice(FDrawX, FDrawY, FDrawWidth, FDrawHeight, PageX, PageY, FRotation)
              : TPoint{};
}

TRect TPdfControl::PageToDevice(const TPdfRect& PageRect) {
  TPdfPage* Page = ShownPage();
  return Page ? MapPageRectToClient(*Page, PageRect) : TRect{};
}

TRect TPdfControl::MapPageRectToClient(TPdfPage& Page, const TPdfRect& R) {
  return Page.PageToDevice(FDrawX, FDrawY, FDrawWidth, FDrawHeight, R, FRotation);
}

TPdfControlRectArray TPdfControl::MapPageRectsToClient(TPdfPage& Page,
                                                       const TPdfControlPdfRectArray& Rects) {
  TPdfControlRectArray Result;
  Result.reserve(Rects.size());
  for (const TPdfRect& R : Rects)
    Result.push_back(MapPageRectToClient(Page, R));
  return Result;
}

// Painting --------------------------------------------------------------------------------------

TRect TPdfControl::PageBitmapRect() const {
  if (!FPageBitmap)
    return {};
  return FPageBitmap->ClipBox();
}

void TPdfControl::HandlePaint(wxPaintEvent&) {
  wxPaintDC DC(this);
  const wxSize Size = GetSize();
  const TRect Clip = ClientRectOf(GetUpdateClientRect());
  TPdfPage* Page = ShownPage();
  if (!Page) {
    FPageBitmap.reset();
    TDevicePaintTarget Target(DC, Clip);
    Target.FillRect({0, 0, Size.x, Size.y}, FColor);
    PaintBorderShadow(Target);
    RaisePaint(DC);
    return;
  }
  const bool Direct = IsDirectPageDraw(FBufferedPageDraw, FDrawWidth, FDrawHeight, Size.x, Size.y);
  if (Direct || FSelectionActive || !FHighlightTextRects.empty() ||
      !FFormOutputSelectedRects.empty()) {
    if (IsEmptyRect(Clip))
      return;
    TOffscreenSurface Surface(Clip);
    FillBackgroundBands(Surface, Size.x, Size.y, GetPageRect(), FColor);
    PaintPageImage(Surface, &Surface, *Page, Direct);
    if (FSelectionActive)
      PaintSelection(Surface, *Page);
    PaintFormSelection(Surface, *Page);
    PaintHighlights(Surface, *Page);
    PaintBorderShadow(Surface);
    const TPdfSurface& Pixels = Surface.Surface();
    platform::DrawPixels(DC.GetHandle(), Pixels.Pixels(), Pixels.Stride(), Pixels.Width(),
                         Pixels.Height(), Clip.Left, Clip.Top);
  } else {
    TDevicePaintTarget Target(DC, Clip);
    FillBackgroundBands(Target, Size.x, Size.y, GetPageRect(), FColor);
    PaintPageImage(Target, nullptr, *Page, false);
    PaintBorderShadow(Target);
  }
  RaisePaint(DC);
}

void TPdfControl::PaintPageImage(TPaintTarget& Target, TOffscreenSurface* Surface, TPdfPage& Page,
                                 bool Direct) {
  if (Direct && Surface) {
    FPageBitmap.reset();
    FRenderedPageIndex = -1;
    RenderPageImage(*Surface, FDrawX, FDrawY, Page);
    return;
  }
  if (FDrawWidth <= 0 || FDrawHeight <= 0)
    return;
  if (!FPageBitmap || PageBitmapRect() != TRect{0, 0, FDrawWidth, FDrawHeight}) {
    FRenderedPageIndex = -1;
    FPageBitmap.reset();
    FPageBitmap = std::make_unique<TOffscreenSurface>(TRect{0, 0, FDrawWidth, FDrawHeight});
  }
  if (FRenderedPageIndex != FPageIndex) {
    FRenderedPageIndex = FPageIndex;
    RenderPageImage(*FPageBitmap, 0, 0, Page);
  }
  Target.DrawImage(FPageBitmap->Surface(), FDrawX, FDrawY);
}

// The page colour is the paper the page is drawn on.
void TPdfControl::RenderPageImage(TOffscreenSurface& Target, int X, int Y, TPdfPage& Page) {
  ++FPageImageRenders;
  Target.FillRect({X, Y, X + FDrawWidth, Y + FDrawHeight}, EffectivePageColor());
  const TRect Area = Target.ClipBox();
  // The engine draws only what falls inside the target, however large the page is.
  Page.DrawOnPaper(Target.Surface(), X - Area.Left, Y - Area.Top, FDrawWidth, FDrawHeight,
                   FRotation, FDrawOptions);
}

void TPdfControl::PaintSelection(TOffscreenSurface& Target, TPdfPage& Page) {
  const int Count = Page.GetTextRectCount(SelStart(), SelLength());
  TPdfControlPdfRectArray Rects;
  for (int I = 0; I < Count; ++I)
    Rects.push_back(Page.GetTextRect(I));
  BlendRects(Target, MapPageRectsToClient(Page, Rects), SelectionColor);
}

void TPdfControl::PaintFormSelection(TOffscreenSurface& Target, TPdfPage& Page) {
  BlendRects(Target, MapPageRectsToClient(Page, FFormOutputSelectedRects), SelectionColor);
}

void TPdfControl::PaintHighlights(TOffscreenSurface& Target, TPdfPage& Page) {
  BlendRects(Target, MapPageRectsToClient(Page, FHighlightTextRects), HighlightColor);
}

void TPdfControl::PaintBorderShadow(TPaintTarget& Target) {
  ::PaintBorderShadow(Target, GetPageRect(), FPageBorderColor, FPageShadowColor, FPageShadowSize);
}

void TPdfControl::RaisePaint(wxDC& DC) {
  if (!FOnPaint)
    return;
  FCanvas = &DC;
  try {
    FOnPaint(*this);
  } catch (...) {
    FCanvas = nullptr;
    throw;
  }
  FCanvas = nullptr;
}

// Selection, highlight and links
// -------------------------------------------------------------------

int TPdfControl::SelStart() const {
  if (!FSelectionActive || !HasValidPage())
    return 0;
  return std::min(FSelStartCharIndex, FSelStopCharIndex);
}

int TPdfControl::SelLength() const {
  if (!FSelectionActive || !HasValidPage())
    return 0;
  return std::abs(FSelStopCharIndex - FSelStartCharIndex) + 1;
}

void TPdfControl::ClearSelection() {
  ChangeSelection(false, 0, 0);
}

void TPdfControl::ChangeSelection(bool Active, int Start, int Stop) {
  if (Active == FSelectionActive && Start == FSelStartCharIndex && Stop == FSelStopCharIndex)
    return;
  const TPdfControlRectArray Old = SelectionClientRects();
  FSelStartCharIndex = Start;
  FSelStopCharIndex = Stop;
  FSelectionActive = Active && Start >= 0 && Stop >= 0;
  RepaintChangedRects(Old, SelectionClientRects());
}

TPdfControlRectArray TPdfControl::SelectionClientRects() {
  TPdfPage* Page = FSelectionActive ? ShownPage() : nullptr;
  if (!Page)
    return {};
  const int Count = Page->GetTextRectCount(SelStart(), SelLength());
  TPdfControlRectArray Result;
  for (int I = 0; I < Count; ++I)
    Result.push_back(MapPageRectToClient(*Page, Page->GetTextRect(I)));
  return Result;
}

void TPdfControl::RepaintChangedRects(const TPdfControlRectArray& Old,
                                      const TPdfControlRectArray& New) {
  const auto RepaintMissing = [this](const TPdfControlRectArray& From,
                                     const TPdfControlRectArray& In) {
    for (const TRect& R : From)
      if (std::find(In.begin(), In.end(), R) == In.end()) {
        const TRect N = NormalizedRect(R);
        RefreshRect(wxRect(N.Left, N.Top, N.Right - N.Left, N.Bottom - N.Top), false);
      }
  };
  RepaintMissing(Old, New);
  RepaintMissing(New, Old);
}

void TPdfControl::RepaintChangedPageRects(const TPdfControlPdfRectArray& Old,
                                          const TPdfControlPdfRectArray& New) {
  TPdfPage* Page = ShownPage();
  if (!Page)
    return;
  RepaintChangedRects(MapPageRectsToClient(*Page, Old), MapPageRectsToClient(*Page, New));
}

void TPdfControl::HightlightText(const std::string& SearchText, bool MatchCase,
                                 bool MatchWholeWord) {
  FHighlightText = Utf8ToUtf16(SearchText);
  FHighlightMatchCase = MatchCase;
  FHighlightMatchWholeWord = MatchWholeWord;
  CollectHighlights();
}

void TPdfControl::ClearHighlightText() {
  FHighlightText.clear();
  RepaintChangedPageRects(FHighlightTextRects, {});
  FHighlightTextRects.clear();
}

void TPdfControl::CollectHighlights() {
  TPdfControlPdfRectArray Old = std::move(FHighlightTextRects);
  FHighlightTextRects.clear();
  TPdfPage* Page = FHighlightText.empty() ? nullptr : ShownPage();
  if (Page &&
      Page->BeginFind(FHighlightText, FHighlightMatchCase, FHighlightMatchWholeWord, false)) {
    struct TEndFind {
      TPdfPage* Page;
      ~TEndFind() { Page->EndFind(); }
    } End{Page};
    int CharIndex = 0;
    int Count = 0;
    while (Page->FindNext(CharIndex, Count)) {
      const int Rects = Page->GetTextRectCount(CharIndex, Count);
      for (int I = 0; I < Rects; ++I)
        FHighlightTextRects.push_back(Page->GetTextRect(I));
    }
  }
  RepaintChangedPageRects(Old, FHighlightTextRects);
}

// The table is built when it is first asked for: a page turn in a window that never looks for links
// does not pay for the page's text.
void TPdfControl::CollectWebLinks() {
  FWebLinksRects.clear();
  FWebLinksCollected = false;
}

const std::vector<TPdfControlPdfRectArray>& TPdfControl::WebLinksRects() {
  if (FWebLinksCollected)
    return FWebLinksRects;
  FWebLinksCollected = true;
  TPdfPage* Page = ShownPage();
  const int Links = Page ? Page->GetWebLinkCount() : 0;
  for (int Link = 0; Link < Links; ++Link) {
    TPdfControlPdfRectArray Rects;
    const int Count = Page->GetWebLinkRectCount(Link);
    for (int I = 0; I < Count; ++I)
      Rects.push_back(Page->GetWebLinkRect(Link, I));
    FWebLinksRects.push_back(std::move(Rects));
  }
  return FWebLinksRects;
}

// Form events -------------------------------------------------------------------------------------

void TPdfControl::HandleFormInvalidate(TPdfDocument*, TPdfPage* Page, const TPdfRect& PageRect) {
  FRenderedPageIndex = -1;
  FFormOutputSelectedRects.clear();
  if (Page) {
    const TRect R = NormalizedRect(MapPageRectToClient(*Page, PageRect));
    RefreshRect(wxRect(R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top), false);
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
