#include "viewer/ControlCursor.h"

#include <wx/cursor.h>

TCursor FormFieldCursor(TPdfFormFieldType Type) {
  switch (Type) {
  case fftComboBox:
  case fftSignature:
    return crHandPoint;
  case fftTextField:
    return crIBeam;
  default:
    return crDefault;
  }
}

wxCursor ToolkitCursor(TCursor Cursor) {
  switch (Cursor) {
  case crIBeam:
    return wxCursor(wxCURSOR_IBEAM);
  case crHandPoint:
    return wxCursor(wxCURSOR_HAND);
  default:
    return wxNullCursor;
  }
}
