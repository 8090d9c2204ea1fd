// The off-screen picture of one paint: 32-bit pixels covering just the area being painted, drawn
// to in client coordinates and copied to the screen in one piece, so the screen never shows a
// half-built picture.
#pragma once

#include "engine/PdfSurface.h"
#include "viewer/PaintTarget.h"

#include <cstdint>

class TOffscreenSurface : public TPaintTarget {
public:
  // Pixels for Area (client coordinates), every one 0, or every one Fill.
  explicit TOffscreenSurface(const TRect& Area);
  TOffscreenSurface(const TRect& Area, TColor Fill);

  TRect ClipBox() const override { return FArea; }
  void FillRect(const TRect& R, TColor Color) override;
  void DrawImage(const TPdfSurface& Image, int X, int Y) override;
  // Blends Color over R with a constant opacity of Alpha out of 255.
  void BlendRect(const TRect& R, TColor Color, std::uint8_t Alpha);

  // The pixels; pixel (0, 0) is the area's top-left corner.
  TPdfSurface& Surface() { return FSurface; }
  const TPdfSurface& Surface() const { return FSurface; }
  // The surface pixel of a client point inside the area.
  std::uint32_t PixelAt(int X, int Y) const {
    return FSurface.Pixel(X - FArea.Left, Y - FArea.Top);
  }

private:
  // The client rectangle R cut to the area, in surface coordinates.
  TRect SurfaceRect(const TRect& R) const;

  TRect FArea;
  TPdfSurface FSurface;
};
