// A page drawn into a surface in steps, for a caller that must go on answering between them: each
// step draws until its deadline and pauses, the next goes on where it stopped. The finished picture
// is the one TPdfPage::DrawOnPaper draws in one call: the page content over what the surface holds,
// then the form fields. The engine runs one such render per page at a time: a second render of the
// page, drawing it otherwise, and closing it abandon the render.
#pragma once

#include "engine/PdfGeometry.h"

#include <chrono>
#include <memory>

class TPdfBitmap;
class TPdfPage;
class TPdfSurface;
struct IFSDK_PAUSE;

class TPdfProgressiveRender {
public:
  using TClock = std::chrono::steady_clock;

  // Draws Page at (X, Y, Width, Height) of Target, which must outlive the render. Nothing is drawn
  // before the first Continue.
  TPdfProgressiveRender(TPdfPage& Page, TPdfSurface& Target, int X, int Y, int Width, int Height,
                        TPdfPageRotation Rotate, TPdfPageRenderOptions Options);
  // Ends the engine's render if it still runs.
  ~TPdfProgressiveRender();
  TPdfProgressiveRender(const TPdfProgressiveRender&) = delete;
  TPdfProgressiveRender& operator=(const TPdfProgressiveRender&) = delete;

  // Draws until Deadline (at least one of the engine's steps); true once the picture is complete.
  // After completion or abandonment it draws nothing more.
  bool Continue(TClock::time_point Deadline);
  bool Finished() const { return FState == TState::Finished; }
  // The page was closed, drawn otherwise or given another render before this one completed: the
  // target holds part of the picture.
  bool Abandoned() const { return FState == TState::Abandoned; }

private:
  friend class TPdfPage;
  enum class TState { Waiting, Running, Finished, Abandoned };

  // The engine's first step; its state afterwards.
  int Start(IFSDK_PAUSE& Pause);
  // The page content is drawn: the engine's render ends, the form fields follow.
  void Complete();
  // Called by the page: ends the engine's render and forgets the page.
  void Abandon();

  TPdfPage* FPage;
  TPdfSurface& FTarget;
  int FX, FY, FWidth, FHeight;
  TPdfPageRotation FRotate;
  TPdfPageRenderOptions FOptions;
  std::unique_ptr<TPdfBitmap> FBitmap; // the engine's view of the target while the render runs
  TState FState = TState::Waiting;
};
