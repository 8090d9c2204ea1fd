// Engine bitmaps: the four ways to make one, filling, and who owns what.
#include "EngineTestSupport.h"

namespace {

class Bitmap : public TEngineTest {
protected:
  void SetUp() override { EnsureEngine(); }
};

TEST(BitmapWithoutEngine, EmptyWrapperNeedsNoEngine) {
  // No engine is loaded in this process: any engine call would raise.
  ASSERT_FALSE(EngineLoaded());
  {
    TPdfBitmap Empty(nullptr, true);
    EXPECT_EQ(Empty.Bitmap(), nullptr);
    EXPECT_EQ(Empty.Width(), 0);
    EXPECT_EQ(Empty.Height(), 0);
    EXPECT_EQ(Empty.BytesPerScanline(), 0);
    EXPECT_EQ(Empty.GetBuffer(), nullptr);
    Empty.FillRect(0, 0, 10, 10, 0xFF000000);
  }
  EXPECT_FALSE(EngineLoaded());
}

TEST_F(Bitmap, NewBitmapsReportTheirSize) {
  TPdfBitmap Alpha(30, 20, true);
  EXPECT_EQ(Alpha.Width(), 30);
  EXPECT_EQ(Alpha.Height(), 20);
  EXPECT_EQ(Alpha.BytesPerScanline(), 120);
  EXPECT_EQ(FPDFBitmap_GetFormat(Alpha.Bitmap()), FPDFBitmap_BGRA);
  TPdfBitmap NoAlpha(30, 20, false);
  EXPECT_EQ(FPDFBitmap_GetFormat(NoAlpha.Bitmap()), FPDFBitmap_BGRx);
  TPdfBitmap Rgb(30, 20, bfBGR);
  EXPECT_EQ(FPDFBitmap_GetFormat(Rgb.Bitmap()), FPDFBitmap_BGR);
  EXPECT_GE(Rgb.BytesPerScanline(), 90);
  EXPECT_NE(Rgb.GetBuffer(), nullptr);
}

TEST_F(Bitmap, BitmapTheEngineRefusesIsEmpty) {
  TPdfBitmap Refused(-4, 10, bfBGRA);
  EXPECT_EQ(Refused.Bitmap(), nullptr);
  EXPECT_EQ(Refused.Width(), 0);
  EXPECT_EQ(Refused.GetBuffer(), nullptr);
  Refused.FillRect(0, 0, 1, 1, 0);
}

TEST_F(Bitmap, FillRectColoursOnlyItsRectangle) {
  TPdfBitmap B(8, 6, bfBGRA);
  B.FillRect(0, 0, 8, 6, 0xFFFFFFFF);
  B.FillRect(2, 1, 3, 2, 0x80112233);
  TPdfSurface View(8, 6, B.GetBuffer(), B.BytesPerScanline());
  EXPECT_EQ(View.Pixel(2, 1), 0x80112233u);
  EXPECT_EQ(View.Pixel(4, 2), 0x80112233u);
  EXPECT_EQ(View.Pixel(5, 2), 0xFFFFFFFFu);
  EXPECT_EQ(View.Pixel(2, 3), 0xFFFFFFFFu);
}

TEST_F(Bitmap, CallerMemoryStaysTheCallersAfterDestruction) {
  std::vector<std::uint32_t> Memory(12 * 5, 0x01020304);
  {
    TPdfBitmap B(10, 5, bfBGRA, Memory.data(), 12 * 4);
    EXPECT_EQ(B.GetBuffer(), Memory.data());
    EXPECT_EQ(B.BytesPerScanline(), 48);
    B.FillRect(0, 0, 10, 5, 0xFFABCDEF);
  }
  EXPECT_EQ(Memory[0], 0xFFABCDEFu);
  EXPECT_EQ(Memory[4 * 12 + 9], 0xFFABCDEFu);
  EXPECT_EQ(Memory[4 * 12 + 10], 0x01020304u); // past the width: untouched
}

TEST_F(Bitmap, WrapperOwnsTheEngineBitmapOnlyWhenAsked) {
  FPDF_BITMAP Engine = FPDFBitmap_Create(7, 3, 1);
  {
    TPdfBitmap Borrowed(Engine, false);
    EXPECT_EQ(Borrowed.Width(), 7);
    EXPECT_EQ(Borrowed.Height(), 3);
    EXPECT_EQ(Borrowed.BytesPerScanline(), FPDFBitmap_GetStride(Engine));
    EXPECT_EQ(Borrowed.GetBuffer(), FPDFBitmap_GetBuffer(Engine));
  }
  EXPECT_EQ(FPDFBitmap_GetWidth(Engine), 7); // still alive
  TPdfBitmap Owner(Engine, true);            // destroys it at the end; the sanitizers check
}

} // namespace
