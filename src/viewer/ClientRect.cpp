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

TRect OffsetRect(const TRect& R, int DX, int DY) {
  return {R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY};
}

std::vector<TRect> SubtractRect(const TRect& A, const TRect& B) {
  if (IsEmptyRect(A))
    return {};
  const TRect Cut = IntersectRect(A, B);
  if (IsEmptyRect(Cut))
    return {A};
  const TRect Parts[] = {
      {A.Left, A.Top, A.Right, Cut.Top},         // above
      {A.Left, Cut.Bottom, A.Right, A.Bottom},   // below
      {A.Left, Cut.Top, Cut.Left, Cut.Bottom},   // left
      {Cut.Right, Cut.Top, A.Right, Cut.Bottom}, // right
  };
  std::vector<TRect> Result;
  for (const TRect& P : Parts)
    if (!IsEmptyRect(P))
      Result.push_back(P);
  return Result;
}

TRect BoundingRect(const std::vector<TRect>& Rects) {
  TRect Result{};
  bool Any = false;
  for (const TRect& R : Rects) {
    if (IsEmptyRect(R))
      continue;
    Result = Any ? TRect{std::min(Result.Left, R.Left), std::min(Result.Top, R.Top),
                         std::max(Result.Right, R.Right), std::max(Result.Bottom, R.Bottom)}
                 : R;
    Any = true;
  }
  return Result;
}

bool ContainsRect(const TRect& A, const TRect& B) {
  return IsEmptyRect(B) ||
         (B.Left >= A.Left && B.Top >= A.Top && B.Right <= A.Right && B.Bottom <= A.Bottom);
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
