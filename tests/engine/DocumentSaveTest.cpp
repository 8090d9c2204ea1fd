// Saving documents: to bytes, streams and files, with the file version, after a form edit, and
// what a failing target does.
#include "EngineTestSupport.h"

#include "platform/OsError.h"

#include <filesystem>

namespace {

class DocumentSave : public TEngineTest {};

std::string Header(const std::vector<std::uint8_t>& Bytes) {
  return std::string(Bytes.begin(), Bytes.begin() + std::min<std::size_t>(Bytes.size(), 8));
}

// A memory stream that takes only Limit bytes, then fails as Mode says.
class TFullStream : public TPdfMemoryStream {
public:
  enum TMode { fmThrow, fmShortWrite };
  TFullStream(std::size_t Limit, TMode Mode) : FLimit(Limit), FMode(Mode) {}
  std::size_t Write(const void* Buffer, std::size_t Count) override {
    if (static_cast<std::size_t>(Size()) + Count <= FLimit)
      return TPdfMemoryStream::Write(Buffer, Count);
    ++Refusals;
    if (FMode == fmThrow)
      throw std::runtime_error("disk full");
    return 0;
  }
  int Refusals = 0;

private:
  std::size_t FLimit;
  TMode FMode;
};

TEST_F(DocumentSave, SavedBytesOpenAgainWithTheirVersion) {
  TPdfDocument Document;
  Document.LoadFromFile(TestData("three-pages.pdf"));
  std::vector<std::uint8_t> Bytes{1, 2, 3};
  Document.SaveToBytes(Bytes);
  EXPECT_EQ(Header(Bytes), "%PDF-1.7");
  TPdfDocument Again;
  Again.LoadFromBytes(Bytes);
  EXPECT_EQ(Again.PageCount(), 3);
  EXPECT_EQ(Again.PageSizes(1), (TPdfPoint{300, 200}));

  Document.SaveToBytes(Bytes, 0, 14);
  EXPECT_EQ(Header(Bytes), "%PDF-1.4");
  Again.LoadFromBytes(Bytes);
  EXPECT_EQ(Again.FileVersion(), 14);

  // A stream is written from its position on.
  TPdfMemoryStream Stream(std::vector<std::uint8_t>{'x', 'y', 'z'});
  Stream.Seek(2);
  Document.SaveToStream(Stream);
  EXPECT_EQ(Stream.Bytes()[1], 'y');
  const std::vector<std::uint8_t> Saved(Stream.Bytes().begin() + 2, Stream.Bytes().end());
  EXPECT_EQ(Header(Saved), "%PDF-1.7");
  Again.LoadFromBytes(Saved);
  EXPECT_EQ(Again.PageCount(), 3);
}

TEST_F(DocumentSave, FailingStreamMakesTheSaveFail) {
  TPdfDocument Document;
  Document.LoadFromFile(TestData("one-page.pdf"));
  {
    TFullStream Stream(100, TFullStream::fmThrow);
    try {
      Document.SaveToStream(Stream);
      ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& E) {
      EXPECT_STREQ(E.what(), "disk full");
    }
    // The engine stopped at the first refused block.
    EXPECT_EQ(Stream.Refusals, 1);
  }
  {
    TFullStream Stream(100, TFullStream::fmShortWrite);
    try {
      Document.SaveToStream(Stream);
      ADD_FAILURE() << "no error";
    } catch (const EStreamError& E) {
      EXPECT_STREQ(E.what(), "Stream write error");
    }
  }
  // The document goes on as before.
  EXPECT_EQ(SavedAndOpenedAgain(Document)->PageCount(), 1);
}

TEST_F(DocumentSave, SaveToFileReplacesAnExistingFile) {
  TScratchDir Dir;
  const std::string Path = Dir.File("saved.pdf");
  {
    TPdfFileStream Old(Path, fsmCreate);
    Old.WriteBuffer("an older and longer file that is not a PDF document at all", 58);
  }
  TPdfDocument Document;
  Document.LoadFromFile(TestData("three-pages.pdf"));
  Document.SaveToFile(Path);
  TPdfDocument Again;
  Again.LoadFromFile(Path);
  EXPECT_EQ(Again.PageCount(), 3);
  EXPECT_EQ(Header(ReadFileBytes(Path)), "%PDF-1.7");

  // Saving over the very file the document is mapped from: the open document reads on from the
  // old file, and the new one has every page.
  Again.DeletePage(0);
  Again.SaveToFile(Path);
  EXPECT_EQ(Again.PageSizes(1), (TPdfPoint{300, 200}));
  EXPECT_NO_THROW(Again.Pages(1)->Handle());
  TPdfDocument Third;
  Third.LoadFromFile(Path);
  EXPECT_EQ(Third.PageCount(), 2);
  EXPECT_EQ(Third.PageSizes(0), (TPdfPoint{300, 200}));

  // No temporary file is left beside it.
  EXPECT_EQ(FileNames(Dir.File("")), std::vector<std::string>{"saved.pdf"});
}

TEST_F(DocumentSave, SaveToFileThatCannotBeWrittenKeepsTheOldFile) {
  TScratchDir Dir;
  TPdfDocument Document;
  Document.LoadFromFile(TestData("one-page.pdf"));
  EXPECT_THROW(Document.SaveToFile(Dir.File("missing/saved.pdf")), platform::EOSError);
  std::filesystem::create_directory(Dir.File("folder"));
  EXPECT_THROW(Document.SaveToFile(Dir.File("folder")), platform::EOSError);
  EXPECT_TRUE(std::filesystem::is_directory(Dir.File("folder")));
  Document.Close();
  try {
    Document.SaveToFile(Dir.File("closed.pdf"));
    ADD_FAILURE() << "no error";
  } catch (const EPdfException& E) {
    EXPECT_STREQ(E.what(), "PDF document is not open");
  }
  EXPECT_FALSE(std::filesystem::exists(Dir.File("closed.pdf")));
}

// The text field "Name" of form.pdf, at page point (100, 165), holds "Hello".
std::u16string FieldValue(TPdfDocument& Document) {
  FPDF_ANNOTATION Annot = FPDFPage_GetAnnot(Document.Pages(0)->Handle(), 0);
  if (!Annot)
    return u"(no field)";
  std::u16string Value(64, u'\0');
  const unsigned long Length = FPDFAnnot_GetStringValue(Annot, "V", Value.data(), Value.size() * 2);
  FPDFPage_CloseAnnot(Annot);
  Value.resize(Length >= 2 ? Length / 2 - 1 : 0);
  return Value;
}

TEST_F(DocumentSave, FormEditIsKeptWhenOpenedAgain) {
  TPdfDocument Document;
  Document.LoadFromFile(TestData("form.pdf"));
  ASSERT_NE(Document.FormHandle(), nullptr);
  FPDF_FORMHANDLE Form = Document.FormHandle();
  FPDF_PAGE Page = Document.Pages(0)->Handle();
  ASSERT_EQ(FieldValue(Document), u"Hello");
  // Click into the field and replace its text; the field keeps focus until the save.
  FORM_OnLButtonDown(Form, Page, 0, 100, 165);
  FORM_OnLButtonUp(Form, Page, 0, 100, 165);
  ASSERT_TRUE(FORM_SelectAllText(Form, Page));
  FORM_ReplaceSelection(Form, Page, u"World");

  const std::unique_ptr<TPdfDocument> Again = SavedAndOpenedAgain(Document);
  // Saving took the focus from the field, which stored its new value.
  EXPECT_TRUE(Document.FormModified());
  EXPECT_EQ(FieldValue(*Again), u"World");
  EXPECT_FALSE(Again->FormModified());
}

} // namespace
