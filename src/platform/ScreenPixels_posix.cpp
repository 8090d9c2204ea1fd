#include "platform/ScreenPixels.h"

#include <cairo.h>

#include <cstddef>

namespace platform {

void DrawPixels(void* NativeContext, const void* Pixels, int Stride, int SourceX, int SourceY,
                int Width, int Height, int X, int Y) {
  auto* Context = static_cast<cairo_t*>(NativeContext);
  if (!Context || Width <= 0 || Height <= 0)
    return;
  // Cairo reads the pixels where they are: its 24-bit format is exactly this layout. Its surface
  // holds the block's rows from their first column.
  auto* Rows = static_cast<unsigned char*>(const_cast<void*>(Pixels)) +
               static_cast<std::ptrdiff_t>(SourceY) * Stride;
  cairo_surface_t* Source =
      cairo_image_surface_create_for_data(Rows, CAIRO_FORMAT_RGB24, SourceX + Width, Height, Stride);
  cairo_save(Context);
  cairo_set_operator(Context, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(Context, Source, X - SourceX, Y);
  cairo_rectangle(Context, X, Y, Width, Height);
  cairo_fill(Context);
  cairo_restore(Context);
  cairo_surface_destroy(Source);
}

} // namespace platform
