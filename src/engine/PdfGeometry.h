// Geometry shared by the engine binding and the viewer: page-space points and rectangles (points of
// 1/72 inch), client-pixel points and rectangles, page rotations and render options.
#pragma once

#include "engine/PdfEnumSet.h"

#include <cstdint>
#include <vector>

struct TPdfPoint {
  double X = 0;
  double Y = 0;

  void Offset(double XOffset, double YOffset) {
    X += XOffset;
    Y += YOffset;
  }
  static TPdfPoint Empty() { return {}; }
  bool operator==(const TPdfPoint&) const = default;
};

struct TPdfRect {
  double Left = 0;
  double Top = 0;
  double Right = 0;
  double Bottom = 0;

  TPdfPoint TopLeft() const { return {Left, Top}; }
  TPdfPoint BottomRight() const { return {Right, Bottom}; }
  void SetTopLeft(const TPdfPoint& P) {
    Left = P.X;
    Top = P.Y;
  }
  void SetBottomRight(const TPdfPoint& P) {
    Right = P.X;
    Bottom = P.Y;
  }
  void Offset(double XOffset, double YOffset) {
    Left += XOffset;
    Right += XOffset;
    Top += YOffset;
    Bottom += YOffset;
  }
  static TPdfRect Empty() { return {}; }
  bool operator==(const TPdfRect&) const = default;
};

using TPdfRectArray = std::vector<TPdfRect>;

// A client pixel.
struct TPoint {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  bool operator==(const TPoint&) const = default;
};

// Client pixels; Right and Bottom are exclusive.
struct TRect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
  bool operator==(const TRect&) const = default;
};

// The ordinal is the engine's rotation number.
enum TPdfPageRotation { prNormal = 0, pr90Clockwise = 1, pr180 = 2, pr90CounterClockwide = 3 };

enum TPdfPageRenderOptionType {
  proAnnotations,
  proLCDOptimized,
  proNoNativeText,
  proNoCatch,
  proLimitedImageCacheSize,
  proForceHalftone,
  proPrinting,
  proReverseByteOrder
};

using TPdfPageRenderOptions = TEnumSet<TPdfPageRenderOptionType>;

// The engine's render flags of a set of options.
int EngineRenderFlags(TPdfPageRenderOptions Options);
