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
  const std::uint8_t* First = Image.Pixels() +
                              static_cast<std::ptrdiff_t>(Cut.Top - Y) * Image.Stride() +
                              static_cast<std::ptrdiff_t>(Cut.Left - X) * 4;
  platform::DrawPixels(FDC.GetHandle(), First, Image.Stride(), Cut.Right - Cut.Left,
                       Cut.Bottom - Cut.Top, Cut.Left, Cut.Top);
}
