#include "viewer/AutoScroll.h"

namespace {

constexpr int AutoScrollDistance = 25;

} // namespace

bool IsBeyondScrollableEdge(TPoint P, int Width, int Height, bool HorzBar, bool VertBar) {
  return (VertBar && (P.Y < 0 || P.Y > Height)) || (HorzBar && (P.X < 0 || P.X > Width));
}

TPoint AutoScrollStep(TPoint P, int Width, int Height) {
  if (P.X < 0)
    return {-AutoScrollDistance, 0};
  if (P.X >= Width)
    return {AutoScrollDistance, 0};
  if (P.Y < 0)
    return {0, -AutoScrollDistance};
  if (P.Y >= Height)
    return {0, AutoScrollDistance};
  return {0, 0};
}
