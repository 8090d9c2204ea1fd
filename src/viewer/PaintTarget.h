// Where one paint of the viewer draws: client coordinates, clipped to the area being painted.
#pragma once

#include "engine/PdfGeometry.h"
#include "viewer/PdfControlTypes.h"

class TPdfSurface;

class TPaintTarget {
public:
  virtual ~TPaintTarget() = default;
  // The area being painted, in client pixels.
  virtual TRect ClipBox() const = 0;
  // Fills R with an opaque colour (a plain RGB value, no special colour).
  virtual void FillRect(const TRect& R, TColor Color) = 0;
  // Copies Image with its top-left corner at (X, Y).
  virtual void DrawImage(const TPdfSurface& Image, int X, int Y) = 0;
};
