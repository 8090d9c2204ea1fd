#include "engine/PdfEngineApi.h"

#include "platform/DynamicLibrary.h"
#include "platform/FloatingPoint.h"
#include "platform/OsError.h"
#include "platform/WideString.h"

#include <stdexcept>

namespace {

// The two stubs of one signature: they ignore their arguments and raise.
template <typename F> struct TEngineStub;
template <typename R, typename... A> struct TEngineStub<R (*)(A...)> {
  static R NotLoaded(A...) { throw std::runtime_error("pdfium.dll is not loaded"); }
  static R NotSupported(A...) { throw std::runtime_error("PDFium function is not supported"); }
};

enum class TImportKind { Required, Optional, BuildDependent };
constexpr TImportKind Required = TImportKind::Required;
constexpr TImportKind Optional = TImportKind::Optional;
constexpr TImportKind BuildDependent = TImportKind::BuildDependent;

platform::LibraryHandle EngineModule = nullptr;

std::string IncludeTrailingDelimiter(const std::string& Path) {
  if (!Path.empty() && platform::IsPathDelimiter(Path.back()))
    return Path;
  return Path + platform::PathDelimiter;
}

// The directory part of a file name, without its trailing delimiter.
std::string ExtractFileDir(const std::string& FileName) {
  size_t I = FileName.size();
  while (I > 0 && !platform::IsPathDelimiter(FileName[I - 1]))
    --I;
  if (I == 0)
    return {};
  if (I > 1)
    --I; // drop the delimiter, but keep a lone root
  return FileName.substr(0, I);
}

std::string EmbeddedDataDirectory(const std::string& DllFileName, const std::string& ResDirectory) {
  if (!ResDirectory.empty())
    return IncludeTrailingDelimiter(ResDirectory);
  std::string Dir;
  if (!DllFileName.empty()) {
    Dir = ExtractFileDir(DllFileName);
    if (!Dir.empty())
      Dir = IncludeTrailingDelimiter(Dir);
  }
  if (Dir.empty()) {
    Dir = ExtractFileDir(platform::LibraryFilePath(EngineModule));
    if (!Dir.empty())
      Dir = IncludeTrailingDelimiter(Dir);
  }
  return Dir;
}

// Releases the engine at process exit when the program did not do so itself.
struct TEngineReleaseAtExit {
  ~TEngineReleaseAtExit() { ReleaseEngine(); }
} EngineReleaseAtExit;

} // namespace

// Constant-initialised, so every variable holds its not-loaded stub before any code runs.
#define ENGINE_IMPORT(Name, Result, Params, Kind) T##Name Name = &TEngineStub<T##Name>::NotLoaded;
#include "engine/PdfEngineImports.inc"
#undef ENGINE_IMPORT

const TEngineImportEntry EngineImportTable[EngineImportCount] = {
#define ENGINE_IMPORT(Name, Result, Params, Kind)                                                  \
  {reinterpret_cast<TEngineProc*>(&Name),                                                          \
   #Name,                                                                                          \
   Kind == BuildDependent,                                                                         \
   Kind != Required,                                                                               \
   reinterpret_cast<TEngineProc>(&TEngineStub<T##Name>::NotLoaded),                                \
   reinterpret_cast<TEngineProc>(&TEngineStub<T##Name>::NotSupported)},
#include "engine/PdfEngineImports.inc"
#undef ENGINE_IMPORT
};

void ResetEngineImports() {
  for (const TEngineImportEntry& Entry : EngineImportTable)
    *Entry.Proc = Entry.NotLoadedStub;
}

void LoadEngine(const std::string& DllFileName, const std::string& ResDirectory) {
  if (EngineModule)
    return;

  platform::MaskAllFloatingPointExceptions();

  const std::string FileName =
      DllFileName.empty() ? std::string(platform::EngineLibraryFileName) : DllFileName;
  platform::LibraryHandle Module = platform::LoadLibraryFile(FileName);
  if (!Module)
    platform::RaiseOSError(platform::LastLibraryError(), ".\n\n" + FileName);
  EngineModule = Module;

  for (const TEngineImportEntry& Entry : EngineImportTable) {
    if (*Entry.Proc != Entry.NotLoadedStub)
      continue;
    void* Address = platform::FindLibrarySymbol(EngineModule, Entry.Name);
    *Entry.Proc = reinterpret_cast<TEngineProc>(Address);
    if (Address)
      continue;
    if (!Entry.Tolerated && !Entry.Optional) {
      platform::FreeLibraryHandle(EngineModule);
      EngineModule = nullptr;
      ResetEngineImports();
      throw std::runtime_error(std::string("Symbol \"") + Entry.Name + "\" was not found in " +
                               platform::EngineLibraryFileName);
    }
    if (Entry.Tolerated && Entry.Optional)
      *Entry.Proc = Entry.NotSupportedStub;
    else if (Entry.Tolerated)
      *Entry.Proc = Entry.NotLoadedStub;
    // Optional only: stays null until the embedded-data step decides.
  }

  if (!FPDF_InitEmbeddedLibraries) {
    FPDF_InitEmbeddedLibraries = &TEngineStub<TFPDF_InitEmbeddedLibraries>::NotSupported;
  } else {
    const std::string Dir =
        platform::Utf8ToSystem8Bit(EmbeddedDataDirectory(DllFileName, ResDirectory));
    FPDF_InitEmbeddedLibraries(Dir.c_str());
  }

  FPDF_InitLibrary();
}

void LoadEngineFromDir(const std::string& DllDirectory, const std::string& ResDirectory) {
  if (DllDirectory.empty())
    LoadEngine({}, ResDirectory);
  else
    LoadEngine(IncludeTrailingDelimiter(DllDirectory) + platform::EngineLibraryFileName,
               ResDirectory);
}

bool EngineHasXfa() {
  const auto Proc = reinterpret_cast<TEngineProc>(FPDF_BStr_Init);
  return Proc && FPDF_BStr_Init != &TEngineStub<TFPDF_BStr_Init>::NotLoaded &&
         FPDF_BStr_Init != &TEngineStub<TFPDF_BStr_Init>::NotSupported;
}

bool EngineLoaded() {
  return EngineModule != nullptr;
}

void ReleaseEngine() {
  if (!EngineModule)
    return;
  FPDF_DestroyLibrary();
  platform::FreeLibraryHandle(EngineModule);
  EngineModule = nullptr;
}
