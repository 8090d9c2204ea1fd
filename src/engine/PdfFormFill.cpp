#include "engine/PdfFormFill.h"

#include "engine/PdfDocument.h"
#include "engine/PdfFormTimers.h"
#include "engine/PdfPage.h"
#include "platform/LocalTime.h"

#include <cstring>
#include <type_traits>
#include <utility>

static_assert(std::is_standard_layout_v<TPdfFormFillHandler>,
              "the engine's record must be the first member of the handler");

namespace {

// Callbacks run inside engine calls: nothing may leave them as an exception. An exception of an
// event handler ends that handler only.
template <typename TAction> void Shielded(TAction&& Action) noexcept {
  try {
    Action();
  } catch (...) {
  }
}

// Raises a copy of the event, so that a handler may replace the event while it runs.
template <typename TEvent, typename... TArgs> void Raise(const TEvent& Event, TArgs&&... Args) {
  Shielded([&] {
    const TEvent Handler = Event;
    Handler(std::forward<TArgs>(Args)...);
  });
}

TPdfDocument* DocumentOf(FPDF_FORMFILLINFO* Info) {
  return reinterpret_cast<TPdfFormFillHandler*>(Info)->Document;
}

// The document of the record when DocumentHandle is its engine document.
TPdfDocument* MatchingDocument(FPDF_FORMFILLINFO* Info, FPDF_DOCUMENT DocumentHandle) {
  TPdfDocument* Document = DocumentOf(Info);
  return Document && Document->Active() && Document->Handle() == DocumentHandle ? Document
                                                                                : nullptr;
}

// Raises one of the document's page-rectangle events for the page object holding PageHandle;
// nothing when no page object holds it.
void RaisePageRectEvent(FPDF_FORMFILLINFO* Info,
                        const TPdfFormInvalidateEvent& (TPdfDocument::*Event)() const,
                        FPDF_PAGE PageHandle, const TPdfRect& PageRect) {
  TPdfDocument* Document = DocumentOf(Info);
  if (!Document || !(Document->*Event)())
    return;
  if (TPdfPage* Page = Document->PageByHandle(PageHandle))
    Raise((Document->*Event)(), Document, Page, PageRect);
}

void Invalidate(FPDF_FORMFILLINFO* Info, FPDF_PAGE PageHandle, double Left, double Top,
                double Right, double Bottom) {
  RaisePageRectEvent(Info, &TPdfDocument::OnFormInvalidate, PageHandle, {Left, Top, Right, Bottom});
}

void OutputSelectedRect(FPDF_FORMFILLINFO* Info, FPDF_PAGE PageHandle, double Left, double Top,
                        double Right, double Bottom) {
  RaisePageRectEvent(Info, &TPdfDocument::OnFormOutputSelectedRect, PageHandle,
                     {Left, Top, Right, Bottom});
}

void SetCursor(FPDF_FORMFILLINFO*, int) {}

int SetTimer(FPDF_FORMFILLINFO*, int Elapse, TimerCallback Callback) {
  int Id = 0;
  Shielded([&] { Id = SetFormTimer(Elapse, Callback); });
  return Id;
}

void KillTimer(FPDF_FORMFILLINFO*, int Id) {
  Shielded([&] { KillFormTimer(Id); });
}

FPDF_SYSTEMTIME GetLocalTime(FPDF_FORMFILLINFO*) {
  const platform::TLocalTime Now = platform::LocalTime();
  return {Now.Year, Now.Month,  Now.DayOfWeek, Now.Day,
          Now.Hour, Now.Minute, Now.Second,    Now.Milliseconds};
}

void OnChange(FPDF_FORMFILLINFO* Info) {
  if (TPdfDocument* Document = DocumentOf(Info))
    Document->SetFormModified(true);
}

FPDF_PAGE GetPage(FPDF_FORMFILLINFO* Info, FPDF_DOCUMENT DocumentHandle, int PageIndex) {
  TPdfDocument* Document = MatchingDocument(Info, DocumentHandle);
  if (!Document || PageIndex < 0 || PageIndex >= Document->PageCount())
    return nullptr;
  FPDF_PAGE Result = nullptr;
  Shielded([&] { Result = Document->Pages(PageIndex)->LoadedHandle(); });
  return Result;
}

FPDF_PAGE GetCurrentPage(FPDF_FORMFILLINFO* Info, FPDF_DOCUMENT DocumentHandle) {
  TPdfDocument* Document = MatchingDocument(Info, DocumentHandle);
  if (!Document || !Document->OnFormGetCurrentPage())
    return nullptr;
  TPdfPage* CurrentPage = nullptr;
  Raise(Document->OnFormGetCurrentPage(), Document, CurrentPage);
  // A page of another document means nothing to this document's form layer.
  if (!CurrentPage || CurrentPage->Document() != Document)
    return nullptr;
  return CurrentPage->LoadedHandle();
}

int GetRotation(FPDF_FORMFILLINFO*, FPDF_PAGE) {
  return 0;
}

void SetTextFieldFocus(FPDF_FORMFILLINFO* Info, FPDF_WIDESTRING Value, FPDF_DWORD ValueLen,
                       FPDF_BOOL IsFocus) {
  TPdfDocument* Document = DocumentOf(Info);
  if (!Document || !Document->OnFormFieldFocus())
    return;
  Raise(Document->OnFormFieldFocus(), Document, Value, static_cast<int>(ValueLen), IsFocus != 0);
}

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
