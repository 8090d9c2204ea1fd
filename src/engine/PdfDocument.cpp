#include "engine/PdfDocument.h"

#include "engine/PdfEngineInit.h"
#include "engine/PdfException.h"
#include "engine/PdfPage.h"
#include "engine/PdfStream.h"
#include "engine/PdfUnicode.h"
#include "engine/PdfUnsupportedFeature.h"
#include "platform/WideString.h"

#include <algorithm>
#include <limits>

namespace {

// The engine's document actions.
constexpr int DocumentWillClose = 0x10;

// The field type of the engine's highlight calls that stands for every type.
constexpr int AllFieldTypes = 0;

// The reader interface carries 32-bit positions and sizes.
constexpr std::int64_t MaxReaderFileSize = 2147483647;

} // namespace

TPdfDocument::TPdfDocument() : FAttachments(this) {
  EnsureEngine();
}

TPdfDocument::~TPdfDocument() {
  // Closing pages with a focused field raises events; the owner of the handlers may be on its way
  // out already.
  FOnFormInvalidate = nullptr;
  FOnFormOutputSelectedRect = nullptr;
  FOnFormGetCurrentPage = nullptr;
  FOnFormFieldFocus = nullptr;
  Close();
}

void TPdfDocument::Close() {
  FClosing = true;
  // Each page object releases its engine handles (and form notifications) as it goes.
  std::vector<std::unique_ptr<TPdfPage>> Pages = std::move(FPages);
  FPages.clear();
  Pages.clear();
  FUnsupportedFeatures = false;
  if (FDocument) {
    if (FForm) {
      FORM_DoDocumentAAction(FForm.get(), DocumentWillClose);
      FForm.reset();
    }
    // The engine may read the backing store until here, so it goes only afterwards.
    FDocument.reset();
  }
  FCustomLoadData.reset();
  FFileMapping.Close();
  FBuffer.reset();
  FBytes = std::vector<std::uint8_t>(); // emptying alone would keep the block
  FFileHandle.Close();
  FFileName.clear();
  FFormModified = false;
  FClosing = false;
}

template <typename TLoad> void TPdfDocument::Guarded(TLoad&& Load) {
  try {
    Load();
  } catch (...) {
    Close();
    throw;
  }
}

void TPdfDocument::LoadFromFile(const std::string& AFileName, const std::string& APassword,
                                TPdfDocumentLoadOption ALoadOption) {
  Close();
  FFileHandle = platform::TFile::OpenRead(AFileName);
  Guarded([&] {
    const std::int64_t Size = FFileHandle.Size();
    TPdfDocumentLoadOption Option = ALoadOption;
    if (Option == dloOnDemand && Size > MaxReaderFileSize)
      Option = dloMMF;
    switch (Option) {
    case dloMemory:
      if (Size > 0) {
        FBuffer = std::make_unique_for_overwrite<std::uint8_t[]>(static_cast<std::size_t>(Size));
        try {
          FFileHandle.ReadExact(FBuffer.get(), static_cast<std::size_t>(Size));
        } catch (...) {
          FBuffer.reset();
          FFileHandle.Close();
          throw;
        }
        FFileHandle.Close();
        OpenFromMemory(FBuffer.get(), Size, APassword);
      }
      break;
    case dloMMF:
      FFileMapping = platform::TFileMapping::MapReadOnly(FFileHandle, Size);
      OpenFromMemory(FFileMapping.Data(), Size, APassword);
      break;
    case dloOnDemand:
      OpenFromReader(&ReadFromFileHandle, static_cast<std::uint32_t>(Size), &FFileHandle,
                     APassword);
      break;
    }
    FFileName = AFileName;
  });
}

void TPdfDocument::LoadFromStream(TPdfStream& AStream, const std::string& APassword) {
  Close();
  Guarded([&] {
    const std::int64_t Size = AStream.Size();
    if (Size < 1)
      return;
    FBuffer = std::make_unique_for_overwrite<std::uint8_t[]>(static_cast<std::size_t>(Size));
    AStream.ReadBuffer(FBuffer.get(), static_cast<std::size_t>(Size));
    OpenFromMemory(FBuffer.get(), Size, APassword);
  });
}

void TPdfDocument::LoadFromActiveStream(TPdfStream* Stream, const std::string& APassword) {
  Close();
  if (!Stream)
    return;
  Guarded([&] {
    OpenFromReader(&ReadFromStream, static_cast<std::uint32_t>(Stream->Size()), Stream, APassword);
  });
}

void TPdfDocument::LoadFromActiveBuffer(const void* Buffer, std::int64_t Size,
                                        const std::string& APassword) {
  Close();
  Guarded([&] { OpenFromMemory(Buffer, Size, APassword); });
}

void TPdfDocument::LoadFromBytes(std::vector<std::uint8_t> ABytes, const std::string& APassword) {
  const auto Count = static_cast<std::int64_t>(ABytes.size());
  LoadFromBytes(std::move(ABytes), 0, Count, APassword);
}

void TPdfDocument::LoadFromBytes(std::vector<std::uint8_t> ABytes, std::int64_t AIndex,
                                 std::int64_t ACount, const std::string& APassword) {
  Close();
  const auto Length = static_cast<std::int64_t>(ABytes.size());
  if (AIndex < 0 || AIndex >= Length)
    throw EPdfArgumentOutOfRange("Index", AIndex);
  if (ACount < 0 || ACount > Length - AIndex)
    throw EPdfArgumentOutOfRange("Count", ACount);
  FBytes = std::move(ABytes);
  Guarded([&] { OpenFromMemory(FBytes.data() + AIndex, ACount, APassword); });
}

void TPdfDocument::LoadFromCustom(TPdfDocumentCustomReadProc ReadFunc, std::uint32_t ASize,
                                  void* AParam, const std::string& APassword) {
  Close();
  Guarded([&] { OpenFromReader(ReadFunc, ASize, AParam, APassword); });
}

void TPdfDocument::OpenFromMemory(const void* Buffer, std::int64_t Size,
                                  const std::string& Password) {
  if (Size <= 0)
    return;
  {
    TLoadingDocumentScope Loading(this);
    FDocument.reset(
        FPDF_LoadMemDocument64(Buffer, static_cast<std::size_t>(Size), Password.c_str()));
  }
  FinishOpen();
}

void TPdfDocument::OpenFromReader(TPdfDocumentCustomReadProc ReadFunc, std::uint32_t Size,
                                  void* Param, const std::string& Password) {
  if (!ReadFunc)
    return;
  FCustomLoadData = std::make_unique<TCustomLoadDataRec>();
  FCustomLoadData->Param = Param;
  FCustomLoadData->GetBlock = ReadFunc;
  FCustomLoadData->FileAccess.m_FileLen = Size;
  FCustomLoadData->FileAccess.m_GetBlock = &ForwardGetBlock;
  FCustomLoadData->FileAccess.m_Param = this;
  TLoadingDocumentScope Loading(this);
  FDocument.reset(FPDF_LoadCustomDocument(&FCustomLoadData->FileAccess, Password.c_str()));
  FinishOpen();
}

int TPdfDocument::ForwardGetBlock(void* Param, unsigned long Position, unsigned char* Buffer,
                                  unsigned long Size) {
  // Called by the engine: a reader that throws counts as a failed read.
  try {
    const TCustomLoadDataRec* Data = static_cast<TPdfDocument*>(Param)->FCustomLoadData.get();
    if (!Data || Position > std::numeric_limits<std::uint32_t>::max() ||
        Size > std::numeric_limits<std::uint32_t>::max())
      return 0;
    return Data->GetBlock(Data->Param, static_cast<std::uint32_t>(Position), Buffer,
                          static_cast<std::uint32_t>(Size))
               ? 1
               : 0;
  } catch (...) {
    return 0;
  }
}

bool TPdfDocument::ReadFromFileHandle(void* Param, std::uint32_t Position, std::uint8_t* Buffer,
                                      std::uint32_t Size) {
  if (!Buffer)
    return Size == 0;
  return static_cast<platform::TFile*>(Param)->ReadAt(Position, Buffer, Size);
}

bool TPdfDocument::ReadFromStream(void* Param, std::uint32_t Position, std::uint8_t* Buffer,
                                  std::uint32_t Size) {
  if (!Buffer)
    return Size == 0;
  auto* Stream = static_cast<TPdfStream*>(Param);
  Stream->Seek(Position);
  std::size_t Done = 0;
  while (Done < Size) {
    const std::size_t N = Stream->Read(Buffer + Done, Size - Done);
    if (N == 0)
      return false;
    Done += N;
  }
  return true;
}

void TPdfDocument::FinishOpen() {
  FFormModified = false;
  if (!FDocument)
    RaiseEngineError();
  FPages.clear();
  FPages.resize(static_cast<std::size_t>(std::max(FPDF_GetPageCount(FDocument.get()), 0)));
  InitFormFillHandler(FFormFillHandler, this, EngineHasXfa());
  FForm.reset(FPDFDOC_InitFormFillEnvironment(FDocument.get(), &FFormFillHandler.FormFillInfo));
  if (!FForm)
    return;
  ApplyFormHighlight();
  FORM_DoDocumentJSAction(FForm.get());
  FORM_DoDocumentOpenAction(FForm.get());
}

void TPdfDocument::ApplyFormHighlight() {
  PassHighlightColor();
  PassHighlightAlpha();
}

void TPdfDocument::PassHighlightColor() {
  if (FForm)
    FPDF_SetFormFieldHighlightColor(FForm.get(), AllFieldTypes, FFormFieldHighlightColor);
}

void TPdfDocument::PassHighlightAlpha() {
  if (FForm)
    FPDF_SetFormFieldHighlightAlpha(FForm.get(),
                                    static_cast<unsigned char>(FFormFieldHighlightAlpha));
}

void TPdfDocument::SetFormFieldHighlightColor(std::uint32_t Value) {
  if (Value == FFormFieldHighlightColor)
    return;
  FFormFieldHighlightColor = Value;
  PassHighlightColor();
}

void TPdfDocument::SetFormFieldHighlightAlpha(int Value) {
  Value = std::clamp(Value, 0, 255);
  if (Value == FFormFieldHighlightAlpha)
    return;
  FFormFieldHighlightAlpha = Value;
  PassHighlightAlpha();
}

void TPdfDocument::RequireOpen() const {
  if (!FDocument)
    throw EPdfException(DocumentNotOpenMessage);
}

TPdfPage* TPdfDocument::Pages(int Index) {
  if (Index < 0 || Index >= PageCount())
    RaiseListIndexError(Index);
  std::unique_ptr<TPdfPage>& Slot = FPages[static_cast<std::size_t>(Index)];
  if (!Slot) {
    TPageHandle Handle(FPDF_LoadPage(FDocument.get(), Index));
    // The engine keeps no error code for pages.
    if (!Handle)
      RaiseEngineError(FPDF_ERR_PAGE);
    Slot.reset(new TPdfPage(this, std::move(Handle)));
  }
  return Slot.get();
}

bool TPdfDocument::IsPageLoaded(int PageIndex) const {
  if (PageIndex < 0 || PageIndex >= PageCount())
    return false;
  const std::unique_ptr<TPdfPage>& Slot = FPages[static_cast<std::size_t>(PageIndex)];
  return Slot && Slot->IsLoaded();
}

TPdfPoint TPdfDocument::PageSizes(int Index) const {
  RequireOpen();
  FS_SIZEF Size{};
  if (!FPDF_GetPageSizeByIndexF(FDocument.get(), Index, &Size))
    return {};
  return {Size.width, Size.height};
}

TPdfPage* TPdfDocument::PageByHandle(FPDF_PAGE Handle) const {
  if (!Handle)
    return nullptr;
  for (const std::unique_ptr<TPdfPage>& Page : FPages)
    if (Page && Page->LoadedHandle() == Handle)
      return Page.get();
  return nullptr;
}

FPDF_PAGE TPdfDocument::ReopenPageHandle(const TPdfPage* Page) {
  RequireOpen();
  const auto It =
      std::find_if(FPages.begin(), FPages.end(),
                   [Page](const std::unique_ptr<TPdfPage>& P) { return P.get() == Page; });
  FPDF_PAGE Handle =
      It == FPages.end() ? nullptr : FPDF_LoadPage(FDocument.get(), int(It - FPages.begin()));
  if (!Handle)
    RaiseEngineError(FPDF_ERR_PAGE);
  return Handle;
}

void TPdfDocument::ForgetPage(const TPdfPage* Page) {
  if (FClosing)
    return;
  const auto It =
      std::find_if(FPages.begin(), FPages.end(),
                   [Page](const std::unique_ptr<TPdfPage>& P) { return P.get() == Page; });
  if (It != FPages.end()) {
    // The page is being destroyed by its owner already: only the slot goes.
    (void)It->release();
    FPages.erase(It);
  }
}

std::string TPdfDocument::GetFileIdentifier(TPdfFileIdType IdType) const {
  RequireOpen();
  const unsigned long Length = FPDF_GetFileIdentifier(FDocument.get(), IdType, nullptr, 0);
  if (Length <= 1)
    return {};
  std::string Result(Length, '\0');
  FPDF_GetFileIdentifier(FDocument.get(), IdType, Result.data(), Length);
  Result.resize(Length - 1);
  return Result;
}

std::string TPdfDocument::GetMetaText(const std::string& TagName) const {
  RequireOpen();
  const std::string Tag = platform::Utf8ToSystem8Bit(TagName);
  const unsigned long Length = FPDF_GetMetaText(FDocument.get(), Tag.c_str(), nullptr, 0);
  const long N = static_cast<long>(Length / 2) - 1;
  if (N <= 0)
    return {};
  // Room for the terminator the engine writes as well.
  std::u16string Value(static_cast<std::size_t>(N) + 1, u'\0');
  FPDF_GetMetaText(FDocument.get(), Tag.c_str(), Value.data(),
                   static_cast<unsigned long>((N + 1) * 2));
  Value.resize(static_cast<std::size_t>(N));
  return Utf16ToUtf8(Value);
}

int TPdfDocument::FileVersion() const {
  RequireOpen();
  int Version = 0;
  return FPDF_GetFileVersion(FDocument.get(), &Version) ? Version : 0;
}

std::uint32_t TPdfDocument::DocPermissions() const {
  RequireOpen();
  return static_cast<std::uint32_t>(FPDF_GetDocPermissions(FDocument.get()));
}

int TPdfDocument::SecurityHandlerRevision() const {
  RequireOpen();
  return FPDF_GetSecurityHandlerRevision(FDocument.get());
}

bool TPdfDocument::PrintScaling() const {
  RequireOpen();
  return FPDF_VIEWERREF_GetPrintScaling(FDocument.get()) != 0;
}

int TPdfDocument::NumCopies() const {
  RequireOpen();
  return FPDF_VIEWERREF_GetNumCopies(FDocument.get());
}

bool TPdfDocument::SetPrintMode(TPdfPrintMode PrintMode) {
  EnsureEngine();
  return FPDF_SetPrintMode(PrintMode) != 0;
}
