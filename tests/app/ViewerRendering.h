// Waiting on the viewer's page image, which is rendered in slices while the window is idle.
#pragma once

#include "engine/PdfGeometry.h"

#include <functional>

class TPdfControl;

// Lets the toolkit run until the viewer's whole page image is rendered and painted.
bool PumpUntilRendered(TPdfControl& Viewer, int Milliseconds = 120000);

// Lets the toolkit run until Done answers true. True when that happened while the viewer was still
// rendering: its page image was unfinished before the events that made Done true were handled.
bool HandledWhileRendering(TPdfControl& Viewer, const std::function<bool()>& Done);

// The heavy drawing shown upright: the client position of the centre of sheet N's marker square,
// which no other sheet has.
TPoint HeavyDrawingMarker(TPdfControl& Viewer, int N);
