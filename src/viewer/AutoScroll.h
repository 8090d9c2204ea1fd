// Scrolling by itself while a drag selection has left the control: when it runs and which way each
// tick of its timer moves.
#pragma once

#include "engine/PdfGeometry.h"

// The pointer (client pixels) is beyond an edge that has a scroll bar: above or below the control
// with a vertical bar, left or right of it with a horizontal one. Width and Height are the
// control's outer size.
bool IsBeyondScrollableEdge(TPoint Pointer, int Width, int Height, bool HorzBar, bool VertBar);

// The scroll of one tick for the pointer's last position: 25 pixels along one axis toward the
// pointer, the horizontal first; nothing while the pointer is inside.
TPoint AutoScrollStep(TPoint Pointer, int Width, int Height);
