// Pixels reach a Windows device context as they are: a block cut out of a wider picture lands at
// its place, rows top-down, and nothing around it changes.
#include "platform/ScreenPixels.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <vector>

TEST(ScreenPixelsWin32, BlockOfAWiderPictureLandsAtItsPlace) {
  constexpr int Width = 20, Height = 10;
  BITMAPINFO Info{};
  Info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  Info.bmiHeader.biWidth = Width;
  Info.bmiHeader.biHeight = -Height;
  Info.bmiHeader.biPlanes = 1;
  Info.bmiHeader.biBitCount = 32;
  Info.bmiHeader.biCompression = BI_RGB;
  void* Bits = nullptr;
  const HDC DC = CreateCompatibleDC(nullptr);
  const HBITMAP Section = CreateDIBSection(DC, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
  ASSERT_TRUE(DC && Section && Bits);
  const HGDIOBJ Old = SelectObject(DC, Section);
  auto* Target = static_cast<std::uint32_t*>(Bits);
  std::fill(Target, Target + Width * Height, 0u);

  // A picture 8 pixels wide; each pixel tells its own position.
  std::vector<std::uint32_t> Picture(8 * 6);
  for (int Y = 0; Y < 6; ++Y)
    for (int X = 0; X < 8; ++X)
      Picture[Y * 8 + X] = 0x00100000u * Y + 0x00000100u * X + 0x11;
  // Its block of 4 x 3 pixels from (2, 1), drawn at (5, 2).
  platform::DrawPixels(DC, Picture.data(), 8 * 4, 2, 1, 4, 3, 5, 2);
  GdiFlush();

  for (int Y = 0; Y < Height; ++Y)
    for (int X = 0; X < Width; ++X) {
      const bool Inside = X >= 5 && X < 9 && Y >= 2 && Y < 5;
      const std::uint32_t Expected = Inside ? Picture[(Y - 2 + 1) * 8 + (X - 5 + 2)] : 0u;
      ASSERT_EQ(Target[Y * Width + X] & 0xFFFFFF, Expected) << X << "," << Y;
    }
  SelectObject(DC, Old);
  DeleteObject(Section);
  DeleteDC(DC);
}
