// Pixels reach a cairo drawing context as they are: a block cut out of a wider picture lands at its
// place, and nothing around it changes.
#include "platform/ScreenPixels.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

TEST(ScreenPixels, BlockOfAWiderPictureLandsAtItsPlace) {
  constexpr int Width = 20, Height = 10;
  cairo_surface_t* Target = cairo_image_surface_create(CAIRO_FORMAT_RGB24, Width, Height);
  cairo_t* Context = cairo_create(Target);
  // A picture 8 pixels wide; each pixel tells its own position.
  std::vector<std::uint32_t> Picture(8 * 6);
  for (int Y = 0; Y < 6; ++Y)
    for (int X = 0; X < 8; ++X)
      Picture[Y * 8 + X] = 0x00100000u * Y + 0x00000100u * X + 0x11;
  // Its block of 4 x 3 pixels from (2, 1), drawn at (5, 2).
  platform::DrawPixels(Context, Picture.data(), 8 * 4, 2, 1, 4, 3, 5, 2);
  cairo_surface_flush(Target);
  const auto* Row = cairo_image_surface_get_data(Target);
  const int Stride = cairo_image_surface_get_stride(Target);
  for (int Y = 0; Y < Height; ++Y)
    for (int X = 0; X < Width; ++X) {
      const bool Inside = X >= 5 && X < 9 && Y >= 2 && Y < 5;
      const std::uint32_t Expected = Inside ? Picture[(Y - 2 + 1) * 8 + (X - 5 + 2)] : 0u;
      const auto* Pixel = reinterpret_cast<const std::uint32_t*>(Row + Y * Stride) + X;
      ASSERT_EQ(*Pixel & 0xFFFFFF, Expected) << X << "," << Y;
    }
  cairo_destroy(Context);
  cairo_surface_destroy(Target);
}
