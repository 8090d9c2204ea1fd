// An engine bitmap, the surface page rendering draws on.
#pragma once

#include "engine/PdfEngineTypes.h"

#include <cstdint>

// The engine's bitmap format numbers.
enum TPdfBitmapFormat : int {
  bfUnknown = FPDFBitmap_Unknown,
  bfGray = FPDFBitmap_Gray,
  bfBGR = FPDFBitmap_BGR,
  bfBGRx = FPDFBitmap_BGRx,
  bfBGRA = FPDFBitmap_BGRA // 32 bits: blue, green, red, alpha
};

// Without an engine bitmap (the engine created none) the object draws nothing and answers zero.
class TPdfBitmap {
public:
  // Wraps an existing engine bitmap; AOwnsBitmap: destroy it with this object.
  TPdfBitmap(FPDF_BITMAP ABitmap, bool AOwnsBitmap);
  // A new engine bitmap with or without alpha channel, owned.
  TPdfBitmap(int AWidth, int AHeight, bool AAlpha);
  // A new engine bitmap of the format with memory of its own, owned.
  TPdfBitmap(int AWidth, int AHeight, TPdfBitmapFormat AFormat);
  // An engine bitmap over the caller's pixel memory. The engine bitmap is owned; the memory stays
  // the caller's and must outlive this object.
  TPdfBitmap(int AWidth, int AHeight, TPdfBitmapFormat AFormat, void* ABuffer,
             int ABytesPerScanline);
  ~TPdfBitmap();
  TPdfBitmap(const TPdfBitmap&) = delete;
  TPdfBitmap& operator=(const TPdfBitmap&) = delete;

  // AColor: alpha in the high byte, then red, green, blue.
  void FillRect(int ALeft, int ATop, int AWidth, int AHeight, std::uint32_t AColor);
  // The first pixel row, or null.
  void* GetBuffer() const;

  FPDF_BITMAP Bitmap() const { return FBitmap; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int BytesPerScanline() const { return FBytesPerScanLine; }

private:
  FPDF_BITMAP FBitmap = nullptr;
  bool FOwnsBitmap = false;
  int FWidth = 0;
  int FHeight = 0;
  int FBytesPerScanLine = 0;
};
