#include "viewer/DevicePaintTarget.h"

#include "engine/PdfSurface.h"
#include "platform/ScreenPixels.h"
#include "viewer/ClientRect.h"

#include <wx/dc.h>

void TDevicePaintTarget::FillRect(const TRect& R, TColor Color) {
  const TRect Cut = IntersectRect(R, FClip);
  if (IsEmptyRect(Cut))
    return;
  FDC.SetPen(*wxTRANSPARENT_PEN);
  FDC.SetBrush(wxBrush(wxColour(Color & 0xFF, Color >> 8 & 0xFF, Color >> 16 & 0xFF)));
  FDC.DrawRectangle(Cut.Left, Cut.Top, Cut.Right - Cut.Left, Cut.Bottom - Cut.Top);
}

void TDevicePaintTarget::DrawImage(const TPdfSurface& Image, int X, int Y) {
  const TRect Cut = IntersectRect({X, Y, X + Image.Width(), Y + Image.Height()}, FClip);
  if (IsEmptyRect(Cut))
    return;
  platform::DrawPixels(FDC.GetHandle(), Image.Pixels(), Image.Stride(), Cut.Left - X, Cut.Top - Y,
                       Cut.Right - Cut.Left, Cut.Bottom - Cut.Top, Cut.Left, Cut.Top);
}
