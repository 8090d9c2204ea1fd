// Document queries, the closed state, and what the engine reports about unsupported features.
#include "EngineTestSupport.h"

namespace {

class DocumentQueries : public TEngineTest {};

TEST_F(DocumentQueries, DocumentLevelValues) {
  TPdfDocument Document;
  Document.LoadFromFile(TestData("one-page.pdf"));
  EXPECT_EQ(Document.GetMetaText("Title"), "One page");
  EXPECT_EQ(Document.GetMetaText("Author"), "QUOLSA tests");
  EXPECT_EQ(Document.GetMetaText("Subject"), "");
  EXPECT_EQ(Document.GetFileIdentifier(pfiPermanent), "QUOLSATestDocume");
  EXPECT_EQ(Document.GetFileIdentifier(pfiChanging), "QUOLSATestDocume");
  EXPECT_EQ(Document.FileVersion(), 16);
  EXPECT_FALSE(Document.PrintScaling());
  EXPECT_EQ(Document.NumCopies(), 3);
  EXPECT_EQ(Document.SecurityHandlerRevision(), -1);
  EXPECT_EQ(Document.DocPermissions(), 0xFFFFFFFFu);

  Document.LoadFromFile(TestData("three-pages.pdf"));
  EXPECT_EQ(Document.GetFileIdentifier(pfiPermanent), "");
  EXPECT_EQ(Document.FileVersion(), 17);
  EXPECT_TRUE(Document.PrintScaling());
  EXPECT_EQ(Document.NumCopies(), 1);

  Document.LoadFromFile(TestData("encrypted-rc4-128.pdf"), "user");
  EXPECT_EQ(Document.DocPermissions(), static_cast<std::uint32_t>(-3904));
}

TEST_F(DocumentQueries, MetaTextComesBackAsUtf8) {
  // "Zeichnung 図面" as a UTF-16 string with byte order mark.
  const std::string Title = "FEFF005A0065006900630068006E0075006E0067002056F39762";
  std::string Pdf = "%PDF-1.7\n";
  std::vector<std::size_t> Offsets;
  auto Object = [&](const std::string& Body) {
    Offsets.push_back(Pdf.size());
    Pdf += std::to_string(Offsets.size()) + " 0 obj\n" + Body + "\nendobj\n";
  };
  Object("<< /Type /Catalog /Pages 2 0 R >>");
  Object("<< /Type /Pages /Kids [3 0 R] /Count 1 >>");
  Object("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 300] >>");
  Object("<< /Title <" + Title + "> >>");
  const std::size_t Xref = Pdf.size();
  Pdf += "xref\n0 5\n0000000000 65535 f \n";
  for (std::size_t Offset : Offsets) {
    const std::string N = std::to_string(Offset);
    Pdf += std::string(10 - N.size(), '0') + N + " 00000 n \n";
  }
  Pdf += "trailer\n<< /Size 5 /Root 1 0 R /Info 4 0 R >>\nstartxref\n" + std::to_string(Xref) +
         "\n%%EOF\n";
  TPdfDocument Document;
  Document.LoadFromBytes(std::vector<std::uint8_t>(Pdf.begin(), Pdf.end()));
  EXPECT_EQ(Document.GetMetaText("Title"), "Zeichnung \xE5\x9B\xB3\xE9\x9D\xA2");
}

TEST_F(DocumentQueries, ClosedDocumentAnswersEmptyOrRaises) {
  TPdfDocument Document;
  Document.LoadFromFile(TestData("form.pdf"));
  Document.SetFormModified(true);
  Document.Close();
  Document.Close();
  EXPECT_FALSE(Document.Active());
  EXPECT_EQ(Document.Handle(), nullptr);
  EXPECT_EQ(Document.FormHandle(), nullptr);
  EXPECT_EQ(Document.PageCount(), 0);
  EXPECT_EQ(Document.FileName(), "");
  EXPECT_FALSE(Document.FormModified());
  EXPECT_FALSE(Document.UnsupportedFeatures());
  const std::function<void()> NeedOpen[] = {
      [&] { Document.GetMetaText("Title"); },
      [&] { Document.GetFileIdentifier(pfiPermanent); },
      [&] { Document.FileVersion(); },
      [&] { Document.DocPermissions(); },
      [&] { Document.SecurityHandlerRevision(); },
      [&] { Document.PrintScaling(); },
      [&] { Document.NumCopies(); },
      [&] { Document.PageSizes(0); },
      [&] { Document.RequireOpen(); },
  };
  for (const auto& Query : NeedOpen) {
    try {
      Query();
      ADD_FAILURE() << "no error";
    } catch (const EPdfException& E) {
      EXPECT_STREQ(E.what(), "PDF document is not open");
    }
  }
}

TEST_F(DocumentQueries, FormEnvironmentIsSetUpForEveryOpen) {
  TPdfDocument Document;
  EXPECT_EQ(Document.FormFieldHighlightColor(), 0xFFE4DDu);
  EXPECT_EQ(Document.FormFieldHighlightAlpha(), 100);
  EXPECT_TRUE(Document.PrintHidesFormFieldHighlight());
  Document.LoadFromFile(TestData("form.pdf"));
  EXPECT_NE(Document.FormHandle(), nullptr);
  EXPECT_FALSE(Document.FormModified());
  // The engine finds the text field through the environment.
  TPdfPage* Page = Document.Pages(0);
  EXPECT_EQ(FPDFPage_HasFormFieldAtPoint(Document.FormHandle(), Page->Handle(), 100, 165), 6);
  Document.LoadFromFile(TestData("one-page.pdf"));
  EXPECT_NE(Document.FormHandle(), nullptr);
}

TEST_F(DocumentQueries, UnsupportedFeaturesAreAttributedToTheLoadingDocument) {
  std::vector<std::pair<int, std::string>> Reports;
  SetUnsupportedFeatureHook(
      [&](int Code, const std::string& Name) { Reports.emplace_back(Code, Name); });
  TPdfDocument Document;
  TPdfDocument Other;
  Other.LoadFromFile(TestData("one-page.pdf"));
  for (TPdfDocumentLoadOption Option : {dloMemory, dloOnDemand}) {
    Reports.clear();
    Document.LoadFromFile(TestData("portfolio.pdf"), "", Option);
    EXPECT_TRUE(Document.UnsupportedFeatures()) << Option;
    EXPECT_FALSE(Other.UnsupportedFeatures());
    ASSERT_FALSE(Reports.empty());
    EXPECT_EQ(Reports.front(), (std::pair<int, std::string>{2, "Portfolios_Packages"}));
    EXPECT_EQ(LoadingDocument(), nullptr);
  }
  Document.LoadFromFile(TestData("one-page.pdf"));
  EXPECT_FALSE(Document.UnsupportedFeatures());
  SetUnsupportedFeatureHook(nullptr);
}

TEST(DocumentEngine, SetPrintModeLoadsTheEngineWithoutAnyDocument) {
  UseTestEngine();
  ASSERT_FALSE(EngineLoaded());
  // Only engines built for Windows printing have print modes; the others answer with their
  // not-supported error, which shows the call reached a loaded engine.
  try {
    TPdfDocument::SetPrintMode(pmTextMode);
  } catch (const std::runtime_error& E) {
    EXPECT_STREQ(E.what(), "PDFium function is not supported");
  }
  EXPECT_TRUE(EngineLoaded());
}

TEST(DocumentEngine, FailedEngineLoadIsTriedAgainByTheNextDocument) {
  SetEngineDirectory("/nonexistent/engine");
  EXPECT_THROW(TPdfDocument(), std::runtime_error);
  EXPECT_FALSE(EngineLoaded());
  UseTestEngine();
  TPdfDocument Document;
  EXPECT_TRUE(EngineLoaded());
  Document.LoadFromFile(TestData("one-page.pdf"));
  EXPECT_TRUE(Document.Active());
}

TEST(DocumentEngine, EngineLibraryPathTakesPrecedenceOverTheDirectory) {
  UseTestEngine();
  const std::string Library = EngineDirectory() + "/libpdfium.so";
  SetEngineDirectory("/nonexistent/engine");
  SetEngineLibraryPath(Library);
  TPdfDocument Document;
  EXPECT_TRUE(EngineLoaded());
}

} // namespace
