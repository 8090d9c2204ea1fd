#include "platform/ScreenPixels.h"

#include <cairo.h>

namespace platform {

void DrawPixels(void* NativeContext, const void* Pixels, int Stride, int Width, int Height, int X,
                int Y) {
  auto* Context = static_cast<cairo_t*>(NativeContext);
  if (!Context || Width <= 0 || Height <= 0)
    return;
  // Cairo reads the pixels where they are: its 24-bit format is exactly this layout.
  cairo_surface_t* Source =
      cairo_image_surface_create_for_data(static_cast<unsigned char*>(const_cast<void*>(Pixels)),
                                          CAIRO_FORMAT_RGB24, Width, Height, Stride);
  cairo_save(Context);
  cairo_set_operator(Context, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(Context, Source, X, Y);
  cairo_rectangle(Context, X, Y, Width, Height);
  cairo_fill(Context);
  cairo_restore(Context);
  cairo_surface_destroy(Source);
}

} // namespace platform
