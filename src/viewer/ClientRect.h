// Small operations on client-pixel rectangles (right and bottom exclusive).
#pragma once

#include "engine/PdfGeometry.h"

#include <vector>

// The part two rectangles share; empty when they do not meet.
TRect IntersectRect(const TRect& A, const TRect& B);
// Nothing inside: Right <= Left or Bottom <= Top.
bool IsEmptyRect(const TRect& R);
// The same pixels with Left <= Right and Top <= Bottom (rotated pages give swapped corners).
TRect NormalizedRect(const TRect& R);
// Left and top inclusive, right and bottom exclusive.
bool PtInRect(const TRect& R, int X, int Y);
// A moved by (DX, DY).
TRect OffsetRect(const TRect& R, int DX, int DY);
// The pixels of A that B does not cover, as up to four rectangles.
std::vector<TRect> SubtractRect(const TRect& A, const TRect& B);
// The smallest rectangle holding every non-empty one of Rects; empty when there is none.
TRect BoundingRect(const std::vector<TRect>& Rects);
// Whether A holds every pixel of B (an empty B is held by anything).
bool ContainsRect(const TRect& A, const TRect& B);
// What a change from the rectangles Old to New repaints: each rectangle of Old that New does not
// hold, then each of New that Old does not hold. Rectangles in both stay as they are on screen.
std::vector<TRect> ChangedRects(const std::vector<TRect>& Old, const std::vector<TRect>& New);
