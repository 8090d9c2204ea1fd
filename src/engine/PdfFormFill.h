// The form-fill record handed to the engine for a document's form environment.
#pragma once

#include "engine/PdfEngineTypes.h"

class TPdfDocument;

// The engine gets the address of FormFillInfo and passes it back to every callback; the callbacks
// find their document right behind it.
struct TPdfFormFillHandler {
  FPDF_FORMFILLINFO FormFillInfo;
  TPdfDocument* Document;
};

// Zeroes the handler and fills it for ADocument: the record version (2 with the XFA members
// disabled when the engine has them, else 1) and the callbacks.
void InitFormFillHandler(TPdfFormFillHandler& Handler, TPdfDocument* ADocument, bool AXfa);
