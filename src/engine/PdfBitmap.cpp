#include "engine/PdfBitmap.h"

#include "engine/PdfEngineApi.h"

TPdfBitmap::TPdfBitmap(FPDF_BITMAP ABitmap, bool AOwnsBitmap)
    : FBitmap(ABitmap), FOwnsBitmap(AOwnsBitmap) {
  if (FBitmap) {
    FWidth = FPDFBitmap_GetWidth(FBitmap);
    FHeight = FPDFBitmap_GetHeight(FBitmap);
    FBytesPerScanLine = FPDFBitmap_GetStride(FBitmap);
  }
}

TPdfBitmap::TPdfBitmap(int AWidth, int AHeight, bool AAlpha)
    : TPdfBitmap(FPDFBitmap_Create(AWidth, AHeight, AAlpha ? 1 : 0), true) {}

TPdfBitmap::TPdfBitmap(int AWidth, int AHeight, TPdfBitmapFormat AFormat)
    : TPdfBitmap(FPDFBitmap_CreateEx(AWidth, AHeight, AFormat, nullptr, 0), true) {}

TPdfBitmap::TPdfBitmap(int AWidth, int AHeight, TPdfBitmapFormat AFormat, void* ABuffer,
                       int ABytesPerScanline)
    : TPdfBitmap(FPDFBitmap_CreateEx(AWidth, AHeight, AFormat, ABuffer, ABytesPerScanline), true) {}

TPdfBitmap::~TPdfBitmap() {
  if (FOwnsBitmap && FBitmap)
    FPDFBitmap_Destroy(FBitmap);
}

void TPdfBitmap::FillRect(int ALeft, int ATop, int AWidth, int AHeight, std::uint32_t AColor) {
  if (FBitmap)
    FPDFBitmap_FillRect(FBitmap, ALeft, ATop, AWidth, AHeight, AColor);
}

void* TPdfBitmap::GetBuffer() const {
  return FBitmap ? FPDFBitmap_GetBuffer(FBitmap) : nullptr;
}
