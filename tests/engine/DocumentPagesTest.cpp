// Page slots: lazy page objects, closing and reopening their engine pages.
#include "EngineTestSupport.h"

namespace {

class DocumentPages : public TEngineTest {};

TEST_F(DocumentPages, PageObjectsAreCreatedOnFirstRequestAndKept) {
  TPdfDocument Document;
  Document.LoadFromFile(TestData("three-pages.pdf"));
  ASSERT_EQ(Document.PageCount(), 3);
  for (int I = 0; I < 3; ++I)
    EXPECT_FALSE(Document.IsPageLoaded(I)) << I;
  TPdfPage* Second = Document.Pages(1);
  EXPECT_TRUE(Document.IsPageLoaded(1));
  EXPECT_FALSE(Document.IsPageLoaded(0));
  EXPECT_FALSE(Document.IsPageLoaded(2));
  EXPECT_EQ(Document.Pages(1), Second);
  EXPECT_EQ(Second->Document(), &Document);
  EXPECT_EQ(Document.PageByHandle(Second->LoadedHandle()), Second);
  EXPECT_EQ(Document.PageByHandle(nullptr), nullptr);
}

TEST_F(DocumentPages, PageMetricsFollowTheEngine) {
  struct TCase {
    int Index;
    float Width, Height;
    TPdfPageRotation Rotation;
  };
  // The third page is 200 x 300 with /Rotate 90: the engine reports it turned.
  const TCase Cases[] = {
      {0, 200, 300, prNormal}, {1, 300, 200, prNormal}, {2, 300, 200, pr90Clockwise}};
  TPdfDocument Document;
  Document.LoadFromFile(TestData("three-pages.pdf"));
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Index);
    TPdfPage* Page = Document.Pages(Case.Index);
    EXPECT_FLOAT_EQ(Page->Width(), Case.Width);
    EXPECT_FLOAT_EQ(Page->Height(), Case.Height);
    EXPECT_EQ(Page->Rotation(), Case.Rotation);
    EXPECT_FALSE(Page->Transparency());
  }
  Document.LoadFromFile(TestData("transparency.pdf"));
  EXPECT_TRUE(Document.Pages(0)->Transparency());
}

TEST_F(DocumentPages, PageSizesNeedNoPageObject) {
  TPdfDocument Document;
  Document.LoadFromFile(TestData("three-pages.pdf"));
  EXPECT_EQ(Document.PageSizes(0), (TPdfPoint{200, 300}));
  EXPECT_EQ(Document.PageSizes(1), (TPdfPoint{300, 200}));
  EXPECT_EQ(Document.PageSizes(2), (TPdfPoint{300, 200}));
  EXPECT_EQ(Document.PageSizes(7), (TPdfPoint{0, 0}));
  for (int I = 0; I < 3; ++I)
    EXPECT_FALSE(Document.IsPageLoaded(I));
  Document.Close();
  EXPECT_THROW(Document.PageSizes(0), EPdfException);
}

TEST_F(DocumentPages, IndexOutsideTheSlotsIsAnError) {
  TPdfDocument Document;
  EXPECT_THROW(Document.Pages(0), std::out_of_range);
  Document.LoadFromFile(TestData("one-page.pdf"));
  EXPECT_THROW(Document.Pages(1), std::out_of_range);
  EXPECT_THROW(Document.Pages(-1), std::out_of_range);
  EXPECT_FALSE(Document.IsPageLoaded(1));
  EXPECT_FALSE(Document.IsPageLoaded(-1));
}

TEST_F(DocumentPages, PageTheEngineCannotLoadRaisesThePageError) {
  TPdfDocument Document;
  Document.LoadFromFile(TestData("missing-page.pdf"));
  ASSERT_EQ(Document.PageCount(), 2);
  EXPECT_NO_THROW(Document.Pages(0));
  try {
    Document.Pages(1);
    ADD_FAILURE() << "no error";
  } catch (const EPdfException& E) {
    EXPECT_STREQ(E.what(), "Page does not exist or data error");
  }
  EXPECT_FALSE(Document.IsPageLoaded(1));
}

TEST_F(DocumentPages, ClosedPageKeepsItsPlaceAndMetricsAndReopensWhenUsed) {
  TPdfDocument Document;
  Document.LoadFromFile(TestData("one-page.pdf"));
  TPdfPage* Page = Document.Pages(0);
  // Turn the engine page behind the object's back: the object learns of it only when the page
  // is opened again.
  FPDFPage_SetRotation(Page->Handle(), 1);
  EXPECT_EQ(Page->Rotation(), prNormal);
  Page->Close();
  Page->Close();
  EXPECT_FALSE(Page->IsLoaded());
  EXPECT_FALSE(Document.IsPageLoaded(0));
  EXPECT_EQ(Page->LoadedHandle(), nullptr);
  EXPECT_FLOAT_EQ(Page->Width(), 200);
  EXPECT_EQ(Document.Pages(0), Page);

  TPdfSurface Surface(300, 200);
  Page->Draw(Surface, 0, 0, 300, 200, prNormal, {});
  EXPECT_TRUE(Page->IsLoaded());
  EXPECT_TRUE(Document.IsPageLoaded(0));
  EXPECT_EQ(Page->Rotation(), pr90Clockwise);
  EXPECT_FLOAT_EQ(Page->Width(), 300);
  EXPECT_FLOAT_EQ(Page->Height(), 200);
}

TEST_F(DocumentPages, EveryOpeningOfAPageRunsTheFormLayersPageOpenSteps) {
  // The engine's form layer reports the page's movie annotation when it is told the page opened.
  std::vector<std::string> Reports;
  SetUnsupportedFeatureHook([&](int Code, const std::string& Name) {
    Reports.push_back(std::to_string(Code) + " " + Name);
  });
  TPdfDocument Document;
  Document.LoadFromFile(TestData("movie.pdf"));
  ASSERT_NE(Document.FormHandle(), nullptr);
  EXPECT_TRUE(Reports.empty());
  TPdfPage* Page = Document.Pages(0);
  EXPECT_EQ(Reports, std::vector<std::string>{"12 Movie"});
  EXPECT_TRUE(Document.UnsupportedFeatures());
  Page->Close();
  Page->Handle();
  EXPECT_EQ(Reports, (std::vector<std::string>{"12 Movie", "12 Movie"}));
  SetUnsupportedFeatureHook(nullptr);
}

TEST_F(DocumentPages, CloseFreesThePagesAndReloadingStartsEmpty) {
  TPdfDocument Document;
  Document.LoadFromFile(TestData("three-pages.pdf"));
  Document.Pages(0);
  Document.Pages(2);
  Document.LoadFromFile(TestData("one-page.pdf"));
  EXPECT_EQ(Document.PageCount(), 1);
  EXPECT_FALSE(Document.IsPageLoaded(0));
  Document.Close();
  EXPECT_EQ(Document.PageCount(), 0);
}

} // namespace
