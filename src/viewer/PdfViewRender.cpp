// The viewer's page image rendered in slices on the user-interface thread: a paint renders what
// the part of the page on screen needs within one slice, the window's idle time renders the rest
// slice by slice, and what a slice finished is painted.
#include "viewer/PdfViewCtrl.h"

#include "viewer/ClientRect.h"
#include "viewer/PageImage.h"
#include "viewer/PagePainting.h"

#include <wx/event.h>

namespace {

using TClock = std::chrono::steady_clock;

// The longest stretch of rendering between two looks at the window's messages. A page that
// renders within one slice is rendered by the paint that needs it.
constexpr auto RenderSlice = std::chrono::milliseconds(25);
// How often the part a long render is drawing is painted while it grows.
constexpr auto ProgressPaintInterval = std::chrono::milliseconds(250);

} // namespace

bool TPdfControl::HasPageBitmap() const {
  return FPageImage && FPageImage->Cached();
}

TRect TPdfControl::PageBitmapRect() const {
  return HasPageBitmap() ? FPageImage->Whole()->Area() : TRect{};
}

int TPdfControl::PageImageRenders() const {
  return FPageImageRenders + (FPageImage ? FPageImage->Renders() : 0);
}

bool TPdfControl::ShownPartRendered() const {
  return !FPageImage || FPageImage->ViewComplete();
}

bool TPdfControl::PageImageRendered() const {
  return !FPageImage || FPageImage->Complete();
}

TRect TPdfControl::ShownPagePart() const {
  const wxSize Size = GetSize();
  const int W = Size.x - (FVertBar.Shown() ? VertBarWidth() : 0);
  const int H = Size.y - (FHorzBar.Shown() ? HorzBarHeight() : 0);
  return OffsetRect(IntersectRect({0, 0, W, H}, GetPageRect()), -FDrawX, -FDrawY);
}

void TPdfControl::DropPageImage() {
  if (!FPageImage)
    return;
  FPageImageRenders += FPageImage->Renders();
  FPageImage.reset();
}

TPageDrawing TPdfControl::PageDrawing() const {
  return {FDrawWidth, FDrawHeight, FRotation, FDrawOptions};
}

bool TPdfControl::DirectPageDraw() const {
  const wxSize Size = GetSize();
  return IsDirectPageDraw(FBufferedPageDraw, FDrawWidth, FDrawHeight, Size.x, Size.y);
}

bool TPdfControl::PageImageFitsLayout() const {
  return FPageImage && FRenderedPageIndex == FPageIndex && FPageImage->Drawing() == PageDrawing() &&
         FPageImage->Cached() == !DirectPageDraw();
}

void TPdfControl::PreparePageImage(TPdfPage& Page) {
  if (PageImageFitsLayout() && &FPageImage->Page() == &Page)
    return;
  DropPageImage();
  FRenderedPageIndex = FPageIndex;
  FPageImage =
      std::make_unique<TPageImage>(Page, PageDrawing(), EffectivePageColor(), !DirectPageDraw());
  FLastProgressPaint = TClock::now();
}

void TPdfControl::StepPageImage(bool InPaint) {
  FPageImage->Step(TClock::now() + RenderSlice, InPaint);
}

void TPdfControl::RefreshRenderedParts(const TRect& Painted) {
  std::vector<TRect> Parts = FPageImage->TakeFinished();
  const TRect Client = OffsetRect(ShownPagePart(), FDrawX, FDrawY);
  if (const auto Drawing = FPageImage->DrawingArea()) {
    const auto Now = TClock::now();
    if (ContainsRect(Painted, IntersectRect(OffsetRect(*Drawing, FDrawX, FDrawY), Client)))
      FLastProgressPaint = Now; // this paint showed it
    else if (Now - FLastProgressPaint >= ProgressPaintInterval) {
      Parts.push_back(*Drawing);
      FLastProgressPaint = Now;
    }
  }
  for (const TRect& Part : Parts) {
    const TRect R = IntersectRect(OffsetRect(Part, FDrawX, FDrawY), Client);
    if (!IsEmptyRect(R) && !ContainsRect(Painted, R))
      RepaintClientRect(R);
  }
}

void TPdfControl::HandleIdle(wxIdleEvent& Event) {
  Event.Skip();
  if (FPageImage && !PageImageFitsLayout())
    DropPageImage(); // the layout changed; the next paint starts the new image
  if (!FPageImage || FPageImage->Complete())
    return;
  FPageImage->SetView(ShownPagePart());
  StepPageImage(false);
  RefreshRenderedParts({});
  if (!FPageImage->Complete())
    Event.RequestMore();
}
