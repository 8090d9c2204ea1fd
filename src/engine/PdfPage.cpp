#include "engine/PdfPage.h"

#include "engine/PdfBitmap.h"
#include "engine/PdfDocument.h"
#include "engine/PdfException.h"
#include "engine/PdfProgressiveRender.h"
#include "engine/PdfSurface.h"
#include "engine/PdfUnsupportedFeature.h"

#include <utility>

namespace {

// The engine's page actions.
constexpr int PageOpened = 0;
constexpr int PageWillClose = 1;

// Fill colours: alpha, red, green, blue from the high byte down.
constexpr std::uint32_t OpaqueWhite = 0xFFFFFFFF;
constexpr std::uint32_t TransparentWhite = 0x00FFFFFF;

// The engine's flatten modes.
constexpr int FlattenNormalDisplay = 0;
constexpr int FlattenPrint = 1;

} // namespace

TPdfPage::TPdfPage(TPdfDocument* ADocument, TPageHandle APage)
    : FDocument(ADocument), FPage(std::move(APage)) {
  NotifyPageOpened();
}

TPdfPage::~TPdfPage() {
  Close();
  if (FDocument)
    FDocument->ForgetPage(this);
}

FPDF_FORMHANDLE TPdfPage::Form() const {
  return FDocument ? FDocument->FormHandle() : nullptr;
}

bool TPdfPage::HasFormEnvironment() const {
  return FPage && Form();
}

void TPdfPage::NotifyPageOpened() {
  if (HasFormEnvironment()) {
    TLoadingDocumentScope Loading(FDocument);
    FORM_OnAfterLoadPage(FPage.get(), Form());
    FORM_DoPageAAction(FPage.get(), Form(), PageOpened);
  }
  ReadPageMetrics();
}

void TPdfPage::ReadPageMetrics() {
  FWidth = FPDF_GetPageWidthF(FPage.get());
  FHeight = FPDF_GetPageHeightF(FPage.get());
  FTransparency = FPDFPage_HasTransparency(FPage.get()) != 0;
  FRotation = static_cast<TPdfPageRotation>(FPDFPage_GetRotation(FPage.get()) & 3);
}

void TPdfPage::Close() {
  AbandonProgressiveRender();
  ReleaseHandles();
}

void TPdfPage::ReleaseHandles() {
  if (HasFormEnvironment()) {
    FORM_DoPageAAction(FPage.get(), Form(), PageWillClose);
    FORM_OnBeforeClosePage(FPage.get(), Form());
  }
  FLinkHandle.reset();
  FSearchHandle.reset();
  FTextHandle.reset();
  FPage.reset();
}

void TPdfPage::ReopenIfClosed() {
  if (FPage)
    return;
  if (!FDocument)
    throw EPdfException(DocumentNotOpenMessage);
  FPage.reset(FDocument->ReopenPageHandle(this));
  NotifyPageOpened();
}

FPDF_PAGE TPdfPage::Handle() {
  ReopenIfClosed();
  return FPage.get();
}

void TPdfPage::Draw(TPdfSurface& Target, int X, int Y, int Width, int Height,
                    TPdfPageRotation Rotate, TPdfPageRenderOptions Options) {
  DrawInto(Target, X, Y, Width, Height, Rotate, Options, true);
}

void TPdfPage::DrawOnPaper(TPdfSurface& Target, int X, int Y, int Width, int Height,
                           TPdfPageRotation Rotate, TPdfPageRenderOptions Options) {
  DrawInto(Target, X, Y, Width, Height, Rotate, Options, false);
}

void TPdfPage::PrepareToDraw(TPdfPageRenderOptions Options) {
  ReopenIfClosed();
  if (Options.Contains(proPrinting)) {
    if (HasFormEnvironment() && FPDFPage_GetAnnotCount(FPage.get()) > 0) {
      ApplyChanges();
      Flatten(true);
      ReleaseHandles();
      ReopenIfClosed();
    }
  }
}

void TPdfPage::AttachProgressiveRender(TPdfProgressiveRender* Render) {
  if (FProgressiveRender != Render)
    AbandonProgressiveRender();
  FProgressiveRender = Render;
}

void TPdfPage::DetachProgressiveRender(TPdfProgressiveRender* Render) {
  if (FProgressiveRender == Render)
    FProgressiveRender = nullptr;
}

void TPdfPage::AbandonProgressiveRender() {
  if (TPdfProgressiveRender* Render = std::exchange(FProgressiveRender, nullptr))
    Render->Abandon();
}

void TPdfPage::DrawInto(TPdfSurface& Target, int X, int Y, int Width, int Height,
                        TPdfPageRotation Rotate, TPdfPageRenderOptions Options, bool FillPaper) {
  // The engine keeps one render per page: a render in steps cannot go on after this one.
  AbandonProgressiveRender();
  PrepareToDraw(Options);
  if (Width <= 0 || Height <= 0 || Target.Width() <= 0 || Target.Height() <= 0)
    return;
  // The engine draws straight into the target's pixels and clips to the target itself, so a page
  // reaching over the target's edges costs only its visible part.
  TPdfBitmap Bitmap(Target.Width(), Target.Height(), bfBGRA, Target.Pixels(), Target.Stride());
  if (!Bitmap.Bitmap())
    return;
  if (Options.Contains(proPrinting)) {
    DrawToPdfBitmap(Bitmap, X, Y, Width, Height, Rotate, Options);
    return;
  }
  if (FillPaper)
    Bitmap.FillRect(X, Y, Width, Height, FTransparency ? TransparentWhite : OpaqueWhite);
  DrawToPdfBitmap(Bitmap, X, Y, Width, Height, Rotate, Options);
  DrawFormToPdfBitmap(Bitmap, X, Y, Width, Height, Rotate, Options);
}

void TPdfPage::DrawToPdfBitmap(TPdfBitmap& APdfBitmap, int X, int Y, int Width, int Height,
                               TPdfPageRotation Rotate, TPdfPageRenderOptions Options) {
  ReopenIfClosed();
  FPDF_RenderPageBitmap(APdfBitmap.Bitmap(), FPage.get(), X, Y, Width, Height, Rotate,
                        EngineRenderFlags(Options));
}

void TPdfPage::DrawFormToPdfBitmap(TPdfBitmap& APdfBitmap, int X, int Y, int Width, int Height,
                                   TPdfPageRotation Rotate, TPdfPageRenderOptions Options) {
  ReopenIfClosed();
  if (!HasFormEnvironment())
    return;
  const bool HideHighlight =
      Options.Contains(proPrinting) && FDocument->PrintHidesFormFieldHighlight();
  if (Options.Contains(proPrinting)) {
    if (HideHighlight)
      FPDF_RemoveFormFieldHighlight(Form());
    FormEventKillFocus();
  }
  struct TRestoreHighlight {
    TPdfDocument* Document;
    bool Active;
    ~TRestoreHighlight() {
      if (Active)
        Document->ApplyFormHighlight();
    }
  } Restore{FDocument, HideHighlight};
  FPDF_FFLDraw(Form(), APdfBitmap.Bitmap(), FPage.get(), X, Y, Width, Height, Rotate,
               EngineRenderFlags(Options));
}

TPdfPoint TPdfPage::DeviceToPage(int X, int Y, int Width, int Height, int DeviceX, int DeviceY,
                                 TPdfPageRotation Rotate) {
  ReopenIfClosed();
  TPdfPoint Result;
  FPDF_DeviceToPage(FPage.get(), X, Y, Width, Height, Rotate, DeviceX, DeviceY, &Result.X,
                    &Result.Y);
  return Result;
}

TPoint TPdfPage::PageToDevice(int X, int Y, int Width, int Height, double PageX, double PageY,
                              TPdfPageRotation Rotate) {
  ReopenIfClosed();
  int DeviceX = 0;
  int DeviceY = 0;
  FPDF_PageToDevice(FPage.get(), X, Y, Width, Height, Rotate, PageX, PageY, &DeviceX, &DeviceY);
  return {DeviceX, DeviceY};
}

TPdfRect TPdfPage::DeviceToPage(int X, int Y, int Width, int Height, const TRect& R,
                                TPdfPageRotation Rotate) {
  TPdfRect Result;
  Result.SetTopLeft(DeviceToPage(X, Y, Width, Height, R.Left, R.Top, Rotate));
  Result.SetBottomRight(DeviceToPage(X, Y, Width, Height, R.Right, R.Bottom, Rotate));
  return Result;
}

TRect TPdfPage::PageToDevice(int X, int Y, int Width, int Height, const TPdfRect& R,
                             TPdfPageRotation Rotate) {
  const TPoint TopLeft = PageToDevice(X, Y, Width, Height, R.Left, R.Top, Rotate);
  const TPoint BottomRight = PageToDevice(X, Y, Width, Height, R.Right, R.Bottom, Rotate);
  TRect Result{TopLeft.X, TopLeft.Y, BottomRight.X, BottomRight.Y};
  if (Result.Bottom < Result.Top)
    std::swap(Result.Top, Result.Bottom);
  return Result;
}

void TPdfPage::SetRotation(TPdfPageRotation Value) {
  ReopenIfClosed();
  FPDFPage_SetRotation(FPage.get(), Value);
  FRotation = static_cast<TPdfPageRotation>(FPDFPage_GetRotation(FPage.get()) & 3);
}

void TPdfPage::ApplyChanges() {
  if (FPage)
    FPDFPage_GenerateContent(FPage.get());
}

void TPdfPage::Flatten(bool AFlatPrint) {
  if (FPage)
    FPDFPage_Flatten(FPage.get(), AFlatPrint ? FlattenPrint : FlattenNormalDisplay);
}
