// Files and read-only file mappings on Windows: the bytes, the system's sharing rules while a file
// is open or mapped, and its release.
#include "TestFiles.h"

#include "platform/File.h"
#include "platform/OsError.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace {

void WriteFile(const std::filesystem::path& Path, const std::string& Bytes) {
  std::ofstream(Path, std::ios::binary) << Bytes;
}

// What another program gets when it tries to open the file for writing: 0 when it may.
DWORD ErrorOpeningForWriting(const std::filesystem::path& Path) {
  HANDLE F = ::CreateFileW(Path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (F == INVALID_HANDLE_VALUE)
    return ::GetLastError();
  ::CloseHandle(F);
  return 0;
}

MEMORY_BASIC_INFORMATION RegionOf(const void* Address) {
  MEMORY_BASIC_INFORMATION Info{};
  ::VirtualQuery(Address, &Info, sizeof Info);
  return Info;
}

int ErrorCodeOf(void (*Call)(const std::string&), const std::string& Argument) {
  try {
    Call(Argument);
  } catch (const platform::EOSError& E) {
    return E.Code;
  }
  return 0;
}

} // namespace

TEST(FileWin32, MapsTheWholeFileFromAJapaneseName) {
  TTempDirectory Dir;
  const auto Path = Dir.Path() / L"図面 一覧.pdf";
  const std::string Bytes = std::string("%PDF-1.7\r\n\0\xff", 13) + std::string(70000, 'x');
  WriteFile(Path, Bytes);

  platform::TFile File = platform::TFile::OpenRead(Utf8(Path));
  ASSERT_EQ(File.Size(), static_cast<std::int64_t>(Bytes.size()));
  platform::TFileMapping Mapping = platform::TFileMapping::MapReadOnly(File, File.Size());
  ASSERT_TRUE(Mapping.IsMapped());
  ASSERT_EQ(Mapping.Size(), Bytes.size());
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(Mapping.Data()), Mapping.Size()), Bytes);
}

TEST(FileWin32, AnOpenFileIsKeptFromWritersAndTheMappingIsReleased) {
  TTempDirectory Dir;
  const auto Path = Dir.Path() / L"shown.pdf";
  WriteFile(Path, "%PDF-1.4 some bytes");

  platform::TFile File = platform::TFile::OpenRead(Utf8(Path));
  EXPECT_EQ(ErrorOpeningForWriting(Path), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  platform::TFileMapping Mapping = platform::TFileMapping::MapReadOnly(File, File.Size());
  const void* View = Mapping.Data();
  EXPECT_EQ(RegionOf(View).Type, static_cast<DWORD>(MEM_MAPPED));

  Mapping.Close();
  EXPECT_FALSE(Mapping.IsMapped());
  EXPECT_EQ(RegionOf(View).State, static_cast<DWORD>(MEM_FREE));
  File.Close();
  EXPECT_EQ(ErrorOpeningForWriting(Path), 0u);
  EXPECT_TRUE(::DeleteFileW(Path.c_str())) << "error " << ::GetLastError();
}

TEST(FileWin32, FailuresCarryTheSystemsCodes) {
  TTempDirectory Dir;
  const auto Empty = Dir.Path() / L"empty.pdf";
  WriteFile(Empty, "");

  EXPECT_EQ(ErrorCodeOf([](const std::string& F) { platform::TFile::OpenRead(F); },
                        Utf8(Dir.Path() / L"missing.pdf")),
            ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(ErrorCodeOf([](const std::string& F) { platform::TFile::OpenRead(F); },
                        Utf8(Dir.Path() / L"no folder" / L"x.pdf")),
            ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(ErrorCodeOf(
                [](const std::string& F) {
                  platform::TFile File = platform::TFile::OpenRead(F);
                  platform::TFileMapping::MapReadOnly(File, 0);
                },
                Utf8(Empty)),
            ERROR_FILE_INVALID);
  EXPECT_EQ(ErrorCodeOf(
                [](const std::string& F) {
                  platform::TFile File = platform::TFile::OpenRead(F);
                  char Byte;
                  File.ReadExact(&Byte, 1);
                },
                Utf8(Empty)),
            ERROR_HANDLE_EOF);
}
