#include "platform/ScreenPixels.h"

#include <windows.h>

#include <cstddef>

namespace platform {

void DrawPixels(void* NativeContext, const void* Pixels, int Stride, int SourceX, int SourceY,
                int Width, int Height, int X, int Y) {
  const HDC DC = static_cast<HDC>(NativeContext);
  if (!DC || Width <= 0 || Height <= 0)
    return;
  // The block's rows as a top-down 32-bit device-independent bitmap as wide as one row.
  const auto* Rows =
      static_cast<const unsigned char*>(Pixels) + static_cast<std::ptrdiff_t>(SourceY) * Stride;
  BITMAPINFO Info{};
  Info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  Info.bmiHeader.biWidth = Stride / 4;
  Info.bmiHeader.biHeight = -Height;
  Info.bmiHeader.biPlanes = 1;
  Info.bmiHeader.biBitCount = 32;
  Info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(DC, X, Y, static_cast<DWORD>(Width), static_cast<DWORD>(Height), SourceX, 0, 0,
                    static_cast<UINT>(Height), Rows, &Info, DIB_RGB_COLORS);
}

} // namespace platform
