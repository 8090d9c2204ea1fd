// The engine's object layer: documents, pages, engine bitmaps and what they share.
#pragma once

#include "engine/PdfBitmap.h"
#include "engine/PdfDocument.h"
#include "engine/PdfEngineApi.h"
#include "engine/PdfEngineInit.h"
#include "engine/PdfException.h"
#include "engine/PdfGeometry.h"
#include "engine/PdfPage.h"
#include "engine/PdfProgressiveRender.h"
#include "engine/PdfStream.h"
#include "engine/PdfSurface.h"
#include "engine/PdfUnicode.h"
#include "engine/PdfUnsupportedFeature.h"
