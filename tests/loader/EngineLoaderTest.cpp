// The engine loader against the real engine and against stand-in engines built from the import
// table. Every test runs in a process of its own, so each starts with no engine loaded.
#include "engine/PdfEngineApi.h"

#include "platform/DynamicLibrary.h"
#include "platform/ExecutablePath.h"
#include "platform/FloatingPoint.h"
#include "platform/OsError.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cfenv>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>

namespace {

const std::string Sep(1, platform::PathDelimiter);

// The stub's message names this system's engine library file.
const std::string NotLoadedText = std::string(platform::EngineLibraryFileName) + " is not loaded";


std::string EngineDir() {
  return platform::ExecutableDirectory() + Sep + "PDFium" + Sep + "x64";
}

std::string FakeDir(const std::string& Name) {
  return platform::ExecutableDirectory() + Sep + "fakes" + Sep + Name;
}

std::string FakeFile(const std::string& Name) {
  return FakeDir(Name) + Sep + platform::EngineLibraryFileName;
}

// A second reference to a loaded stand-in, to read what it recorded. It keeps the library mapped
// even after the loader releases its own reference.
struct TFakeProbe {
  explicit TFakeProbe(const std::string& Name)
      : Handle(platform::LoadLibraryFile(FakeFile(Name))) {}
  ~TFakeProbe() { platform::FreeLibraryHandle(Handle); }
  template <typename R> R Call(const char* Symbol) const {
    auto* Fn = reinterpret_cast<R (*)()>(platform::FindLibrarySymbol(Handle, Symbol));
    if (!Fn)
      throw std::logic_error(std::string("stand-in lacks ") + Symbol);
    return Fn();
  }
  int InitLibraryCalls() const { return Call<int>("FakeEngine_InitLibraryCalls"); }
  int DestroyLibraryCalls() const { return Call<int>("FakeEngine_DestroyLibraryCalls"); }
  int EmbeddedCalls() const { return Call<int>("FakeEngine_EmbeddedCalls"); }
  std::string ResourcePath() const { return Call<const char*>("FakeEngine_ResourcePath"); }
  platform::LibraryHandle Handle;
};

std::string MessageOf(const std::function<void()>& Call) {
  try {
    Call();
  } catch (const std::exception& E) {
    return E.what();
  }
  return "(no exception)";
}

const TEngineImportEntry& EntryNamed(const std::string& Name) {
  for (const TEngineImportEntry& Entry : EngineImportTable)
    if (Name == Entry.Name)
      return Entry;
  throw std::logic_error("no table entry " + Name);
}

const std::set<std::string> BuildDependentNames = {"FPDF_GetRecommendedV8Flags",
                                                   "FPDF_GetArrayBufferAllocatorSharedInstance",
                                                   "FPDF_BStr_Init",
                                                   "FPDF_BStr_Set",
                                                   "FPDF_BStr_Clear",
                                                   "FPDF_RenderPage",
                                                   "FPDF_SetPrintMode",
                                                   "FPDFFont_GetFontName",
                                                   "FPDFText_GetTextRenderMode"};

bool AllNotLoaded() {
  for (const TEngineImportEntry& Entry : EngineImportTable)
    if (*Entry.Proc != Entry.NotLoadedStub)
      return false;
  return true;
}

} // namespace

TEST(EngineImportTable, FlagsFollowTheKindsOfEntry) {
  std::set<std::string> Names;
  for (const TEngineImportEntry& Entry : EngineImportTable) {
    EXPECT_TRUE(Names.insert(Entry.Name).second) << "twice: " << Entry.Name;
    const bool BuildDependent = BuildDependentNames.count(Entry.Name) > 0;
    const bool Embedded = std::string(Entry.Name) == "FPDF_InitEmbeddedLibraries";
    EXPECT_EQ(Entry.Tolerated, BuildDependent) << Entry.Name;
    EXPECT_EQ(Entry.Optional, BuildDependent || Embedded) << Entry.Name;
  }
  EXPECT_STREQ(EngineImportTable[0].Name, "FPDF_InitLibrary");
  EXPECT_STREQ(EngineImportTable[414].Name, "FPDF_InitEmbeddedLibraries");
  EXPECT_STREQ(EngineImportTable[422].Name, "FPDFPage_GetThumbnailAsBitmap");
}

TEST(EngineLoader, BeforeLoadingEveryCallRaisesNotLoaded) {
  EXPECT_TRUE(AllNotLoaded());
  EXPECT_FALSE(EngineLoaded());
  EXPECT_EQ(MessageOf([] { FPDF_InitLibrary(); }), NotLoadedText);
  EXPECT_EQ(MessageOf([] { FPDF_GetPageCount(nullptr); }), NotLoadedText);
  EXPECT_FALSE(EngineHasXfa());
  // The stubs raise the general exception class, not an engine exception.
  EXPECT_THROW(FPDF_LoadPage(nullptr, 0), std::runtime_error);
}

TEST(EngineLoader, RealEngineLoadsAndWorks) {
#ifdef QUOLSA_NO_REAL_ENGINE
  GTEST_SKIP() << "this build has no real engine for its system";
#endif
  ASSERT_NO_THROW(LoadEngineFromDir(EngineDir(), ""));
  EXPECT_TRUE(EngineLoaded());
  // This build has no XFA forms and none of the four platform-dependent functions.
  EXPECT_FALSE(EngineHasXfa());
  EXPECT_EQ(MessageOf([] { FPDF_BStr_Init(nullptr); }), "PDFium function is not supported");
  EXPECT_EQ(MessageOf([] { FPDF_RenderPage(nullptr, nullptr, 0, 0, 1, 1, 0, 0); }),
            "PDFium function is not supported");
  EXPECT_EQ(MessageOf([] { FPDF_InitEmbeddedLibraries(""); }), "PDFium function is not supported");

  FPDF_DOCUMENT Doc = FPDF_CreateNewDocument();
  ASSERT_NE(Doc, nullptr);
  FPDF_PAGE Page = FPDFPage_New(Doc, 0, 595, 842);
  ASSERT_NE(Page, nullptr);
  EXPECT_FLOAT_EQ(FPDF_GetPageWidthF(Page), 595.0f);
  EXPECT_EQ(FPDF_GetPageCount(Doc), 1);
  FPDF_ClosePage(Page);
  FPDF_CloseDocument(Doc);
  for (const TEngineImportEntry& Entry : EngineImportTable)
    EXPECT_NE(*Entry.Proc, nullptr) << Entry.Name;
}

TEST(EngineLoader, MissingRequiredSymbolUndoesTheLoad) {
  EXPECT_EQ(MessageOf([] { LoadEngineFromDir(FakeDir("no_trailer_ends"), ""); }),
            std::string("Symbol \"FPDF_GetTrailerEnds\" was not found in ") +
                platform::EngineLibraryFileName);
  EXPECT_FALSE(EngineLoaded());
  // Resolved earlier in the same attempt, and stubbed again.
  EXPECT_TRUE(AllNotLoaded());
  EXPECT_EQ(MessageOf([] { FPDF_InitLibrary(); }), NotLoadedText);

  // A later load of a complete library succeeds.
  ASSERT_NO_THROW(LoadEngineFromDir(FakeDir("complete"), ""));
  TFakeProbe Probe("complete");
  EXPECT_EQ(Probe.InitLibraryCalls(), 1);
}

TEST(EngineLoader, FailedLoadReleasesTheLibrary) {
  const std::string File = FakeFile("no_trailer_ends");
  {
    TFakeProbe Probe("no_trailer_ends");
    ASSERT_TRUE(platform::LibraryFileIsLoaded(File));
  }
  ASSERT_FALSE(platform::LibraryFileIsLoaded(File));
  EXPECT_ANY_THROW(LoadEngineFromDir(FakeDir("no_trailer_ends"), ""));
  // The only reference was the loader's: the library is gone from the process.
  EXPECT_FALSE(platform::LibraryFileIsLoaded(File));
}

TEST(EngineLoader, TwoMissingSymbolsNameTheEarlierInTheTable) {
  // FPDFText_LoadPage sorts first by name; FPDF_GetTrailerEnds comes first in the table.
  EXPECT_EQ(MessageOf([] { LoadEngineFromDir(FakeDir("two_missing"), ""); }),
            std::string("Symbol \"FPDF_GetTrailerEnds\" was not found in ") +
                platform::EngineLibraryFileName);
}

TEST(EngineLoader, BuildDependentFunctionsMayBeMissing) {
  ASSERT_NO_THROW(LoadEngineFromDir(FakeDir("no_build_dependent"), ""));
  EXPECT_FALSE(EngineHasXfa());
  for (const std::string& Name : BuildDependentNames) {
    const TEngineImportEntry& Entry = EntryNamed(Name);
    EXPECT_EQ(*Entry.Proc, Entry.NotSupportedStub) << Name;
  }
  EXPECT_EQ(MessageOf([] { FPDF_BStr_Set(nullptr, "", 0); }), "PDFium function is not supported");
  EXPECT_EQ(MessageOf([] { FPDF_GetRecommendedV8Flags(); }), "PDFium function is not supported");
  EXPECT_EQ(MessageOf([] { FPDFText_GetTextRenderMode(nullptr, 0); }),
            "PDFium function is not supported");
}

TEST(EngineLoader, CompleteLibraryHasXfa) {
  ASSERT_NO_THROW(LoadEngineFromDir(FakeDir("complete"), ""));
  EXPECT_TRUE(EngineHasXfa());
}

TEST(EngineLoader, ResourceDirectoryHandedToTheEngine) {
  struct TCase {
    std::string Label;
    std::function<void()> Load;
    std::string Expected;
  };
  const std::string Dir = FakeDir("complete");
  const std::vector<TCase> Cases = {
      {"directory without delimiter", [&] { LoadEngineFromDir(Dir, ""); }, Dir + Sep},
      {"directory with delimiter", [&] { LoadEngineFromDir(Dir + Sep, ""); }, Dir + Sep},
      {"file name", [&] { LoadEngine(FakeFile("complete"), ""); }, Dir + Sep},
      {"resource directory", [&] { LoadEngineFromDir(Dir, Sep + "res"); }, Sep + "res" + Sep},
      {"resource directory with delimiter", [&] { LoadEngineFromDir(Dir, Sep + "res" + Sep); },
       Sep + "res" + Sep},
      // The bare name is found through the executable's run path; the directory is where the
      // system found it.
      {"empty directory", [&] { LoadEngineFromDir("", ""); }, Dir + Sep},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Label);
    TFakeProbe Probe("complete");
    ASSERT_NO_THROW(Case.Load());
    EXPECT_EQ(Probe.EmbeddedCalls(), 1);
    EXPECT_EQ(Probe.ResourcePath(), Case.Expected);
    EXPECT_EQ(Probe.InitLibraryCalls(), 1);
    ReleaseEngine(); // the probe keeps the library mapped, so its counters start from 0 again below
    ResetEngineImports();
  }
}

TEST(EngineLoader, MissingEmbeddedDataFunctionIsNotCalled) {
  ASSERT_NO_THROW(LoadEngineFromDir(FakeDir("no_embedded"), ""));
  TFakeProbe Probe("no_embedded");
  EXPECT_EQ(Probe.InitLibraryCalls(), 1);
  EXPECT_EQ(MessageOf([] { FPDF_InitEmbeddedLibraries("x"); }), "PDFium function is not supported");
}

TEST(EngineLoader, SecondLoadInitialisesNothingAgain) {
  ASSERT_NO_THROW(LoadEngineFromDir(FakeDir("complete"), ""));
  TFakeProbe Probe("complete");
  ASSERT_NO_THROW(LoadEngineFromDir(FakeDir("no_embedded"), "elsewhere"));
  ASSERT_NO_THROW(LoadEngine("", ""));
  EXPECT_EQ(Probe.InitLibraryCalls(), 1);
  EXPECT_EQ(Probe.EmbeddedCalls(), 1);
}

TEST(EngineLoader, ReleaseDestroysTheLibraryOnce) {
  ASSERT_NO_THROW(LoadEngineFromDir(FakeDir("complete"), ""));
  TFakeProbe Probe("complete");
  ReleaseEngine();
  ReleaseEngine();
  EXPECT_EQ(Probe.DestroyLibraryCalls(), 1);
  EXPECT_FALSE(EngineLoaded());
}

TEST(EngineLoader, LoadingMasksFloatingPointExceptions) {
  std::feclearexcept(FE_ALL_EXCEPT);
#ifdef __GLIBC__
  feenableexcept(FE_DIVBYZERO | FE_INVALID);
  ASSERT_FALSE(platform::AllFloatingPointExceptionsMasked());
#endif
  ASSERT_NO_THROW(LoadEngineFromDir(FakeDir("complete"), ""));
  EXPECT_TRUE(platform::AllFloatingPointExceptionsMasked());
}

TEST(EngineLoader, MissingLibraryFileGivesTheSystemErrorWithTheFileName) {
  const std::string Missing = Sep + "no such dir" + Sep + platform::EngineLibraryFileName;
  try {
    LoadEngineFromDir(Sep + "no such dir", "");
    FAIL() << "loaded a missing library";
  } catch (const platform::EOSError& E) {
    EXPECT_NE(E.Code, 0);
    EXPECT_EQ(E.what(), "システム エラー。コード: " + std::to_string(E.Code) + "。\r\n" +
                            platform::SysErrorMessage(E.Code) + ".\n\n" + Missing);
  }
  EXPECT_FALSE(EngineLoaded());
  EXPECT_TRUE(AllNotLoaded());
}

TEST(EngineLoader, FileThatIsNoLibraryGivesTheSystemError) {
  const auto Dir = std::filesystem::temp_directory_path() /
                   ("quolsa-notlib-" +
                    std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  std::filesystem::create_directories(Dir);
  const std::string File = (Dir / platform::EngineLibraryFileName).string();
  std::ofstream(File) << "this is text, not a library\n";
  const std::string Message = MessageOf([&] { LoadEngine(File, ""); });
  std::filesystem::remove_all(Dir);
  EXPECT_EQ(Message.rfind("システム エラー。コード: ", 0), 0u) << Message;
  EXPECT_EQ(Message.substr(Message.size() - File.size() - 3), ".\n\n" + File);
  EXPECT_FALSE(EngineLoaded());
}

TEST(OSErrorText, CodeZeroAndTrimmedDescriptions) {
  EXPECT_EQ(platform::OSErrorMessage(0, ".\n\nx"), "OS 機能呼び出しの失敗");
  const std::string Text = platform::SysErrorMessage(ENOENT);
  ASSERT_FALSE(Text.empty());
  EXPECT_NE(Text.back(), '.');
  EXPECT_NE(Text.back(), ' ');
  EXPECT_EQ(platform::OSErrorMessage(ENOENT, "!"),
            "システム エラー。コード: " + std::to_string(ENOENT) + "。\r\n" + Text + "!");
}
