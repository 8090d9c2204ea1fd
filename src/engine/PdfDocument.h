// One PDF document opened in the engine, with the backing store the engine reads from and its
// page objects.
#pragma once

#include "engine/PdfEngineHandles.h"
#include "engine/PdfFormFill.h"
#include "engine/PdfGeometry.h"
#include "platform/File.h"

#include <cstdint>
#include <memory>
#include <string>
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
  std::uint32_t FormFieldHighlightColor() const { return FFormFieldHighlightColor; }
  int FormFieldHighlightAlpha() const { return FFormFieldHighlightAlpha; }
  bool PrintHidesFormFieldHighlight() const { return FPrintHidesFormFieldHighlight; }
  void SetPrintHidesFormFieldHighlight(bool Value) { FPrintHidesFormFieldHighlight = Value; }
  // Hands the highlight colour and alpha to the engine's form environment.
  void ApplyFormHighlight();

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
  static int ForwardGetBlock(void* Param, unsigned long Position, unsigned char* Buffer,
                             unsigned long Size);
  static bool ReadFromFileHandle(void* Param, std::uint32_t Position, std::uint8_t* Buffer,
                                 std::uint32_t Size);
  static bool ReadFromStream(void* Param, std::uint32_t Position, std::uint8_t* Buffer,
                             std::uint32_t Size);
  // Runs Load; on an exception closes the document and raises it again.
  template <typename TLoad> void Guarded(TLoad&& Load);

  TDocumentHandle FDocument;
  std::vector<std::unique_ptr<TPdfPage>> FPages;
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
};
