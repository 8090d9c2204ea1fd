#include "viewer/PagePiece.h"

TPagePiece::TPagePiece(const TRect& Area, TColor Paper)
    : FArea(Area), FPaper(Paper), FPixels(Area, Paper) {}

bool TPagePiece::Render(TPdfPage& Page, const TPageDrawing& How, TClock::time_point Deadline) {
  if (FFinished)
    return true;
  try {
    if (!FRender || FRender->Abandoned()) {
      if (FRenders > 0)
        FPixels.FillRect(FArea, FPaper);
      FRender =
          std::make_unique<TPdfProgressiveRender>(Page, FPixels.Surface(), -FArea.Left, -FArea.Top,
                                                  How.Width, How.Height, How.Rotation, How.Options);
      ++FRenders;
    }
    FFinished = FRender->Continue(Deadline);
  } catch (...) {
    FRender.reset();
    FFinished = true;
    throw;
  }
  if (FFinished)
    FRender.reset();
  return FFinished;
}

void TPagePiece::Stop() {
  FRender.reset();
}
