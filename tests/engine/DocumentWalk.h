// Everything the viewer reads of an open document, done in one call: the damaged-file sweep and the
// document fuzz target read every document they open this way.
#pragma once

#include "engine/PdfEngineCore.h"

#include <climits>

// For the first MaxPages pages: the page's size, the page drawn into a small surface, its text and
// its web links; each page's engine handles are released afterwards, as the viewer does when it
// leaves a page. Engine failures raise EPdfException as the document layer raises them.
void ReadEveryPage(TPdfDocument& Document, int MaxPages = INT_MAX);
