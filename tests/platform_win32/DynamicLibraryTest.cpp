// Loading libraries on Windows: the error mode during the load, error codes, symbols, file names.
#include "TestFiles.h"

#include "platform/DynamicLibrary.h"

#include <fstream>
#include <gtest/gtest.h>
#include <windows.h>

namespace {

using TProbeErrorMode = UINT (*)();
using TProbeAnswer = int (*)();

// Restores the process's error mode when a test is done.
class TErrorModeGuard {
public:
  TErrorModeGuard() : FSaved(::GetErrorMode()) {}
  ~TErrorModeGuard() { ::SetErrorMode(FSaved); }
  TErrorModeGuard(const TErrorModeGuard&) = delete;
  TErrorModeGuard& operator=(const TErrorModeGuard&) = delete;

private:
  UINT FSaved;
};

// A loaded library, released at the end of the scope.
class TLoaded {
public:
  explicit TLoaded(const std::string& FileName) : FHandle(platform::LoadLibraryFile(FileName)) {}
  ~TLoaded() { platform::FreeLibraryHandle(FHandle); }
  TLoaded(const TLoaded&) = delete;
  TLoaded& operator=(const TLoaded&) = delete;

  platform::LibraryHandle Handle() const { return FHandle; }

private:
  platform::LibraryHandle FHandle;
};

bool SameFile(const std::filesystem::path& A, const std::filesystem::path& B) {
  return std::filesystem::equivalent(A, B);
}

} // namespace

TEST(DynamicLibraryWin32, LoadsByFullPathAndResolvesItsSymbols) {
  const std::string FileName = Utf8(ProbeLibraryPath());
  TLoaded Library(FileName);
  ASSERT_NE(Library.Handle(), nullptr) << FileName << ": error " << platform::LastLibraryError();

  auto Answer =
      reinterpret_cast<TProbeAnswer>(platform::FindLibrarySymbol(Library.Handle(), "ProbeAnswer"));
  ASSERT_NE(Answer, nullptr);
  EXPECT_EQ(Answer(), 42);
  EXPECT_EQ(platform::FindLibrarySymbol(Library.Handle(), "NoSuchSymbol"), nullptr);

  const std::string Loaded = platform::LibraryFilePath(Library.Handle());
  EXPECT_TRUE(SameFile(PathFromUtf8(Loaded), ProbeLibraryPath())) << Loaded;
}

// The system is told not to show its own box for a file it cannot open, for the load only.
TEST(DynamicLibraryWin32, SuppressesTheOpenFileErrorBoxWhileLoadingOnly) {
  TErrorModeGuard Guard;
  for (UINT Before : {0u, static_cast<UINT>(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX)}) {
    SCOPED_TRACE("error mode before: " + std::to_string(Before));
    ::SetErrorMode(Before);
    TLoaded Library(Utf8(ProbeLibraryPath()));
    ASSERT_NE(Library.Handle(), nullptr);
    EXPECT_EQ(::GetErrorMode(), Before);

    auto ModeAtLoad = reinterpret_cast<TProbeErrorMode>(
        platform::FindLibrarySymbol(Library.Handle(), "ProbeErrorModeAtLoad"));
    ASSERT_NE(ModeAtLoad, nullptr);
    EXPECT_EQ(ModeAtLoad(), static_cast<UINT>(SEM_NOOPENFILEERRORBOX));
  }
}

TEST(DynamicLibraryWin32, ReportsWhyALoadFailedAndRestoresTheErrorMode) {
  TErrorModeGuard Guard;
  TTempDirectory Dir;
  const auto NotALibrary = Dir.Path() / L"notalibrary.dll";
  std::ofstream(NotALibrary) << "this is text, not a program\n";

  const struct {
    const char* Case;
    std::string FileName;
    int Error;
  } Cases[] = {
      {"missing file", Utf8(Dir.Path() / L"missing.dll"), ERROR_MOD_NOT_FOUND},
      {"bare name not on the search path", "quolsa-no-such-library.dll", ERROR_MOD_NOT_FOUND},
      {"file that is no library", Utf8(NotALibrary), ERROR_BAD_EXE_FORMAT},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Case);
    ::SetErrorMode(SEM_FAILCRITICALERRORS);
    TLoaded Library(C.FileName);
    EXPECT_EQ(Library.Handle(), nullptr);
    EXPECT_EQ(platform::LastLibraryError(), C.Error);
    EXPECT_EQ(::GetErrorMode(), static_cast<UINT>(SEM_FAILCRITICALERRORS));
  }
}

// File names are UTF-8 text; the system is called with their UTF-16 form and answers with it.
TEST(DynamicLibraryWin32, LoadsFromAFolderWithAJapaneseName) {
  TTempDirectory Dir;
  const auto Folder = Dir.Path() / L"文書 フォルダ";
  std::filesystem::create_directory(Folder);
  const auto Copy = Folder / L"probe.dll";
  std::filesystem::copy_file(ProbeLibraryPath(), Copy);

  TLoaded Library(Utf8(Copy));
  ASSERT_NE(Library.Handle(), nullptr) << "error " << platform::LastLibraryError();
  const std::string Loaded = platform::LibraryFilePath(Library.Handle());
  EXPECT_NE(Loaded.find("文書 フォルダ"), std::string::npos) << Loaded;
  EXPECT_TRUE(SameFile(PathFromUtf8(Loaded), Copy));
}

TEST(DynamicLibraryWin32, KnowsTheSystemsFileNamesAndDelimiters) {
  EXPECT_STREQ(platform::EngineLibraryFileName, "pdfium.dll");
  EXPECT_EQ(platform::PathDelimiter, '\\');
  EXPECT_TRUE(platform::IsPathDelimiter('\\'));
  EXPECT_TRUE(platform::IsPathDelimiter('/'));
  EXPECT_FALSE(platform::IsPathDelimiter(':'));
}
