// The drawing target of page rendering: a 32-bit pixel surface, rows top-down, each pixel the bytes
// blue, green, red, alpha (0xAARRGGBB read as a 32-bit little-endian value).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class TPdfSurface {
public:
  // A surface with pixel memory of its own, every pixel AFill.
  TPdfSurface(int AWidth, int AHeight, std::uint32_t AFill = 0);
  // A surface over the caller's memory (AStride bytes per row), which stays the caller's and must
  // outlive the surface.
  TPdfSurface(int AWidth, int AHeight, void* APixels, int AStride);
  // Moved, not copied: a copy would share the memory it does not own.
  TPdfSurface(TPdfSurface&&) = default;
  TPdfSurface& operator=(TPdfSurface&&) = default;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int Stride() const { return FStride; }
  std::uint8_t* Pixels() { return FPixels; }
  const std::uint8_t* Pixels() const { return FPixels; }

  // The pixel at (X, Y), which must lie inside the surface.
  std::uint32_t Pixel(int X, int Y) const;
  void Fill(std::uint32_t Color);

private:
  int FWidth = 0;
  int FHeight = 0;
  int FStride = 0;
  std::vector<std::uint32_t> FOwnPixels;
  std::uint8_t* FPixels = nullptr;
};
