#include "viewer/PagePainting.h"

#include "viewer/ClientRect.h"
#include "viewer/OffscreenSurface.h"

bool IsDirectPageDraw(bool BufferedPageDraw, int DrawWidth, int DrawHeight, int Width, int Height) {
  const std::int64_t PageArea = std::int64_t{DrawWidth} * DrawHeight;
  const std::int64_t ControlArea = std::int64_t{Width} * Height;
  return !BufferedPageDraw || (PageArea > ControlArea && PageArea > DirectDrawThreshold);
}

void FillBackgroundBands(TPaintTarget& Target, int Width, int Height, const TRect& Page,
                         TColor Color) {
  const TRect Bands[] = {
      {0, 0, Width, Page.Top},
      {0, Page.Top, Page.Left, Page.Bottom},
      {Page.Right, Page.Top, Width, Page.Bottom},
      {0, Page.Bottom, Width, Height},
  };
  for (const TRect& Band : Bands)
    if (!IsEmptyRect(IntersectRect(Band, Target.ClipBox())))
      Target.FillRect(Band, Color);
}

void PaintBorderShadow(TPaintTarget& Target, const TRect& Page, TColor BorderColor,
                       TColor ShadowColor, int ShadowSize) {
  const int X = Page.Left;
  const int Y = Page.Top;
  const int W = Page.Right - Page.Left;
  const int H = Page.Bottom - Page.Top;
  if (BorderColor != clNone) {
    Target.FillRect({X, Y, X + W, Y + 1}, BorderColor);
    Target.FillRect({X, Y, X + 1, Y + H}, BorderColor);
    Target.FillRect({X + W - 1, Y, X + W, Y + H}, BorderColor);
    Target.FillRect({X, Y + H - 1, X + W, Y + H}, BorderColor);
  }
  const int S = ShadowSize;
  if (ShadowColor != clNone && S > 0) {
    Target.FillRect({X + W, Y + S, X + W + S, Y + S + H}, ShadowColor);
    Target.FillRect({X + S, Y + H, X + S + W, Y + H + S}, ShadowColor);
  }
}

void BlendRects(TOffscreenSurface& Target, const TPdfControlRectArray& Rects, TColor Color) {
  for (const TRect& R : Rects)
    if (!IsEmptyRect(IntersectRect(NormalizedRect(R), Target.ClipBox())))
      Target.BlendRect(R, Color, OverlayAlpha);
}
