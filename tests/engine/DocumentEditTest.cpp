// New documents and pages, deleting pages, importing pages from another document.
#include "EngineTestSupport.h"

#include <functional>

namespace {

class DocumentEdit : public TEngineTest {};

// Page sizes of all pages, by index, as the engine reports them.
std::vector<TPdfPoint> Sizes(const TPdfDocument& Document) {
  std::vector<TPdfPoint> Result;
  for (int I = 0; I < Document.PageCount(); ++I)
    Result.push_back(Document.PageSizes(I));
  return Result;
}

TEST_F(DocumentEdit, NewDocumentWithPagesSavedAndOpenedAgain) {
  TPdfDocument Document;
  Document.LoadFromFile(TestData("form.pdf"));
  Document.SetFormModified(true);
  ASSERT_TRUE(Document.NewDocument());
  EXPECT_TRUE(Document.Active());
  EXPECT_EQ(Document.PageCount(), 0);
  EXPECT_EQ(Document.FormHandle(), nullptr);
  EXPECT_FALSE(Document.FormModified());
  EXPECT_TRUE(Document.FileName().empty());

  TPdfPage* A4 = Document.NewPage(-1);
  ASSERT_NE(A4, nullptr);
  EXPECT_FLOAT_EQ(A4->Width(), 595);
  EXPECT_FLOAT_EQ(A4->Height(), 842);
  TPdfPage* Wide = Document.NewPage(400, 100, -1);
  TPdfPage* First = Document.NewPage(100, 200, 0);
  ASSERT_EQ(Document.PageCount(), 3);
  EXPECT_EQ(Document.Pages(0), First);
  EXPECT_EQ(Document.Pages(1), A4);
  EXPECT_EQ(Document.Pages(2), Wide);
  const std::vector<TPdfPoint> Expected{{100, 200}, {595, 842}, {400, 100}};
  EXPECT_EQ(Sizes(Document), Expected);

  const std::unique_ptr<TPdfDocument> Again = SavedAndOpenedAgain(Document);
  EXPECT_EQ(Again->PageCount(), 3);
  EXPECT_EQ(Sizes(*Again), Expected);
}

TEST_F(DocumentEdit, NewPageBeyondTheEndChangesNothing) {
  TPdfDocument Document;
  Document.LoadFromFile(TestData("one-page.pdf"));
  EXPECT_THROW(Document.NewPage(2), std::out_of_range);
  // The engine's pages and the slots still agree.
  EXPECT_EQ(Document.PageCount(), 1);
  EXPECT_EQ(SavedAndOpenedAgain(Document)->PageCount(), 1);
}

TEST_F(DocumentEdit, DeletePageRemovesItsSlotAndEnginePage) {
  TPdfDocument Document;
  Document.LoadFromFile(TestData("three-pages.pdf"));
  TPdfPage* Last = Document.Pages(2);
  Document.Pages(1);
  Document.DeletePage(1);
  ASSERT_EQ(Document.PageCount(), 2);
  EXPECT_EQ(Document.Pages(1), Last);
  EXPECT_EQ(Sizes(Document), (std::vector<TPdfPoint>{{200, 300}, {300, 200}}));
  // The moved page reopens as the engine's page at its new index.
  Last->Close();
  EXPECT_EQ(Last->Rotation(), pr90Clockwise);
  Last->Handle();
  EXPECT_EQ(Last->Rotation(), pr90Clockwise);
  EXPECT_FLOAT_EQ(Last->Width(), 300);

  EXPECT_THROW(Document.DeletePage(2), std::out_of_range);
  EXPECT_THROW(Document.DeletePage(-1), std::out_of_range);
  EXPECT_EQ(Document.PageCount(), 2);
}

TEST_F(DocumentEdit, OperationsOnAClosedDocumentRaise) {
  TPdfDocument Document;
  TPdfDocument Source;
  Source.LoadFromFile(TestData("one-page.pdf"));
  std::vector<std::uint8_t> Bytes;
  TPdfMemoryStream Stream;
  const std::function<void()> Operations[] = {
      [&] { Document.NewPage(); },
      [&] { Document.DeletePage(0); },
      [&] { Document.ImportAllPages(Source); },
      [&] { Source.ImportAllPages(Document); },
      [&] { Document.ImportPages(Source, "1"); },
      [&] { Document.ImportPagesByIndex(Source, {0}); },
      [&] { Document.ImportPageRange(&Source, 0); },
      [&] { Source.ImportPageRange(&Document, 0); },
      [&] { Document.ApplyViewerPreferences(Source); },
      [&] { Source.ApplyViewerPreferences(Document); },
      [&] { Document.SaveToBytes(Bytes); },
      [&] { Document.SaveToStream(Stream); },
  };
  for (std::size_t I = 0; I < std::size(Operations); ++I) {
    SCOPED_TRACE(I);
    try {
      Operations[I]();
      ADD_FAILURE() << "no error";
    } catch (const EPdfException& E) {
      EXPECT_STREQ(E.what(), "PDF document is not open");
    }
  }
  EXPECT_EQ(Source.PageCount(), 1);
  EXPECT_FALSE(Document.ImportPageRange(nullptr, 0));
}

TEST_F(DocumentEdit, ImportAtAnIndexMovesLoadedPagesUp) {
  TPdfDocument Source;
  Source.LoadFromFile(TestData("three-pages.pdf"));
  TPdfDocument Document;
  Document.LoadFromFile(TestData("three-pages.pdf"));
  Document.DeletePage(2);
  TPdfPage* Page0 = Document.Pages(0);
  TPdfPage* Page1 = Document.Pages(1);

  ASSERT_TRUE(Document.ImportAllPages(Source, 0));
  ASSERT_EQ(Document.PageCount(), 5);
  for (int I = 0; I < 3; ++I)
    EXPECT_FALSE(Document.IsPageLoaded(I)) << I;
  EXPECT_TRUE(Document.IsPageLoaded(3));
  EXPECT_TRUE(Document.IsPageLoaded(4));
  EXPECT_EQ(Document.Pages(3), Page0);
  EXPECT_EQ(Document.Pages(4), Page1);
  EXPECT_EQ(Sizes(Document),
            (std::vector<TPdfPoint>{{200, 300}, {300, 200}, {300, 200}, {200, 300}, {300, 200}}));
  // The imported pages load on first access; the moved ones reopen at their new index.
  EXPECT_EQ(Document.Pages(2)->Rotation(), pr90Clockwise);
  Page1->Close();
  Page1->Handle();
  EXPECT_FLOAT_EQ(Page1->Width(), 300);
  EXPECT_EQ(Page1->Rotation(), prNormal);
  EXPECT_EQ(Document.PageByHandle(Page1->LoadedHandle()), Page1);
}

TEST_F(DocumentEdit, ImportsByIndexRangeAndText) {
  TPdfDocument Source;
  Source.LoadFromFile(TestData("three-pages.pdf"));
  struct TCase {
    const char* Name;
    std::function<bool(TPdfDocument&)> Import;
    bool Result;
    std::vector<TPdfPoint> Sizes; // after the one page of one-page.pdf, 200 x 300
  };
  const TPdfPoint Tall{200, 300}, Wide{300, 200};
  const TCase Cases[] = {
      {"all appended",
       [&](TPdfDocument& D) { return D.ImportAllPages(Source); },
       true,
       {Tall, Tall, Wide, Wide}},
      {"by index in front",
       [&](TPdfDocument& D) { return D.ImportPagesByIndex(Source, {1}, 0); },
       true,
       {Wide, Tall}},
      {"empty index list imports all",
       [&](TPdfDocument& D) { return D.ImportPagesByIndex(Source, {}, -1); },
       true,
       {Tall, Tall, Wide, Wide}},
      {"range text, pages counted from 1",
       [&](TPdfDocument& D) { return D.ImportPages(Source, "2", 0); },
       true,
       {Wide, Tall}},
      {"whole range at an index",
       [&](TPdfDocument& D) { return D.ImportPageRange(&Source, 0, -1, 0); },
       true,
       {Tall, Wide, Wide, Tall}},
      {"partial range appended",
       [&](TPdfDocument& D) { return D.ImportPageRange(&Source, 1, 1, 0); },
       true,
       {Tall, Wide}},
      {"partial range cut at the end",
       [&](TPdfDocument& D) { return D.ImportPageRange(&Source, 1, 5, 0); },
       true,
       {Tall, Wide, Wide}},
      {"range from the last page",
       [&](TPdfDocument& D) { return D.ImportPageRange(&Source, 2, -1); },
       true,
       {Tall, Wide}},
      {"range of no page",
       [&](TPdfDocument& D) { return D.ImportPageRange(&Source, 1, 0); },
       false,
       {Tall}},
      {"range behind the last page",
       [&](TPdfDocument& D) { return D.ImportPageRange(&Source, 3, 1); },
       false,
       {Tall}},
      {"negative page index",
       [&](TPdfDocument& D) { return D.ImportPageRange(&Source, -1, 1); },
       false,
       {Tall}},
      {"negative count",
       [&](TPdfDocument& D) { return D.ImportPageRange(&Source, 0, -2); },
       false,
       {Tall}},
      {"bad range text",
       [&](TPdfDocument& D) { return D.ImportPages(Source, "7-9"); },
       false,
       {Tall}},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TPdfDocument Document;
    Document.LoadFromFile(TestData("one-page.pdf"));
    TPdfPage* Own = Document.Pages(0);
    EXPECT_EQ(Case.Import(Document), Case.Result);
    EXPECT_EQ(Sizes(Document), Case.Sizes);
    ASSERT_EQ(Document.PageCount(), static_cast<int>(Case.Sizes.size()));
    // The page that was there is still loaded, in the slot of its engine page.
    int Loaded = -1;
    for (int I = 0; I < Document.PageCount(); ++I)
      if (Document.IsPageLoaded(I))
        Loaded = I;
    ASSERT_GE(Loaded, 0);
    EXPECT_EQ(Document.Pages(Loaded), Own);
  }
}

TEST_F(DocumentEdit, ImportFromItselfAddsItsOwnPages) {
  TPdfDocument Document;
  Document.LoadFromFile(TestData("three-pages.pdf"));
  Document.Pages(0);
  EXPECT_TRUE(Document.ImportAllPages(Document, 1));
  EXPECT_EQ(Document.PageCount(), 6);
  EXPECT_EQ(SavedAndOpenedAgain(Document)->PageCount(), 6);
}

TEST_F(DocumentEdit, ViewerPreferencesAreCopied) {
  TPdfDocument Source;
  Source.LoadFromFile(TestData("one-page.pdf"));
  TPdfDocument Document;
  ASSERT_TRUE(Document.NewDocument());
  EXPECT_EQ(Document.NumCopies(), 1);
  EXPECT_TRUE(Document.ApplyViewerPreferences(Source));
  EXPECT_EQ(Document.NumCopies(), 3);
  EXPECT_FALSE(Document.PrintScaling());
}

TEST_F(DocumentEdit, SeveralPagesOnOneSheet) {
  TPdfDocument Source;
  Source.LoadFromFile(TestData("three-pages.pdf"));
  std::unique_ptr<TPdfDocument> Sheets =
      TPdfDocument::CreateNPagesOnOnePageDocument(&Source, 595, 842, 2, 1);
  ASSERT_TRUE(Sheets->Active());
  EXPECT_EQ(Sheets->PageCount(), 2);
  EXPECT_EQ(Sheets->PageSizes(0), (TPdfPoint{595, 842}));

  // Sheets of the size of the source's first page.
  Sheets = TPdfDocument::CreateNPagesOnOnePageDocument(Source, 2, 2);
  ASSERT_TRUE(Sheets->Active());
  EXPECT_EQ(Sheets->PageCount(), 1);
  EXPECT_EQ(Sheets->PageSizes(0), (TPdfPoint{200, 300}));

  // No source, a closed source, or no pages per sheet: a new empty document.
  TPdfDocument Closed;
  const std::unique_ptr<TPdfDocument> Empty[] = {
      TPdfDocument::CreateNPagesOnOnePageDocument(nullptr, 595, 842, 2, 2),
      TPdfDocument::CreateNPagesOnOnePageDocument(&Closed, 595, 842, 2, 2),
      TPdfDocument::CreateNPagesOnOnePageDocument(&Source, 595, 842, 0, 2),
      TPdfDocument::CreateNPagesOnOnePageDocument(&Source, 595, 842, -1, 2),
      TPdfDocument::CreateNPagesOnOnePageDocument(Closed, 2, 2),
  };
  for (const auto& Document : Empty) {
    EXPECT_TRUE(Document->Active());
    EXPECT_EQ(Document->PageCount(), 0);
  }
}

} // namespace
