// A rectangle of the page image with pixels of its own, rendered in steps: the paper first, then
// the page drawn over it as a whole-page render draws that rectangle.
#pragma once

#include "engine/PdfGeometry.h"
#include "engine/PdfProgressiveRender.h"
#include "viewer/OffscreenSurface.h"

#include <memory>

class TPdfPage;

// How the whole page is drawn: its size in pixels, its turn and the render options.
struct TPageDrawing {
  int Width = 0;
  int Height = 0;
  TPdfPageRotation Rotation = prNormal;
  TPdfPageRenderOptions Options;
  bool operator==(const TPageDrawing&) const = default;
};

class TPagePiece {
public:
  using TClock = TPdfProgressiveRender::TClock;

  // Area: page pixels, (0, 0) being the page's top-left corner as drawn. Filled with Paper.
  TPagePiece(const TRect& Area, TColor Paper);

  const TRect& Area() const { return FArea; }
  // The pixels, in page-pixel coordinates.
  TOffscreenSurface& Pixels() { return FPixels; }
  const TOffscreenSurface& Pixels() const { return FPixels; }
  bool Finished() const { return FFinished; }

  // Renders until Deadline; true once the piece is finished. A render that was abandoned or
  // stopped starts over on fresh paper. An engine error leaves the piece finished with what it
  // has, and goes on to the caller.
  bool Render(TPdfPage& Page, const TPageDrawing& How, TClock::time_point Deadline);
  // Ends the render under way; the next Render starts over.
  void Stop();
  // Renders of the engine begun for this piece.
  int Renders() const { return FRenders; }

private:
  TRect FArea;
  TColor FPaper;
  TOffscreenSurface FPixels;
  std::unique_ptr<TPdfProgressiveRender> FRender;
  bool FFinished = false;
  int FRenders = 0;
};
