// Painting straight on the screen's drawing context of one paint.
#pragma once

#include "viewer/PaintTarget.h"

class wxDC;

class TDevicePaintTarget : public TPaintTarget {
public:
  // Clip: the area being painted, in client pixels.
  TDevicePaintTarget(wxDC& DC, const TRect& Clip) : FDC(DC), FClip(Clip) {}

  TRect ClipBox() const override { return FClip; }
  void FillRect(const TRect& R, TColor Color) override;
  void DrawImage(const TPdfSurface& Image, int X, int Y) override;

private:
  wxDC& FDC;
  TRect FClip;
};
