#include "viewer/OffscreenSurface.h"

#include "viewer/ClientRect.h"

#include <algorithm>
#include <cstring>

TOffscreenSurface::TOffscreenSurface(const TRect& Area)
    : FArea(Area), FSurface(Area.Right - Area.Left, Area.Bottom - Area.Top) {}

TOffscreenSurface::TOffscreenSurface(const TRect& Area, TColor Fill)
    : FArea(Area), FSurface(Area.Right - Area.Left, Area.Bottom - Area.Top, ColorToPixel(Fill)) {}

TRect TOffscreenSurface::SurfaceRect(const TRect& R) const {
  const TRect Cut = IntersectRect(R, FArea);
  return {Cut.Left - FArea.Left, Cut.Top - FArea.Top, Cut.Right - FArea.Left,
          Cut.Bottom - FArea.Top};
}

void TOffscreenSurface::FillRect(const TRect& R, TColor Color) {
  const TRect S = SurfaceRect(R);
  if (IsEmptyRect(S))
    return;
  const std::uint32_t Pixel = ColorToPixel(Color);
  for (int Y = S.Top; Y < S.Bottom; ++Y) {
    std::uint8_t* Row = FSurface.Pixels() + static_cast<std::ptrdiff_t>(Y) * FSurface.Stride();
    std::fill_n(reinterpret_cast<std::uint32_t*>(Row) + S.Left, S.Right - S.Left, Pixel);
  }
}

void TOffscreenSurface::DrawImage(const TPdfSurface& Image, int X, int Y) {
  const TRect S = SurfaceRect({X, Y, X + Image.Width(), Y + Image.Height()});
  if (IsEmptyRect(S))
    return;
  // The image's first pixel to copy.
  const int ImageX = S.Left + FArea.Left - X;
  const int ImageY = S.Top + FArea.Top - Y;
  const std::size_t Bytes = static_cast<std::size_t>(S.Right - S.Left) * 4;
  for (int Row = 0; Row < S.Bottom - S.Top; ++Row) {
    const std::uint8_t* From = Image.Pixels() +
                               static_cast<std::ptrdiff_t>(ImageY + Row) * Image.Stride() +
                               static_cast<std::ptrdiff_t>(ImageX) * 4;
    std::uint8_t* To = FSurface.Pixels() +
                       static_cast<std::ptrdiff_t>(S.Top + Row) * FSurface.Stride() +
                       static_cast<std::ptrdiff_t>(S.Left) * 4;
    std::memcpy(To, From, Bytes);
  }
}

void TOffscreenSurface::BlendRect(const TRect& R, TColor Color, std::uint8_t Alpha) {
  const TRect S = SurfaceRect(NormalizedRect(R));
  if (IsEmptyRect(S))
    return;
  const unsigned A = Alpha;
  const unsigned Source[3] = {Color >> 16 & 0xFF, Color >> 8 & 0xFF, Color & 0xFF}; // b, g, r
  for (int Y = S.Top; Y < S.Bottom; ++Y) {
    std::uint8_t* P = FSurface.Pixels() + static_cast<std::ptrdiff_t>(Y) * FSurface.Stride() +
                      static_cast<std::ptrdiff_t>(S.Left) * 4;
    for (int X = S.Left; X < S.Right; ++X, P += 4)
      for (int Channel = 0; Channel < 3; ++Channel)
        P[Channel] =
            static_cast<std::uint8_t>((Source[Channel] * A + P[Channel] * (255 - A)) / 255);
  }
}
