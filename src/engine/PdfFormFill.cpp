#include "engine/PdfFormFill.h"

#include "engine/PdfDocument.h"
#include "engine/PdfPage.h"

#include <cstring>
#include <type_traits>

static_assert(std::is_standard_layout_v<TPdfFormFillHandler>,
              "the engine's record must be the first member of the handler");

namespace {

// Callbacks run inside engine calls: nothing may leave them as an exception.
TPdfDocument* DocumentOf(FPDF_FORMFILLINFO* Info) {
  return reinterpret_cast<TPdfFormFillHandler*>(Info)->Document;
}

void Invalidate(FPDF_FORMFILLINFO*, FPDF_PAGE, double, double, double, double) {}

void OutputSelectedRect(FPDF_FORMFILLINFO*, FPDF_PAGE, double, double, double, double) {}

void SetCursor(FPDF_FORMFILLINFO*, int) {}

int SetTimer(FPDF_FORMFILLINFO*, int, TimerCallback) {
  return 0;
}

void KillTimer(FPDF_FORMFILLINFO*, int) {}

FPDF_SYSTEMTIME GetLocalTime(FPDF_FORMFILLINFO*) {
  return {};
}

void OnChange(FPDF_FORMFILLINFO* Info) {
  if (TPdfDocument* Document = DocumentOf(Info))
    Document->SetFormModified(true);
}

FPDF_PAGE GetPage(FPDF_FORMFILLINFO* Info, FPDF_DOCUMENT DocumentHandle, int PageIndex) {
  TPdfDocument* Document = DocumentOf(Info);
  if (!Document || !Document->Active() || Document->Handle() != DocumentHandle || PageIndex < 0 ||
      PageIndex >= Document->PageCount())
    return nullptr;
  try {
    return Document->Pages(PageIndex)->LoadedHandle();
  } catch (...) {
    return nullptr;
  }
}

FPDF_PAGE GetCurrentPage(FPDF_FORMFILLINFO*, FPDF_DOCUMENT) {
  return nullptr;
}

int GetRotation(FPDF_FORMFILLINFO*, FPDF_PAGE) {
  return 0;
}

void SetTextFieldFocus(FPDF_FORMFILLINFO*, FPDF_WIDESTRING, FPDF_DWORD, FPDF_BOOL) {}

void OnFocusChange(FPDF_FORMFILLINFO*, FPDF_ANNOTATION, int) {}

} // namespace

void InitFormFillHandler(TPdfFormFillHandler& Handler, TPdfDocument* ADocument, bool AXfa) {
  std::memset(&Handler, 0, sizeof Handler);
  Handler.Document = ADocument;
  FPDF_FORMFILLINFO& Info = Handler.FormFillInfo;
  Info.version = AXfa ? 2 : 1;
  Info.xfa_disabled = AXfa ? 1 : 0;
  Info.FFI_Invalidate = &Invalidate;
  Info.FFI_OutputSelectedRect = &OutputSelectedRect;
  Info.FFI_SetCursor = &SetCursor;
  Info.FFI_SetTimer = &SetTimer;
  Info.FFI_KillTimer = &KillTimer;
  Info.FFI_GetLocalTime = &GetLocalTime;
  Info.FFI_OnChange = &OnChange;
  Info.FFI_GetPage = &GetPage;
  Info.FFI_GetCurrentPage = &GetCurrentPage;
  Info.FFI_GetRotation = &GetRotation;
  Info.FFI_SetTextFieldFocus = &SetTextFieldFocus;
  Info.FFI_OnFocusChange = &OnFocusChange;
}
