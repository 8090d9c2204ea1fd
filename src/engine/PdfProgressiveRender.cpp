#include "engine/PdfProgressiveRender.h"

#include "engine/PdfBitmap.h"
#include "engine/PdfPage.h"
#include "engine/PdfSurface.h"

namespace {

FPDF_BOOL PauseNow(IFSDK_PAUSE* Pause) {
  const auto& Deadline =
      *static_cast<const TPdfProgressiveRender::TClock::time_point*>(Pause->user);
  return TPdfProgressiveRender::TClock::now() >= Deadline ? 1 : 0;
}

} // namespace

TPdfProgressiveRender::TPdfProgressiveRender(TPdfPage& Page, TPdfSurface& Target, int X, int Y,
                                             int Width, int Height, TPdfPageRotation Rotate,
                                             TPdfPageRenderOptions Options)
    : FPage(&Page), FTarget(Target), FX(X), FY(Y), FWidth(Width), FHeight(Height), FRotate(Rotate),
      FOptions(Options) {
  Page.AttachProgressiveRender(this);
}

TPdfProgressiveRender::~TPdfProgressiveRender() {
  if (FState == TState::Running)
    FPDF_RenderPage_Close(FPage->LoadedHandle());
  if (FPage)
    FPage->DetachProgressiveRender(this);
}

bool TPdfProgressiveRender::Continue(TClock::time_point Deadline) {
  if (FState == TState::Finished || FState == TState::Abandoned)
    return Finished();
  IFSDK_PAUSE Pause{1, &PauseNow, &Deadline};
  const int State = FState == TState::Waiting
                        ? Start(Pause)
                        : FPDF_RenderPage_Continue(FPage->LoadedHandle(), &Pause);
  if (FState == TState::Running && State != FPDF_RENDER_TOBECONTINUED)
    Complete();
  return Finished();
}

int TPdfProgressiveRender::Start(IFSDK_PAUSE& Pause) {
  FPage->PrepareToDraw(FOptions);
  if (FWidth > 0 && FHeight > 0 && FTarget.Width() > 0 && FTarget.Height() > 0)
    FBitmap = std::make_unique<TPdfBitmap>(FTarget.Width(), FTarget.Height(), bfBGRA,
                                           FTarget.Pixels(), FTarget.Stride());
  if (!FBitmap || !FBitmap->Bitmap()) {
    FBitmap.reset();
    FState = TState::Finished;
    return FPDF_RENDER_DONE;
  }
  FState = TState::Running;
  return FPDF_RenderPageBitmap_Start(FBitmap->Bitmap(), FPage->LoadedHandle(), FX, FY, FWidth,
                                     FHeight, FRotate, EngineRenderFlags(FOptions), &Pause);
}

void TPdfProgressiveRender::Complete() {
  FPDF_RenderPage_Close(FPage->LoadedHandle());
  FState = TState::Finished;
  // The printing path draws the page content alone, its fields flattened into it.
  if (!FOptions.Contains(proPrinting))
    FPage->DrawFormToPdfBitmap(*FBitmap, FX, FY, FWidth, FHeight, FRotate, FOptions);
  FBitmap.reset();
}

void TPdfProgressiveRender::Abandon() {
  if (FState == TState::Running)
    FPDF_RenderPage_Close(FPage->LoadedHandle());
  if (FState != TState::Finished)
    FState = TState::Abandoned;
  FBitmap.reset();
  FPage = nullptr;
}
