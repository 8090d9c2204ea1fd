#include "engine/PdfGeometry.h"

#include "engine/PdfEngineTypes.h"

int EngineRenderFlags(TPdfPageRenderOptions Options) {
  struct TFlag {
    TPdfPageRenderOptionType Option;
    int Flag;
  };
  static constexpr TFlag Flags[] = {
      {proAnnotations, FPDF_ANNOT},
      {proLCDOptimized, FPDF_LCD_TEXT},
      {proNoNativeText, FPDF_NO_NATIVETEXT},
      {proNoCatch, FPDF_NO_CATCH},
      {proLimitedImageCacheSize, FPDF_RENDER_LIMITEDIMAGECACHE},
      {proForceHalftone, FPDF_RENDER_FORCEHALFTONE},
      {proPrinting, FPDF_PRINTING},
      {proReverseByteOrder, FPDF_REVERSE_BYTE_ORDER},
  };
  int Result = 0;
  for (const TFlag& F : Flags)
    if (Options.Contains(F.Option))
      Result |= F.Flag;
  return Result;
}
