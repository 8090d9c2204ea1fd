// Mapping between device pixels and page space, rotation and page edits.
#include "EngineTestSupport.h"

namespace {

class PageGeometry : public TEngineTest {
protected:
  void SetUp() override {
    Document.LoadFromFile(TestData("one-page.pdf"));
    Page = Document.Pages(0);
  }
  TPdfDocument Document;
  TPdfPage* Page = nullptr;
};

TEST_F(PageGeometry, PagePointsMapWhereTheyAreDrawn) {
  for (const TRotationCase& Case : RotationCases) {
    SCOPED_TRACE(Case.Rotation);
    EXPECT_EQ(Page->PageToDevice(0, 0, Case.Width, Case.Height, 50, 230, Case.Rotation),
              Case.Square);
    EXPECT_EQ(Page->PageToDevice(10, 20, Case.Width, Case.Height, 50, 230, Case.Rotation),
              (TPoint{Case.Square.X + 10, Case.Square.Y + 20}));
    const TPdfPoint P = Page->DeviceToPage(0, 0, Case.Width, Case.Height, Case.Square.X,
                                           Case.Square.Y, Case.Rotation);
    EXPECT_NEAR(P.X, 50, 1);
    EXPECT_NEAR(P.Y, 230, 1);
  }
}

TEST_F(PageGeometry, DevicePointsSurviveTheRoundTrip) {
  for (const TRotationCase& Case : RotationCases) {
    // Drawn twice the size, shifted.
    const int W = Case.Width * 2, H = Case.Height * 2;
    for (TPoint D : {TPoint{-30, 7}, TPoint{0, 0}, TPoint{123, 321}, TPoint{W + 15, H - 1}}) {
      const TPdfPoint P = Page->DeviceToPage(-30, 7, W, H, D.X, D.Y, Case.Rotation);
      EXPECT_EQ(Page->PageToDevice(-30, 7, W, H, P.X, P.Y, Case.Rotation), D)
          << "rotation " << Case.Rotation << ", page " << P.X << ", " << P.Y;
    }
  }
}

TEST_F(PageGeometry, RectanglesConvertCornerByCorner) {
  // The square in page space: left 20, top 260, right 80, bottom 200.
  const TPdfRect Square{20, 260, 80, 200};
  EXPECT_EQ(Page->PageToDevice(0, 0, 200, 300, Square, prNormal), (TRect{20, 40, 80, 100}));
  // Top and bottom come back ordered, also from a rectangle given upside down...
  const TPdfRect UpsideDown{20, 200, 80, 260};
  EXPECT_EQ(Page->PageToDevice(0, 0, 200, 300, UpsideDown, prNormal), (TRect{20, 40, 80, 100}));
  // ...but left and right stay as converted.
  EXPECT_EQ(Page->PageToDevice(0, 0, 200, 300, Square, pr180), (TRect{180, 200, 120, 260}));
  // From the device, corners are converted without reordering.
  const TPdfRect Back = Page->DeviceToPage(0, 0, 200, 300, TRect{20, 40, 80, 100}, prNormal);
  EXPECT_NEAR(Back.Left, 20, 0.5);
  EXPECT_NEAR(Back.Top, 260, 0.5);
  EXPECT_NEAR(Back.Right, 80, 0.5);
  EXPECT_NEAR(Back.Bottom, 200, 0.5);
}

TEST_F(PageGeometry, ConversionsReopenAClosedPage) {
  Page->Close();
  EXPECT_EQ(Page->PageToDevice(0, 0, 200, 300, 50, 230, prNormal), (TPoint{50, 70}));
  EXPECT_TRUE(Page->IsLoaded());
}

TEST_F(PageGeometry, SetRotationReadsTheEngineBackButKeepsTheSize) {
  Page->Close();
  Page->SetRotation(pr90Clockwise);
  EXPECT_TRUE(Page->IsLoaded());
  EXPECT_EQ(Page->Rotation(), pr90Clockwise);
  EXPECT_EQ(FPDFPage_GetRotation(Page->Handle()), 1);
  EXPECT_FLOAT_EQ(Page->Width(), 200);
  EXPECT_FLOAT_EQ(Page->Height(), 300);
  Page->SetRotation(pr90CounterClockwide);
  EXPECT_EQ(Page->Rotation(), pr90CounterClockwide);
}

TEST_F(PageGeometry, EditsOnAClosedPageDoNothing) {
  Page->Close();
  Page->ApplyChanges();
  Page->Flatten(true);
  EXPECT_FALSE(Page->IsLoaded());
}

TEST_F(PageGeometry, FlattenMakesFieldsContentAfterReopening) {
  Document.LoadFromFile(TestData("form.pdf"));
  TPdfPage* Form = Document.Pages(0);
  Form->Flatten(false);
  Form->Close();
  EXPECT_EQ(FPDFPage_GetAnnotCount(Form->Handle()), 0);
}

TEST_F(PageGeometry, ApplyChangesWritesEditedObjectsIntoTheContent) {
  // Remove the square from the page's objects: only generating the content makes it last.
  ASSERT_EQ(FPDFPage_CountObjects(Page->Handle()), 1);
  FPDF_PAGEOBJECT Square = FPDFPage_GetObject(Page->Handle(), 0);
  ASSERT_TRUE(FPDFPage_RemoveObject(Page->Handle(), Square));
  FPDFPageObj_Destroy(Square);
  Page->ApplyChanges();
  Page->Close();
  EXPECT_EQ(FPDFPage_CountObjects(Page->Handle()), 0);
}

} // namespace
