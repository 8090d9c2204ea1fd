#include "engine/PdfSurface.h"

#include <algorithm>
#include <cstring>

TPdfSurface::TPdfSurface(int AWidth, int AHeight, std::uint32_t AFill)
    : FWidth(std::max(AWidth, 0)), FHeight(std::max(AHeight, 0)), FStride(FWidth * 4),
      FOwnPixels(static_cast<std::size_t>(FWidth) * static_cast<std::size_t>(FHeight), AFill),
      FPixels(reinterpret_cast<std::uint8_t*>(FOwnPixels.data())) {}

TPdfSurface::TPdfSurface(int AWidth, int AHeight, void* APixels, int AStride)
    : FWidth(std::max(AWidth, 0)), FHeight(std::max(AHeight, 0)), FStride(AStride),
      FPixels(static_cast<std::uint8_t*>(APixels)) {}

std::uint32_t TPdfSurface::Pixel(int X, int Y) const {
  std::uint32_t Value;
  std::memcpy(&Value, FPixels + static_cast<std::ptrdiff_t>(Y) * FStride + X * 4, sizeof Value);
  return Value;
}

void TPdfSurface::Fill(std::uint32_t Color) {
  for (int Y = 0; Y < FHeight; ++Y) {
    std::uint8_t* Row = FPixels + static_cast<std::ptrdiff_t>(Y) * FStride;
    for (int X = 0; X < FWidth; ++X)
      std::memcpy(Row + X * 4, &Color, sizeof Color);
  }
}
