#include "ViewerRendering.h"

#include "WxTestEnvironment.h"

#include "viewer/PdfViewCtrl.h"

bool PumpUntilRendered(TPdfControl& Viewer, int Milliseconds) {
  Viewer.Update();
  const bool Rendered = PumpUntil([&] { return Viewer.PageImageRendered(); }, Milliseconds);
  PumpEvents(30); // the last part painted
  return Rendered;
}

bool HandledWhileRendering(TPdfControl& Viewer, const std::function<bool()>& Done) {
  // Input is handled before idle time renders: the state before a pump is the state the input met.
  bool Rendering = !Viewer.PageImageRendered();
  bool Result = false;
  PumpUntil(
      [&] {
        if (Done()) {
          Result = Rendering;
          return true;
        }
        Rendering = !Viewer.PageImageRendered();
        return false;
      },
      30000);
  return Result;
}

TPoint HeavyDrawingMarker(TPdfControl& Viewer, int N) {
  // Sheets of 2384 x 1684 points; marker N from (40 + 160 N, 40) to (160 + 160 N, 160).
  const TRect Page = Viewer.GetPageRect();
  const double Scale = double(Page.Right - Page.Left) / 2384;
  return {Page.Left + int((100 + 160 * N) * Scale), Page.Top + int((1684 - 100) * Scale)};
}
