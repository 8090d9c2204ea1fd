// Creating documents and pages, importing pages and saving: the editing side of TPdfDocument.
#include "engine/PdfDocument.h"

#include "engine/PdfEngineApi.h"
#include "engine/PdfException.h"
#include "engine/PdfFileWrite.h"
#include "engine/PdfPage.h"
#include "engine/PdfStream.h"
#include "platform/WideString.h"

#include <algorithm>

namespace {

// A4 in points.
constexpr double DefaultPageWidth = 595;
constexpr double DefaultPageHeight = 842;

// The engine's document actions around a save.
constexpr int DocumentWillSave = 0x11;
constexpr int DocumentDidSave = 0x12;

} // namespace

bool TPdfDocument::NewDocument() {
  Close();
  FDocument.reset(FPDF_CreateNewDocument());
  FFormModified = false;
  return Active();
}

std::unique_ptr<TPdfDocument>
TPdfDocument::CreateNPagesOnOnePageDocument(const TPdfDocument* Source, double NewPageWidth,
                                            double NewPageHeight, int NumPagesXAxis,
                                            int NumPagesYAxis) {
  auto Result = std::make_unique<TPdfDocument>();
  if (Source && Source->Active()) {
    // The engine refuses zero pages per axis; a negative count is no count either.
    Result->FDocument.reset(FPDF_ImportNPagesToOne(
        Source->Handle(), static_cast<float>(NewPageWidth), static_cast<float>(NewPageHeight),
        static_cast<std::size_t>(std::max(NumPagesXAxis, 0)),
        static_cast<std::size_t>(std::max(NumPagesYAxis, 0))));
    if (Result->FDocument) {
      Result->FinishOpen();
      return Result;
    }
  }
  Result->NewDocument();
  return Result;
}

std::unique_ptr<TPdfDocument>
TPdfDocument::CreateNPagesOnOnePageDocument(const TPdfDocument& Source, int NumPagesXAxis,
                                            int NumPagesYAxis) {
  TPdfPoint Size{DefaultPageWidth, DefaultPageHeight};
  if (Source.PageCount() > 0)
    Size = Source.PageSizes(0);
  return CreateNPagesOnOnePageDocument(&Source, Size.X, Size.Y, NumPagesXAxis, NumPagesYAxis);
}

TPdfPage* TPdfDocument::NewPage(double Width, double Height, int Index) {
  RequireOpen();
  if (Index < 0)
    Index = PageCount();
  // Checked before the engine is asked, so that the slots never lose step with the engine's pages.
  if (Index > PageCount())
    RaiseListIndexError(Index);
  TPageHandle Handle(FPDFPage_New(FDocument.get(), Index, Width, Height));
  if (!Handle)
    return nullptr;
  const auto Slot = FPages.insert(FPages.begin() + Index, nullptr);
  Slot->reset(new TPdfPage(this, std::move(Handle)));
  return Slot->get();
}

TPdfPage* TPdfDocument::NewPage(int Index) {
  return NewPage(DefaultPageWidth, DefaultPageHeight, Index);
}

void TPdfDocument::DeletePage(int Index) {
  RequireOpen();
  if (Index < 0 || Index >= PageCount())
    RaiseListIndexError(Index);
  // Out of the list first, so that the page object's farewell finds nothing to remove.
  std::unique_ptr<TPdfPage> Page = std::move(FPages[static_cast<std::size_t>(Index)]);
  FPages.erase(FPages.begin() + Index);
  Page.reset();
  FPDFPage_Delete(FDocument.get(), Index);
}

bool TPdfDocument::ImportInto(const TPdfDocument& Source, const std::vector<int>* PageIndices,
                              const std::string& Range, int Index, bool ByRange) {
  RequireOpen();
  Source.RequireOpen();
  const int OldCount = FPDF_GetPageCount(FDocument.get());
  if (Index < 0)
    Index = OldCount;
  bool Result;
  if (ByRange) {
    Result = FPDF_ImportPages(FDocument.get(), Source.Handle(), Range.c_str(), Index) != 0;
  } else {
    const bool All = !PageIndices || PageIndices->empty();
    Result = FPDF_ImportPagesByIndex(
                 FDocument.get(), Source.Handle(), All ? nullptr : PageIndices->data(),
                 All ? 0 : static_cast<unsigned long>(PageIndices->size()), Index) != 0;
  }
  const int NewCount = FPDF_GetPageCount(FDocument.get());
  const int N = NewCount - OldCount;
  if (N > 0) {
    // The new pages stand in front of slot Index; the page objects from there on move up.
    FPages.resize(static_cast<std::size_t>(NewCount));
    if (Index < OldCount)
      std::rotate(FPages.begin() + Index, FPages.begin() + OldCount, FPages.end());
  }
  return Result;
}

bool TPdfDocument::ImportAllPages(const TPdfDocument& Source, int Index) {
  return ImportInto(Source, nullptr, {}, Index, false);
}

bool TPdfDocument::ImportPages(const TPdfDocument& Source, const std::string& Range, int Index) {
  return ImportInto(Source, nullptr, platform::Utf8ToSystem8Bit(Range), Index, true);
}

bool TPdfDocument::ImportPagesByIndex(const TPdfDocument& Source,
                                      const std::vector<int>& PageIndices, int Index) {
  return ImportInto(Source, &PageIndices, {}, Index, false);
}

bool TPdfDocument::ImportPageRange(const TPdfDocument* Source, int PageIndex, int Count,
                                   int Index) {
  if (!Source || PageIndex < 0)
    return false;
  RequireOpen();
  Source->RequireOpen();
  const int SourceCount = Source->PageCount();
  if (Count == -1)
    Count = SourceCount - PageIndex;
  else if (Count <= 0)
    return false;
  if (PageIndex + static_cast<std::int64_t>(Count) > SourceCount)
    Count = SourceCount - PageIndex;
  if (Count <= 0)
    return false;
  if (PageIndex == 0 && Count == SourceCount)
    return ImportAllPages(*Source, Index);
  // The engine's range text counts pages from 1.
  const std::string Range = std::to_string(PageIndex + 1) + "-" + std::to_string(PageIndex + Count);
  return ImportPages(*Source, Range, -1);
}

bool TPdfDocument::ApplyViewerPreferences(const TPdfDocument& Source) {
  RequireOpen();
  Source.RequireOpen();
  return FPDF_CopyViewerPreferences(FDocument.get(), Source.Handle()) != 0;
}

void TPdfDocument::SaveToFile(const std::string& AFileName, std::uint8_t Option, int FileVersion) {
  RequireOpen();
  // Written beside the file and put in its place when complete: a failed save, or a save over the
  // file this document is read from, loses nothing.
  TPdfFileStream File(AFileName, fsmReplace);
  SaveToStream(File, Option, FileVersion);
  File.Commit();
}

void TPdfDocument::SaveToStream(TPdfStream& Stream, std::uint8_t Option, int FileVersion) {
  RequireOpen();
  TPdfFileWriteRecord Record(Stream);
  if (FForm) {
    FORM_ForceToKillFocus(FForm.get());
    FORM_DoDocumentAAction(FForm.get(), DocumentWillSave);
  }
  const bool Saved =
      FileVersion == -1
          ? FPDF_SaveAsCopy(FDocument.get(), Record.FileWrite(), Option) != 0
          : FPDF_SaveWithVersion(FDocument.get(), Record.FileWrite(), Option, FileVersion) != 0;
  if (FForm)
    FORM_DoDocumentAAction(FForm.get(), DocumentDidSave);
  Record.RaiseWriteError();
  if (!Saved)
    throw EPdfException("Cannot save the PDF document");
}

void TPdfDocument::SaveToBytes(std::vector<std::uint8_t>& Bytes, std::uint8_t Option,
                               int FileVersion) {
  TPdfMemoryStream Stream;
  SaveToStream(Stream, Option, FileVersion);
  Bytes = Stream.TakeBytes();
}
