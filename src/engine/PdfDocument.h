// One PDF document opened in the engine, with the backing store the engine reads from and its
// page objects.
#pragma once

#include "engine/PdfAttachment.h"
#include "engine/PdfEngineHandles.h"
#include "engine/PdfFormEvents.h"
#include "engine/PdfFormFill.h"
#include "engine/PdfGeometry.h"
#include "platform/File.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class TPdfPage;
class TPdfStream;

// Fills Buffer with Size bytes read from offset Position; true on success. Must not throw.
using TPdfDocumentCustomReadProc = bool (*)(void* Param, std::uint32_t Position,
                                            std::uint8_t* Buffer, std::uint32_t Size);

enum TPdfDocumentLoadOption {
  dloMemory = 0,  // read the whole file into memory
  dloMMF = 1,     // map the file read-only into memory
  dloOnDemand = 2 // let the engine read blocks from the open file
};

enum TPdfPrintMode {
  pmEMF,
  pmTextMode,
  pmPostScript2,
  pmPostScript3,
  pmPostScriptPassThrough2,
  pmPostScriptPassThrough3,
  pmEMFImageMasks,
  pmPostScript3Type42,
  pmPostScript3Type42PassThrough
};

enum TPdfFileIdType { pfiPermanent = 0, pfiChanging = 1 };

// Every load first closes the document; a failed load leaves it closed and holding nothing.
// Loads that find nothing to open (empty source) leave it closed without an error. Passwords are
// UTF-8 byte strings, empty for none.
class TPdfDocument {
public:
  // Loads the engine on first use; an engine that cannot be loaded makes construction fail.
  TPdfDocument();
  ~TPdfDocument();
  TPdfDocument(const TPdfDocument&) = delete;
  TPdfDocument& operator=(const TPdfDocument&) = delete;

  void Close();

  void LoadFromFile(const std::string& AFileName, const std::string& APassword = {},
                    TPdfDocumentLoadOption ALoadOption = dloMMF);
  // Reads the stream's size in bytes from its current position into a block of its own.
  void LoadFromStream(TPdfStream& AStream, const std::string& APassword = {});
  // Reads from the stream while open; the stream must stay alive and unchanged until Close.
  // A null stream just closes.
  void LoadFromActiveStream(TPdfStream* Stream, const std::string& APassword = {});
  // Opens over the caller's memory, which must outlive the open document.
  void LoadFromActiveBuffer(const void* Buffer, std::int64_t Size,
                            const std::string& APassword = {});
  // Keeps the bytes while open.
  void LoadFromBytes(std::vector<std::uint8_t> ABytes, const std::string& APassword = {});
  // Opens over ACount bytes from AIndex: AIndex must lie inside the array, AIndex + ACount must
  // not pass its end (EPdfArgumentOutOfRange "Index" / "Count").
  void LoadFromBytes(std::vector<std::uint8_t> ABytes, std::int64_t AIndex, std::int64_t ACount,
                     const std::string& APassword = {});
  // Opens through the caller's reader; a null ReadFunc leaves the document closed.
  void LoadFromCustom(TPdfDocumentCustomReadProc ReadFunc, std::uint32_t ASize, void* AParam,
                      const std::string& APassword = {});

  bool Active() const { return FDocument != nullptr; }
  FPDF_DOCUMENT Handle() const { return FDocument.get(); }
  const std::string& FileName() const { return FFileName; }
  bool UnsupportedFeatures() const { return FUnsupportedFeatures; }

  // Pages: one slot per engine page, filled on first request. The document owns the page objects.
  int PageCount() const { return static_cast<int>(FPages.size()); }
  // The page object of slot Index (std::out_of_range outside the slots); loads it when the slot
  // is empty; an engine failure raises EPdfException.
  TPdfPage* Pages(int Index);
  // The slot holds a page object that holds an engine page.
  bool IsPageLoaded(int PageIndex) const;
  // The page size in points (X width, Y height) without loading the page; (0, 0) when the engine
  // cannot tell.
  TPdfPoint PageSizes(int Index) const;
  // The page object holding the engine page Handle, or null.
  TPdfPage* PageByHandle(FPDF_PAGE Handle) const;

  // Creating documents and pages, importing pages, saving.

  // Closes, then starts a new empty document without form environment; false when the engine
  // made none.
  bool NewDocument();
  // A new document with the pages of an open Source laid out NumPagesXAxis x NumPagesYAxis per
  // sheet of the given size in points; an empty new document when there is no open Source or the
  // engine made nothing.
  static std::unique_ptr<TPdfDocument>
  CreateNPagesOnOnePageDocument(const TPdfDocument* Source, double NewPageWidth,
                                double NewPageHeight, int NumPagesXAxis, int NumPagesYAxis);
  // The same on sheets of the size of Source's first page, or 595 x 842 without pages.
  static std::unique_ptr<TPdfDocument>
  CreateNPagesOnOnePageDocument(const TPdfDocument& Source, int NumPagesXAxis, int NumPagesYAxis);
  // A new engine page at Index (negative: appended), with its page object; null when the engine
  // made none. An Index beyond the end raises the slots' index error before anything is made.
  TPdfPage* NewPage(double Width, double Height, int Index = -1);
  TPdfPage* NewPage(int Index = -1); // 595 x 842 points
  // Frees the page object of slot Index and deletes the engine page.
  void DeletePage(int Index);
  // Copy pages of the open Source in front of slot Index (negative: appended); page objects of
  // this document keep their pages and move to their new slots. False when the engine failed.
  bool ImportAllPages(const TPdfDocument& Source, int Index = -1);
  // Range in the engine's page-range text ("1,3,5-7", page numbers counted from 1).
  bool ImportPages(const TPdfDocument& Source, const std::string& Range, int Index = -1);
  // Count pages from PageIndex (Count -1: up to the last page). A part of Source is always
  // appended; Index applies only when all of Source is imported. False for a null Source and for
  // a range that holds no page.
  bool ImportPageRange(const TPdfDocument* Source, int PageIndex, int Count = -1, int Index = -1);
  // An empty list imports all pages.
  bool ImportPagesByIndex(const TPdfDocument& Source, const std::vector<int>& PageIndices,
                          int Index = -1);
  bool ApplyViewerPreferences(const TPdfDocument& Source);

  // Option goes to the engine as its save flags unchanged; FileVersion -1 keeps the document's
  // version. An error of the target stream or file raises, and so does a save the engine could
  // not finish; an existing file stays as it was then.
  void SaveToFile(const std::string& AFileName, std::uint8_t Option = 0, int FileVersion = -1);
  void SaveToStream(TPdfStream& Stream, std::uint8_t Option = 0, int FileVersion = -1);
  void SaveToBytes(std::vector<std::uint8_t>& Bytes, std::uint8_t Option = 0, int FileVersion = -1);

  // The embedded files.
  TPdfAttachmentList& Attachments() { return FAttachments; }

  std::string GetFileIdentifier(TPdfFileIdType IdType) const; // the identifier's bytes
  std::string GetMetaText(const std::string& TagName) const;  // UTF-8
  int FileVersion() const;                                    // 0 when the engine cannot tell
  std::uint32_t DocPermissions() const;
  int SecurityHandlerRevision() const;
  bool PrintScaling() const;
  int NumCopies() const;
  // The engine's process-wide print mode; loads the engine first, no document needed.
  static bool SetPrintMode(TPdfPrintMode PrintMode);

  // Form environment.
  FPDF_FORMHANDLE FormHandle() const { return FForm.get(); }
  bool FormModified() const { return FFormModified; }
  void SetFormModified(bool Value) { FFormModified = Value; }
  // Red in the low byte; handed to the engine unchanged for all field types.
  std::uint32_t FormFieldHighlightColor() const { return FFormFieldHighlightColor; }
  void SetFormFieldHighlightColor(std::uint32_t Value);
  int FormFieldHighlightAlpha() const { return FFormFieldHighlightAlpha; }
  // Kept within 0..255.
  void SetFormFieldHighlightAlpha(int Value);
  bool PrintHidesFormFieldHighlight() const { return FPrintHidesFormFieldHighlight; }
  void SetPrintHidesFormFieldHighlight(bool Value) { FPrintHidesFormFieldHighlight = Value; }
  // Hands the highlight colour and alpha to the engine's form environment.
  void ApplyFormHighlight();

  const TPdfFormInvalidateEvent& OnFormInvalidate() const { return FOnFormInvalidate; }
  void SetOnFormInvalidate(TPdfFormInvalidateEvent Value) { FOnFormInvalidate = std::move(Value); }
  const TPdfFormOutputSelectedRectEvent& OnFormOutputSelectedRect() const {
    return FOnFormOutputSelectedRect;
  }
  void SetOnFormOutputSelectedRect(TPdfFormOutputSelectedRectEvent Value) {
    FOnFormOutputSelectedRect = std::move(Value);
  }
  const TPdfFormGetCurrentPageEvent& OnFormGetCurrentPage() const { return FOnFormGetCurrentPage; }
  void SetOnFormGetCurrentPage(TPdfFormGetCurrentPageEvent Value) {
    FOnFormGetCurrentPage = std::move(Value);
  }
  const TPdfFormFieldFocusEvent& OnFormFieldFocus() const { return FOnFormFieldFocus; }
  void SetOnFormFieldFocus(TPdfFormFieldFocusEvent Value) { FOnFormFieldFocus = std::move(Value); }

  // Raises "PDF document is not open" when closed.
  void RequireOpen() const;

  // For the page objects.
  FPDF_PAGE ReopenPageHandle(const TPdfPage* Page);
  void ForgetPage(const TPdfPage* Page);
  // For the engine's unsupported-feature report.
  void NoteUnsupportedFeature() { FUnsupportedFeatures = true; }

private:
  // The reader of a custom or active-stream load. Held on the heap: the engine keeps the address
  // of FileAccess while the document is open.
  struct TCustomLoadDataRec {
    void* Param;
    TPdfDocumentCustomReadProc GetBlock;
    FPDF_FILEACCESS FileAccess;
  };

  void OpenFromMemory(const void* Buffer, std::int64_t Size, const std::string& Password);
  void OpenFromReader(TPdfDocumentCustomReadProc ReadFunc, std::uint32_t Size, void* Param,
                      const std::string& Password);
  void FinishOpen();
  // The highlight colour, the alpha, to the form environment if there is one.
  void PassHighlightColor();
  void PassHighlightAlpha();
  static int ForwardGetBlock(void* Param, unsigned long Position, unsigned char* Buffer,
                             unsigned long Size);
  static bool ReadFromFileHandle(void* Param, std::uint32_t Position, std::uint8_t* Buffer,
                                 std::uint32_t Size);
  static bool ReadFromStream(void* Param, std::uint32_t Position, std::uint8_t* Buffer,
                             std::uint32_t Size);
  bool ImportInto(const TPdfDocument& Source, const std::vector<int>* PageIndices,
                  const std::string& Range, int Index, bool ByRange);
  // Runs Load; on an exception closes the document and raises it again.
  template <typename TLoad> void Guarded(TLoad&& Load);

  TDocumentHandle FDocument;
  std::vector<std::unique_ptr<TPdfPage>> FPages;
  TPdfAttachmentList FAttachments;
  std::string FFileName;
  platform::TFile FFileHandle;
  platform::TFileMapping FFileMapping;
  std::unique_ptr<std::uint8_t[]> FBuffer; // a block the document allocated
  std::vector<std::uint8_t> FBytes;        // the bytes of LoadFromBytes
  bool FClosing = false;
  bool FUnsupportedFeatures = false;
  std::unique_ptr<TCustomLoadDataRec> FCustomLoadData;
  TFormHandle FForm;
  TPdfFormFillHandler FFormFillHandler{};
  std::uint32_t FFormFieldHighlightColor = 0xFFE4DD;
  int FFormFieldHighlightAlpha = 100;
  bool FPrintHidesFormFieldHighlight = true;
  bool FFormModified = false;
  TPdfFormInvalidateEvent FOnFormInvalidate;
  TPdfFormOutputSelectedRectEvent FOnFormOutputSelectedRect;
  TPdfFormGetCurrentPageEvent FOnFormGetCurrentPage;
  TPdfFormFieldFocusEvent FOnFormFieldFocus;
};
