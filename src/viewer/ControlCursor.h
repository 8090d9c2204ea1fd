// The mouse cursors the viewer shows: the arrow, the I-beam over text and the hand over links and
// some form fields.
#pragma once

#include "engine/PdfFormFieldType.h"

class wxCursor;

enum TCursor { crDefault, crIBeam, crHandPoint };

// The cursor over a form field that takes the mouse: the hand over combo boxes and signatures, the
// I-beam over text fields, the arrow over anything else.
TCursor FormFieldCursor(TPdfFormFieldType Type);

// The toolkit's cursor of that shape.
wxCursor ToolkitCursor(TCursor Cursor);
