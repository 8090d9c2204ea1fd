#include "viewer/ClientRect.h"

#include <algorithm>

TRect IntersectRect(const TRect& A, const TRect& B) {
  return {std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
          std::min(A.Bottom, B.Bottom)};
}

bool IsEmptyRect(const TRect& R) {
  return R.Right <= R.Left || R.Bottom <= R.Top;
}

TRect NormalizedRect(const TRect& R) {
  return {std::min(R.Left, R.Right), std::min(R.Top, R.Bottom), std::max(R.Left, R.Right),
          std::max(R.Top, R.Bottom)};
}

bool PtInRect(const TRect& R, int X, int Y) {
  return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom;
}

std::vector<TRect> ChangedRects(const std::vector<TRect>& Old, const std::vector<TRect>& New) {
  std::vector<TRect> Result;
  const auto AddMissing = [&Result](const std::vector<TRect>& From, const std::vector<TRect>& In) {
    for (const TRect& R : From)
      if (std::find(In.begin(), In.end(), R) == In.end())
        Result.push_back(R);
  };
  AddMissing(Old, New);
  AddMissing(New, Old);
  return Result;
}
