// Drawing pages: named pixels of the test pages in every rotation, fills, form fields, printing.
#include "EngineTestSupport.h"

namespace {

constexpr std::uint32_t Green = 0xFF00FF00;

class PageRender : public TEngineTest {
protected:
  TPdfPage* Open(const char* File) {
    Document.LoadFromFile(TestData(File));
    return Document.Pages(0);
  }
  TPdfDocument Document;
};

TEST_F(PageRender, SquareAndMarginInEveryRotation) {
  TPdfPage* Page = Open("one-page.pdf");
  for (const TRotationCase& Case : RotationCases) {
    SCOPED_TRACE(Case.Rotation);
    TPdfSurface Surface(Case.Width, Case.Height);
    Surface.Fill(Green);
    Page->Draw(Surface, 0, 0, Case.Width, Case.Height, Case.Rotation, {});
    const std::uint32_t Square = Surface.Pixel(Case.Square.X, Case.Square.Y);
    EXPECT_TRUE(IsBlack(Square)) << TRgba(Square);
    // Where the square lies in the other rotations is white margin in this one.
    for (const TRotationCase& Other : RotationCases) {
      if (&Other == &Case || Other.Square.X >= Case.Width || Other.Square.Y >= Case.Height)
        continue;
      const std::uint32_t P = Surface.Pixel(Other.Square.X, Other.Square.Y);
      EXPECT_TRUE(IsWhite(P)) << "at " << Other.Square.X << ", " << Other.Square.Y << ": "
                              << TRgba(P);
    }
    EXPECT_EQ(Surface.Pixel(1, 1), 0xFFFFFFFFu);
    EXPECT_EQ(Surface.Pixel(Case.Width - 1, Case.Height - 1), 0xFFFFFFFFu);
  }
}

TEST_F(PageRender, PageWithRotateEntryIsDrawnTurned) {
  Document.LoadFromFile(TestData("three-pages.pdf"));
  TPdfPage* Page = Document.Pages(2); // the test page with /Rotate 90
  TPdfSurface Surface(300, 200);
  Page->Draw(Surface, 0, 0, 300, 200, prNormal, {});
  EXPECT_TRUE(IsBlack(Surface.Pixel(230, 50))) << TRgba(Surface.Pixel(230, 50));
  EXPECT_TRUE(IsWhite(Surface.Pixel(70, 150)));
}

TEST_F(PageRender, DrawsOnlyInsideItsRectangle) {
  TPdfPage* Page = Open("one-page.pdf");
  TPdfSurface Surface(400, 400);
  Surface.Fill(Green);
  Page->Draw(Surface, 50, 30, 200, 300, prNormal, {});
  EXPECT_TRUE(IsBlack(Surface.Pixel(100, 100)));
  EXPECT_EQ(Surface.Pixel(51, 31), 0xFFFFFFFFu);
  EXPECT_EQ(Surface.Pixel(249, 329), 0xFFFFFFFFu);
  for (TPoint Outside : {TPoint{49, 100}, TPoint{250, 100}, TPoint{100, 29}, TPoint{100, 330}})
    EXPECT_EQ(Surface.Pixel(Outside.X, Outside.Y), Green) << Outside.X << ", " << Outside.Y;
}

TEST_F(PageRender, PageReachingOverTheEdgesShowsItsVisiblePart) {
  TPdfPage* Page = Open("one-page.pdf");
  // Twice the size, so the square is 100..160 x 80..200 of the whole picture.
  TPdfSurface Whole(400, 600);
  Page->Draw(Whole, 0, 0, 400, 600, prNormal, {});
  TPdfSurface Part(150, 120);
  Part.Fill(Green);
  Page->Draw(Part, -90, -70, 400, 600, prNormal, {});
  int Differences = 0;
  for (int Y = 0; Y < Part.Height(); ++Y)
    for (int X = 0; X < Part.Width(); ++X)
      Differences += Part.Pixel(X, Y) != Whole.Pixel(X + 90, Y + 70);
  EXPECT_EQ(Differences, 0);
  EXPECT_TRUE(IsBlack(Part.Pixel(40, 50)));
}

TEST_F(PageRender, TransparentPageIsFilledWithTransparentWhite) {
  TPdfPage* Page = Open("transparency.pdf");
  ASSERT_TRUE(Page->Transparency());
  TPdfSurface Surface(200, 300);
  Surface.Fill(Green);
  Page->Draw(Surface, 0, 0, 200, 300, prNormal, {});
  EXPECT_EQ(Surface.Pixel(150, 250), 0x00FFFFFFu);
  // The square is black at half opacity over nothing.
  const TRgba Square(Surface.Pixel(50, 70));
  EXPECT_NEAR(Square.A, 128, 2) << Square;
  EXPECT_LT(Square.R + Square.G + Square.B, 30) << Square;
}

TEST_F(PageRender, DrawnOnPaperThePaperShowsWhereThePageDrawsNothing) {
  TPdfPage* Page = Open("one-page.pdf");
  TPdfSurface Surface(200, 300);
  Surface.Fill(Green);
  Page->DrawOnPaper(Surface, 0, 0, 200, 300, prNormal, {});
  EXPECT_EQ(Surface.Pixel(150, 250), Green);
  EXPECT_TRUE(IsBlack(Surface.Pixel(50, 70)));
  // A transparent page blends with the paper: half-opaque black over green.
  Page = Open("transparency.pdf");
  Surface.Fill(Green);
  Page->DrawOnPaper(Surface, 0, 0, 200, 300, prNormal, {});
  EXPECT_EQ(Surface.Pixel(150, 250), Green);
  const TRgba Square(Surface.Pixel(50, 70));
  EXPECT_NEAR(Square.G, 0x7F, 3) << Square;
  EXPECT_LT(Square.R + Square.B, 10) << Square;
}

TEST_F(PageRender, NothingIsDrawnWithoutArea) {
  TPdfPage* Page = Open("one-page.pdf");
  TPdfSurface Surface(50, 50);
  Surface.Fill(Green);
  Page->Draw(Surface, 0, 0, 0, 300, prNormal, {});
  Page->Draw(Surface, 0, 0, 200, -5, prNormal, {});
  TPdfSurface Empty(0, 0);
  Page->Draw(Empty, 0, 0, 200, 300, prNormal, {});
  for (int Y = 0; Y < 50; ++Y)
    for (int X = 0; X < 50; ++X)
      ASSERT_EQ(Surface.Pixel(X, Y), Green) << X << ", " << Y;
}

TEST_F(PageRender, DrawsIntoCallerMemoryWithItsStride) {
  TPdfPage* Page = Open("one-page.pdf");
  const int Stride = 210 * 4;
  std::vector<std::uint32_t> Memory(210 * 300, Green);
  TPdfSurface Surface(200, 300, Memory.data(), Stride);
  Page->Draw(Surface, 0, 0, 200, 300, prNormal, {});
  EXPECT_TRUE(IsBlack(Memory[70 * 210 + 50]));
  EXPECT_EQ(Memory[10 * 210 + 150], 0xFFFFFFFFu);
  // The columns past the surface's width stay as they were.
  for (int Y = 0; Y < 300; ++Y)
    ASSERT_EQ(Memory[Y * 210 + 205], Green) << Y;
}

// Dark pixels of the field's text "Hello", left in the field 20..180 x 120..150.
int TextPixels(const TPdfSurface& S) {
  int Count = 0;
  for (int Y = 122; Y < 148; ++Y)
    for (int X = 21; X < 70; ++X)
      Count += TRgba(S.Pixel(X, Y)).G < 200;
  return Count;
}

TEST_F(PageRender, FormFieldsAreDrawnOverThePageWithTheirHighlight) {
  TPdfPage* Page = Open("form.pdf");
  TPdfSurface Surface(200, 300);
  Page->Draw(Surface, 0, 0, 200, 300, prNormal, {});
  // The highlight colour 0xFFE4DD (red in the low byte) at alpha 100 over white.
  const TRgba Field(Surface.Pixel(170, 135));
  EXPECT_NEAR(Field.R, 255 - (255 - 0xDD) * 100 / 255, 3) << Field;
  EXPECT_NEAR(Field.G, 255 - (255 - 0xE4) * 100 / 255, 3) << Field;
  EXPECT_GE(Field.B, 250) << Field;
  EXPECT_GT(TextPixels(Surface), 10);
  EXPECT_TRUE(IsBlack(Surface.Pixel(50, 70)));

  // The page content alone holds neither.
  TPdfSurface Content(200, 300);
  TPdfBitmap Bitmap(200, 300, bfBGRA, Content.Pixels(), Content.Stride());
  Bitmap.FillRect(0, 0, 200, 300, 0xFFFFFFFF);
  Page->DrawToPdfBitmap(Bitmap, 0, 0, 200, 300, prNormal, {});
  EXPECT_EQ(Content.Pixel(170, 135), 0xFFFFFFFFu);
  EXPECT_EQ(TextPixels(Content), 0);
  Page->DrawFormToPdfBitmap(Bitmap, 0, 0, 200, 300, prNormal, {});
  EXPECT_GT(TextPixels(Content), 10);
}

TEST_F(PageRender, PrintingFlattensFormFieldsOnceAndDrawsWithoutFill) {
  TPdfPage* Page = Open("form.pdf");
  EXPECT_EQ(FPDFPage_GetAnnotCount(Page->Handle()), 1);
  TPdfSurface Surface(200, 300);
  Surface.Fill(Green);
  Page->Draw(Surface, 0, 0, 200, 300, prNormal, {proPrinting});
  // The field is page content now, on a reopened engine page.
  FPDF_PAGE Flattened = Page->LoadedHandle();
  EXPECT_EQ(FPDFPage_GetAnnotCount(Flattened), 0);
  EXPECT_GT(TextPixels(Surface), 10);
  EXPECT_TRUE(IsBlack(Surface.Pixel(50, 70)));
  EXPECT_EQ(Surface.Pixel(150, 250), Green);
  // No field highlight became content, and nothing filled the field's empty part.
  EXPECT_EQ(Surface.Pixel(170, 135), Green);

  Page->Draw(Surface, 0, 0, 200, 300, prNormal, {proPrinting});
  EXPECT_EQ(Page->LoadedHandle(), Flattened);
  // The screen path finds the field as content too.
  TPdfSurface Screen(200, 300);
  Page->Draw(Screen, 0, 0, 200, 300, prNormal, {});
  EXPECT_GT(TextPixels(Screen), 10);
}

} // namespace
