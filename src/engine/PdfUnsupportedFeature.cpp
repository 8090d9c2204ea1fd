#include "engine/PdfUnsupportedFeature.h"

#include "engine/PdfDocument.h"
#include "engine/PdfEngineApi.h"

namespace {

thread_local TPdfDocument* ThreadLoadingDocument = nullptr;
thread_local TUnsupportedFeatureHook ThreadHook;

// Called by the engine inside its own calls; nothing may leave it as an exception.
void ReportUnsupportedFeature(UNSUPPORT_INFO*, int Code) {
  if (ThreadLoadingDocument)
    ThreadLoadingDocument->NoteUnsupportedFeature();
  if (ThreadHook) {
    try {
      ThreadHook(Code, UnsupportedFeatureName(Code));
    } catch (...) {
    }
  }
}

UNSUPPORT_INFO UnsupportedFeatureRecord = {1, &ReportUnsupportedFeature};

} // namespace

std::string UnsupportedFeatureName(int Code) {
  switch (Code) {
  case 1:
    return "XFA";
  case 2:
    return "Portfolios_Packages";
  case 3:
  case 16:
    return "Attachment";
  case 4:
    return "Rights_Management";
  case 5:
    return "Shared_Review";
  case 6:
  case 7:
  case 8:
    return "Shared_Form";
  case 11:
    return "3D";
  case 12:
    return "Movie";
  case 13:
    return "Sound";
  case 14:
  case 15:
    return "Screen";
  case 17:
    return "Digital_Signature";
  default:
    return "Unknown";
  }
}

void SetUnsupportedFeatureHook(TUnsupportedFeatureHook Hook) {
  ThreadHook = std::move(Hook);
}

TPdfDocument* LoadingDocument() {
  return ThreadLoadingDocument;
}

TLoadingDocumentScope::TLoadingDocumentScope(TPdfDocument* ADocument)
    : FPrevious(ThreadLoadingDocument) {
  ThreadLoadingDocument = ADocument;
}

TLoadingDocumentScope::~TLoadingDocumentScope() {
  ThreadLoadingDocument = FPrevious;
}

void RegisterUnsupportedFeatureHandler() {
  FSDK_SetUnSpObjProcessHandler(&UnsupportedFeatureRecord);
}
