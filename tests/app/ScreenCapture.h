// What the X server shows: pixels read back from the screen, as a user sees them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TScreenShot {
  int Left = 0, Top = 0, Width = 0, Height = 0; // the area, in the coordinates it was taken in
  std::vector<std::uint32_t> Pixels;            // 0xRRGGBB, rows top-down

  // The pixel at (X, Y) of those coordinates; 0xFF000000 outside the area.
  std::uint32_t At(int X, int Y) const;
  // Writes the picture as a PNG-convertible PPM file, for looking at a failure.
  void Save(const std::string& FileName) const;
};

// The screen's pixels in a rectangle of screen coordinates, as the server has them now.
TScreenShot CaptureScreen(int Left, int Top, int Width, int Height);

// The screen position of the topmost shown pop-up window (a menu, for example); (0, 0) when none
// is shown.
struct TScreenPoint {
  int X = 0, Y = 0;
};
TScreenPoint ShownPopupOrigin();

// "#rrggbb" for messages.
std::string ColourText(std::uint32_t Pixel);
