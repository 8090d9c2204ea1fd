// Opening documents: every way of loading, and what a failed load leaves behind.
#include "EngineTestSupport.h"

#include "platform/OsError.h"

#include <cerrno>
#include <fstream>
#include <functional>

namespace {

using TLoad = std::function<void(TPdfDocument&, const std::string& Path, const std::string& Pw)>;

struct TLoadPath {
  const char* Name;
  TLoad Load;
};

// Streams and buffers that active loads read from for as long as the document is open.
struct TSources {
  std::unique_ptr<TPdfStream> Stream;
  std::vector<std::uint8_t> Bytes;
};

bool ReadVector(void* Param, std::uint32_t Position, std::uint8_t* Buffer, std::uint32_t Size) {
  const auto& Bytes = *static_cast<std::vector<std::uint8_t>*>(Param);
  if (std::uint64_t(Position) + Size > Bytes.size())
    return false;
  std::copy_n(Bytes.begin() + Position, Size, Buffer);
  return true;
}

std::vector<TLoadPath> LoadPaths(TSources& S) {
  return {
      {"file, memory", [](TPdfDocument& D, const std::string& P,
                          const std::string& Pw) { D.LoadFromFile(P, Pw, dloMemory); }},
      {"file, mapped", [](TPdfDocument& D, const std::string& P,
                          const std::string& Pw) { D.LoadFromFile(P, Pw, dloMMF); }},
      {"file, on demand", [](TPdfDocument& D, const std::string& P,
                             const std::string& Pw) { D.LoadFromFile(P, Pw, dloOnDemand); }},
      {"file stream",
       [](TPdfDocument& D, const std::string& P, const std::string& Pw) {
         TPdfFileStream Stream(P, fsmOpenRead);
         D.LoadFromStream(Stream, Pw);
       }},
      {"memory stream",
       [](TPdfDocument& D, const std::string& P, const std::string& Pw) {
         TPdfMemoryStream Stream(ReadFileBytes(P));
         D.LoadFromStream(Stream, Pw);
       }},
      {"active file stream",
       [&S](TPdfDocument& D, const std::string& P, const std::string& Pw) {
         S.Stream = std::make_unique<TPdfFileStream>(P, fsmOpenRead);
         D.LoadFromActiveStream(S.Stream.get(), Pw);
       }},
      {"active memory stream",
       [&S](TPdfDocument& D, const std::string& P, const std::string& Pw) {
         S.Stream = std::make_unique<TPdfMemoryStream>(ReadFileBytes(P));
         D.LoadFromActiveStream(S.Stream.get(), Pw);
       }},
      {"bytes", [](TPdfDocument& D, const std::string& P,
                   const std::string& Pw) { D.LoadFromBytes(ReadFileBytes(P), Pw); }},
      {"bytes inside a larger array",
       [](TPdfDocument& D, const std::string& P, const std::string& Pw) {
         std::vector<std::uint8_t> Bytes(7, 'x');
         const std::vector<std::uint8_t> File = ReadFileBytes(P);
         Bytes.insert(Bytes.end(), File.begin(), File.end());
         Bytes.insert(Bytes.end(), 5, 'y');
         D.LoadFromBytes(std::move(Bytes), 7, std::int64_t(File.size()), Pw);
       }},
      {"active buffer",
       [&S](TPdfDocument& D, const std::string& P, const std::string& Pw) {
         S.Bytes = ReadFileBytes(P);
         D.LoadFromActiveBuffer(S.Bytes.data(), std::int64_t(S.Bytes.size()), Pw);
       }},
      {"custom reader",
       [&S](TPdfDocument& D, const std::string& P, const std::string& Pw) {
         S.Bytes = ReadFileBytes(P);
         D.LoadFromCustom(&ReadVector, std::uint32_t(S.Bytes.size()), &S.Bytes, Pw);
       }},
  };
}

class DocumentLoad : public TEngineTest {};

TEST_F(DocumentLoad, EveryLoadPathOpensTheSameDocument) {
  TSources Sources;
  TPdfDocument Document;
  for (const TLoadPath& Path : LoadPaths(Sources)) {
    SCOPED_TRACE(Path.Name);
    Path.Load(Document, TestData("three-pages.pdf"), "");
    ASSERT_TRUE(Document.Active());
    ASSERT_EQ(Document.PageCount(), 3);
    EXPECT_EQ(Document.PageSizes(1), (TPdfPoint{300, 200}));
    TPdfPage* Page = Document.Pages(2);
    EXPECT_EQ(Page->Rotation(), pr90Clockwise);
    TPdfSurface Surface(200, 300);
    Document.Pages(0)->Draw(Surface, 0, 0, 200, 300, prNormal, {});
    EXPECT_TRUE(IsBlack(Surface.Pixel(50, 70))) << TRgba(Surface.Pixel(50, 70));
    Document.Close();
  }
}

TEST_F(DocumentLoad, FileNameIsSetOnlyByFileLoads) {
  TPdfDocument Document;
  Document.LoadFromFile(TestData("one-page.pdf"), "", dloMMF);
  EXPECT_EQ(Document.FileName(), TestData("one-page.pdf"));
  Document.LoadFromBytes(ReadFileBytes(TestData("one-page.pdf")));
  EXPECT_TRUE(Document.Active());
  EXPECT_EQ(Document.FileName(), "");
}

TEST_F(DocumentLoad, FailedFileLoadsRaiseTheirMessageAndLeaveNothingOpen) {
  struct TCase {
    const char* File;
    const char* Password;
    const char* Message;
  };
  const TCase Cases[] = {
      {"not-a-pdf.pdf", "", "File is not a PDF document or is corrupted"},
      {"damaged.pdf", "", "File is not a PDF document or is corrupted"},
      {"encrypted-rc4-128.pdf", "", "Password required oder invalid password"},
      {"encrypted-rc4-40.pdf", "wrong", "Password required oder invalid password"},
  };
  TPdfDocument Document;
  for (const TCase& Case : Cases) {
    for (TPdfDocumentLoadOption Option : {dloMemory, dloMMF, dloOnDemand}) {
      SCOPED_TRACE(std::string(Case.File) + ", option " + std::to_string(Option));
      const std::string Path = TestData(Case.File);
      const TProcessFiles Before(Path);
      try {
        Document.LoadFromFile(Path, Case.Password, Option);
        ADD_FAILURE() << "no error";
      } catch (const EPdfException& E) {
        EXPECT_STREQ(E.what(), Case.Message);
      }
      EXPECT_FALSE(Document.Active());
      EXPECT_EQ(Document.FileName(), "");
      EXPECT_EQ(Document.PageCount(), 0);
      EXPECT_TRUE(Before.Unchanged())
          << "files " << Before.Files << " -> " << platform::OpenHandleCount() << ", mappings "
          << Before.Mappings << " -> " << MappingCount(Path);
    }
  }
}

TEST_F(DocumentLoad, MissingFileRaisesTheSystemError) {
  TPdfDocument Document;
  Document.LoadFromFile(TestData("one-page.pdf"));
  const std::string Missing = TestData("no-such-file.pdf");
  const int Files = platform::OpenHandleCount();
  for (TPdfDocumentLoadOption Option : {dloMemory, dloMMF, dloOnDemand}) {
    try {
      Document.LoadFromFile(Missing, "", Option);
      ADD_FAILURE() << "no error";
    } catch (const platform::EOSError& E) {
      EXPECT_EQ(E.Code, ENOENT);
      EXPECT_NE(std::string(E.what()).find(platform::SysErrorMessage(ENOENT)), std::string::npos)
          << E.what();
    }
    EXPECT_FALSE(Document.Active());
    EXPECT_EQ(Document.FileName(), "");
  }
  // The document that was open before is gone too, with its file.
  EXPECT_EQ(platform::OpenHandleCount(), Files - 1);
}

TEST_F(DocumentLoad, FailedLoadsFromMemoryLeaveTheDocumentClosed) {
  TSources Sources;
  TPdfDocument Document;
  for (const TLoadPath& Path : LoadPaths(Sources)) {
    SCOPED_TRACE(Path.Name);
    Document.LoadFromFile(TestData("one-page.pdf"));
    try {
      Path.Load(Document, TestData("encrypted-rc4-40.pdf"), "");
      ADD_FAILURE() << "no error";
    } catch (const EPdfException& E) {
      EXPECT_STREQ(E.what(), "Password required oder invalid password");
    }
    EXPECT_FALSE(Document.Active());
    EXPECT_EQ(Document.PageCount(), 0);
  }
}

TEST_F(DocumentLoad, EncryptedFilesOpenWithTheirUserOrOwnerPassword) {
  struct TCase {
    const char* File;
    const char* Password;
    int Revision;
  };
  const TCase Cases[] = {{"encrypted-rc4-40.pdf", "user", 2},
                         {"encrypted-rc4-40.pdf", "owner", 2},
                         {"encrypted-rc4-128.pdf", "user", 3},
                         {"encrypted-rc4-128.pdf", "owner", 3}};
  TPdfDocument Document;
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(std::string(Case.File) + " / " + Case.Password);
    Document.LoadFromFile(TestData(Case.File), Case.Password, dloMMF);
    ASSERT_TRUE(Document.Active());
    EXPECT_EQ(Document.SecurityHandlerRevision(), Case.Revision);
    // The page content is encrypted as well: the square shows only when it was decrypted.
    TPdfSurface Surface(200, 300);
    Document.Pages(0)->Draw(Surface, 0, 0, 200, 300, prNormal, {});
    EXPECT_TRUE(IsBlack(Surface.Pixel(50, 70))) << TRgba(Surface.Pixel(50, 70));
    EXPECT_TRUE(IsWhite(Surface.Pixel(150, 250))) << TRgba(Surface.Pixel(150, 250));
  }
}

TEST_F(DocumentLoad, EmptyFileByLoadOption) {
  const std::string Path = TestData("empty.pdf");
  TPdfDocument Document;
  {
    // Nothing to read: nothing opened, no error, the name kept, the file open until Close.
    const TProcessFiles Before(Path);
    Document.LoadFromFile(Path, "", dloMemory);
    EXPECT_FALSE(Document.Active());
    EXPECT_EQ(Document.FileName(), Path);
    EXPECT_EQ(platform::OpenHandleCount(), Before.Files + 1);
    Document.Close();
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_EQ(Document.FileName(), "");
  }
  {
    // An empty file cannot be mapped.
    const TProcessFiles Before(Path);
    EXPECT_THROW(Document.LoadFromFile(Path, "", dloMMF), platform::EOSError);
    EXPECT_FALSE(Document.Active());
    EXPECT_EQ(Document.FileName(), "");
    EXPECT_TRUE(Before.Unchanged());
  }
  {
    // The engine finds no document in zero bytes.
    const TProcessFiles Before(Path);
    try {
      Document.LoadFromFile(Path, "", dloOnDemand);
      ADD_FAILURE() << "no error";
    } catch (const EPdfException& E) {
      EXPECT_STREQ(E.what(), "File is not a PDF document or is corrupted");
    }
    EXPECT_FALSE(Document.Active());
    EXPECT_TRUE(Before.Unchanged());
  }
}

TEST_F(DocumentLoad, EmptySourcesLeaveTheDocumentClosedWithoutError) {
  TPdfDocument Document;
  TPdfMemoryStream Empty;
  Document.LoadFromFile(TestData("one-page.pdf"));
  Document.LoadFromStream(Empty);
  EXPECT_FALSE(Document.Active());
  Document.LoadFromFile(TestData("one-page.pdf"));
  Document.LoadFromActiveBuffer("%PDF", 0);
  EXPECT_FALSE(Document.Active());
  Document.LoadFromFile(TestData("one-page.pdf"));
  Document.LoadFromActiveStream(nullptr);
  EXPECT_FALSE(Document.Active());
  Document.LoadFromFile(TestData("one-page.pdf"));
  Document.LoadFromCustom(nullptr, 100, nullptr);
  EXPECT_FALSE(Document.Active());
}

TEST_F(DocumentLoad, StreamShorterThanItsSizeRaisesTheReadError) {
  TPdfMemoryStream Stream(ReadFileBytes(TestData("one-page.pdf")));
  Stream.Seek(10); // the whole size is read from the position on
  TPdfDocument Document;
  EXPECT_THROW(Document.LoadFromStream(Stream), EStreamError);
  EXPECT_FALSE(Document.Active());
}

TEST_F(DocumentLoad, LoadFromBytesChecksIndexAndCount) {
  struct TCase {
    std::size_t Length;
    std::int64_t Index;
    std::int64_t Count;
    const char* Argument;
    std::int64_t Value;
  };
  const TCase Cases[] = {
      {0, 0, 0, "Index", 0},   {5, 2, 10, "Count", 10}, {5, 5, 0, "Index", 5},
      {5, -1, 2, "Index", -1}, {5, 0, -1, "Count", -1}, {5, 4, 2, "Count", 2},
  };
  TPdfDocument Document;
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Argument + std::string(" ") + std::to_string(Case.Value));
    Document.LoadFromFile(TestData("one-page.pdf"));
    try {
      Document.LoadFromBytes(std::vector<std::uint8_t>(Case.Length, '%'), Case.Index, Case.Count);
      ADD_FAILURE() << "no error";
    } catch (const EPdfArgumentOutOfRange& E) {
      EXPECT_EQ(E.ArgumentName, Case.Argument);
      EXPECT_EQ(E.Value, Case.Value);
      EXPECT_EQ(std::string(E.what()), std::string("Function argument \"") + Case.Argument +
                                           "\" (" + std::to_string(Case.Value) + ") out of range");
    }
    EXPECT_FALSE(Document.Active());
  }
}

// Bytes the process has read from files so far (/proc/self/io).
std::uint64_t BytesReadByProcess() {
  std::ifstream Io("/proc/self/io");
  std::string Key;
  std::uint64_t Value = 0;
  while (Io >> Key >> Value)
    if (Key == "rchar:")
      return Value;
  return 0;
}

TEST_F(DocumentLoad, OnDemandReadsOnlyTheBlocksTheEngineAsksFor) {
  TScratchDir Dir;
  const std::string Path = Dir.File("padded.pdf");
  const std::uint64_t Padding = 8 << 20;
  WritePaddedPdf(Path, Padding);
  TPdfDocument Document;

  std::uint64_t Before = BytesReadByProcess();
  Document.LoadFromFile(Path, "", dloOnDemand);
  ASSERT_EQ(Document.PageCount(), 1);
  EXPECT_FLOAT_EQ(Document.Pages(0)->Width(), 200);
  const std::uint64_t OnDemand = BytesReadByProcess() - Before;
  EXPECT_LT(OnDemand, Padding / 8);
  // The file stays open, unmapped, while the document is.
  EXPECT_EQ(MappingCount(Path), 0);

  Before = BytesReadByProcess();
  Document.LoadFromFile(Path, "", dloMemory);
  EXPECT_GE(BytesReadByProcess() - Before, Padding);
}

TEST_F(DocumentLoad, CustomReaderIsAskedForBlocksInsideTheFile) {
  struct TReader {
    std::vector<std::uint8_t> Bytes;
    std::uint64_t Requested = 0;
    bool OutOfRange = false;
    static bool Read(void* Param, std::uint32_t Position, std::uint8_t* Buffer,
                     std::uint32_t Size) {
      auto& R = *static_cast<TReader*>(Param);
      R.Requested += Size;
      R.OutOfRange |= std::uint64_t(Position) + Size > R.Bytes.size();
      return ReadVector(&R.Bytes, Position, Buffer, Size);
    }
  };
  TScratchDir Dir;
  WritePaddedPdf(Dir.File("padded.pdf"), 1 << 20);
  TReader Reader{ReadFileBytes(Dir.File("padded.pdf"))};
  TPdfDocument Document;
  Document.LoadFromCustom(&TReader::Read, std::uint32_t(Reader.Bytes.size()), &Reader);
  ASSERT_EQ(Document.PageCount(), 1);
  Document.Pages(0);
  EXPECT_GT(Reader.Requested, 0u);
  EXPECT_LT(Reader.Requested, Reader.Bytes.size() / 8);
  EXPECT_FALSE(Reader.OutOfRange);
}

TEST_F(DocumentLoad, FailingOrThrowingReaderFailsTheLoad) {
  struct TReader {
    static bool Fail(void*, std::uint32_t, std::uint8_t*, std::uint32_t) { return false; }
    static bool Throw(void*, std::uint32_t, std::uint8_t*, std::uint32_t) {
      throw std::runtime_error("reader broke");
    }
  };
  TPdfDocument Document;
  for (TPdfDocumentCustomReadProc Reader : {&TReader::Fail, &TReader::Throw}) {
    EXPECT_THROW(Document.LoadFromCustom(Reader, 1000, nullptr), EPdfException);
    EXPECT_FALSE(Document.Active());
  }
}

TEST_F(DocumentLoad, OnDemandMapsFilesBeyondTheReaderLimit) {
  TScratchDir Dir;
  const std::string Path = Dir.File("huge.pdf");
  WritePaddedPdf(Path, 2200000000ull); // sparse: no disk space used
  TPdfDocument Document;
  Document.LoadFromFile(Path, "", dloOnDemand);
  ASSERT_EQ(Document.PageCount(), 1);
  EXPECT_EQ(MappingCount(Path), 1);
  TPdfSurface Surface(200, 300);
  Document.Pages(0)->Draw(Surface, 0, 0, 200, 300, prNormal, {});
  EXPECT_TRUE(IsBlack(Surface.Pixel(50, 70)));
  Document.Close();
  EXPECT_EQ(MappingCount(Path), 0);
}

} // namespace
