// The events a document raises for its form fields. Each is optional; an empty one is not raised.
#pragma once

#include "engine/PdfGeometry.h"

#include <functional>

class TPdfDocument;
class TPdfPage;

// Part of Page (PageRect, page space) must be repainted.
using TPdfFormInvalidateEvent =
    std::function<void(TPdfDocument* Document, TPdfPage* Page, const TPdfRect& PageRect)>;
// One rectangle of the text selected inside a form field.
using TPdfFormOutputSelectedRectEvent =
    std::function<void(TPdfDocument* Document, TPdfPage* Page, const TPdfRect& PageRect)>;
// The handler names the page the user is on (CurrentPage arrives null).
using TPdfFormGetCurrentPageEvent =
    std::function<void(TPdfDocument* Document, TPdfPage*& CurrentPage)>;
// A text field gained or lost the focus; Value holds ValueLen UTF-16 units of its text.
using TPdfFormFieldFocusEvent = std::function<void(TPdfDocument* Document, const char16_t* Value,
                                                   int ValueLen, bool FieldFocused)>;
