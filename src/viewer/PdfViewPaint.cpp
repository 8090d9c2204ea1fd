// The viewer's paint routine: the background, the page image as far as it is rendered (or, without
// buffering, straight from the engine), the overlays, border and shadow, and the host's own
// drawing.
#include "viewer/PdfViewCtrl.h"

#include "engine/PdfSurface.h"
#include "platform/ScreenPixels.h"
#include "viewer/ClientRect.h"
#include "viewer/DevicePaintTarget.h"
#include "viewer/OffscreenSurface.h"
#include "viewer/PageImage.h"
#include "viewer/PagePainting.h"

#include <wx/dcclient.h>

namespace {

TRect ClientRectOf(const wxRect& R) {
  return {R.GetLeft(), R.GetTop(), R.GetRight() + 1, R.GetBottom() + 1};
}

} // namespace

void TPdfControl::HandlePaint(wxPaintEvent&) {
  wxPaintDC DC(this);
  const wxSize Size = GetSize();
  const TRect Clip = ClientRectOf(GetUpdateClientRect());
  TPdfPage* Page = ShownPage();
  if (!Page) {
    DropPageImage();
    TDevicePaintTarget Target(DC, Clip);
    Target.FillRect({0, 0, Size.x, Size.y}, FColor);
    PaintBorderShadow(Target);
    RaisePaint(DC);
    return;
  }
  // A page image still being rendered is drawn in layers: they are put together off the screen.
  const bool Layered = FPageImage && FPageImage->Layered();
  if (DirectPageDraw() || Layered || FSelection.Active() || !FHighlightTextRects.empty() ||
      !FFormOutputSelectedRects.empty()) {
    if (IsEmptyRect(Clip))
      return;
    TOffscreenSurface Surface(Clip);
    FillBackgroundBands(Surface, Size.x, Size.y, GetPageRect(), FColor);
    PaintPageImage(Surface, &Surface, *Page);
    if (FSelection.Active())
      PaintSelection(Surface, *Page);
    PaintFormSelection(Surface, *Page);
    PaintHighlights(Surface, *Page);
    PaintBorderShadow(Surface);
    const TPdfSurface& Pixels = Surface.Surface();
    platform::DrawPixels(DC.GetHandle(), Pixels.Pixels(), Pixels.Stride(), 0, 0, Pixels.Width(),
                         Pixels.Height(), Clip.Left, Clip.Top);
  } else {
    TDevicePaintTarget Target(DC, Clip);
    FillBackgroundBands(Target, Size.x, Size.y, GetPageRect(), FColor);
    PaintPageImage(Target, nullptr, *Page);
    PaintBorderShadow(Target);
  }
  if (FPageImage)
    RefreshRenderedParts(Clip);
  RaisePaint(DC);
}

// Without buffering every paint renders the page anew, in one piece. Otherwise the page image
// renders what the part on screen needs within one slice, and idle time does the rest.
void TPdfControl::PaintPageImage(TPaintTarget& Target, TOffscreenSurface* Surface, TPdfPage& Page) {
  if (!FBufferedPageDraw && Surface) {
    DropPageImage();
    FRenderedPageIndex = -1;
    RenderPageImage(*Surface, FDrawX, FDrawY, Page);
    return;
  }
  if (FDrawWidth <= 0 || FDrawHeight <= 0)
    return;
  PreparePageImage(Page);
  FPageImage->SetView(ShownPagePart());
  if (!FPageImage->ViewComplete())
    StepPageImage(true);
  FPageImage->Paint(Target, FDrawX, FDrawY);
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
  const TShownPage OnScreen{&Page, FDrawX, FDrawY, FDrawWidth, FDrawHeight, FRotation};
  BlendRects(Target, FSelection.SelectionClientRects(OnScreen), SelectionColor);
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
