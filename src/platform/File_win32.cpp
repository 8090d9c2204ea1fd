#include "platform/File.h"

#include "platform/OsError.h"
#include "platform/WideString.h"

#include <windows.h>

namespace platform {

namespace {
HANDLE H(std::intptr_t Handle) {
  return reinterpret_cast<HANDLE>(Handle);
}

std::intptr_t OpenOrRaise(const std::string& FileName, DWORD Access, DWORD Disposition) {
  HANDLE F = ::CreateFileW(Utf8ToWide(FileName).c_str(), Access, FILE_SHARE_READ, nullptr,
                           Disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (F == INVALID_HANDLE_VALUE)
    RaiseOSError(static_cast<int>(::GetLastError()));
  return reinterpret_cast<std::intptr_t>(F);
}

// ReadFile and WriteFile take at most a DWORD per call.
DWORD Chunk(std::size_t Count) {
  return Count > 0x40000000u ? 0x40000000u : DWORD(Count);
}
} // namespace

int TFile::EndOfFileErrorCode() {
  return ERROR_HANDLE_EOF;
}

int TFile::FileExistsErrorCode() {
  return ERROR_FILE_EXISTS;
}

std::intptr_t TFile::CreateNewHandle(const std::string& Name) {
  HANDLE F = ::CreateFileW(Utf8ToWide(Name).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                           nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (F != INVALID_HANDLE_VALUE)
    return reinterpret_cast<std::intptr_t>(F);
  const DWORD Code = ::GetLastError();
  if (Code != ERROR_FILE_EXISTS && Code != ERROR_ALREADY_EXISTS)
    RaiseOSError(static_cast<int>(Code));
  return InvalidHandle;
}

TFile TFile::OpenRead(const std::string& FileName) {
  return TFile(OpenOrRaise(FileName, GENERIC_READ, OPEN_EXISTING));
}

TFile TFile::Create(const std::string& FileName) {
  return TFile(OpenOrRaise(FileName, GENERIC_READ | GENERIC_WRITE, CREATE_ALWAYS));
}

std::int64_t TFile::Size() const {
  LARGE_INTEGER S;
  if (!::GetFileSizeEx(H(FHandle), &S))
    RaiseOSError(static_cast<int>(::GetLastError()));
  return S.QuadPart;
}

std::int64_t TFile::Position() const {
  LARGE_INTEGER Zero{}, P;
  if (!::SetFilePointerEx(H(FHandle), Zero, &P, FILE_CURRENT))
    RaiseOSError(static_cast<int>(::GetLastError()));
  return P.QuadPart;
}

void TFile::Seek(std::int64_t Position) {
  LARGE_INTEGER P;
  P.QuadPart = Position;
  if (!::SetFilePointerEx(H(FHandle), P, nullptr, FILE_BEGIN))
    RaiseOSError(static_cast<int>(::GetLastError()));
}

std::size_t TFile::Read(void* Buffer, std::size_t Count) {
  DWORD N = 0;
  if (!::ReadFile(H(FHandle), Buffer, Chunk(Count), &N, nullptr))
    RaiseOSError(static_cast<int>(::GetLastError()));
  return N;
}

void TFile::Write(const void* Buffer, std::size_t Count) {
  const auto* Bytes = static_cast<const unsigned char*>(Buffer);
  while (Count > 0) {
    DWORD N = 0;
    if (!::WriteFile(H(FHandle), Bytes, Chunk(Count), &N, nullptr))
      RaiseOSError(static_cast<int>(::GetLastError()));
    if (N == 0)
      RaiseOSError(ERROR_WRITE_FAULT);
    Bytes += N;
    Count -= N;
  }
}

bool TFile::ReadAt(std::uint64_t Position, void* Buffer, std::size_t Count) noexcept {
  if (!IsOpen())
    return false;
  LARGE_INTEGER P;
  P.QuadPart = static_cast<LONGLONG>(Position);
  if (!::SetFilePointerEx(H(FHandle), P, nullptr, FILE_BEGIN))
    return false;
  auto* Bytes = static_cast<unsigned char*>(Buffer);
  while (Count > 0) {
    DWORD N = 0;
    if (!::ReadFile(H(FHandle), Bytes, Chunk(Count), &N, nullptr) || N == 0)
      return false;
    Bytes += N;
    Count -= N;
  }
  return true;
}

void TFile::Flush() {
  if (!::FlushFileBuffers(H(FHandle)))
    RaiseOSError(static_cast<int>(::GetLastError()));
}

void TFile::Close() noexcept {
  if (FHandle != InvalidHandle) {
    ::CloseHandle(H(FHandle));
    FHandle = InvalidHandle;
  }
}

void RenameFileReplacing(const std::string& Source, const std::string& Target) {
  if (!::MoveFileExW(Utf8ToWide(Source).c_str(), Utf8ToWide(Target).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    RaiseOSError(static_cast<int>(::GetLastError()));
}

void RemoveFileQuietly(const std::string& FileName) noexcept {
  ::DeleteFileW(Utf8ToWide(FileName).c_str());
}

TFileMapping TFileMapping::MapReadOnly(const TFile& File, std::uint64_t Size) {
  if (Size > static_cast<std::uint64_t>(SIZE_MAX))
    RaiseOSError(ERROR_NOT_ENOUGH_MEMORY);
  // An empty file cannot be mapped: CreateFileMappingW fails with ERROR_FILE_INVALID.
  HANDLE Mapping = ::CreateFileMappingW(H(File.Handle()), nullptr, PAGE_READONLY, 0, 0, nullptr);
  if (!Mapping)
    RaiseOSError(static_cast<int>(::GetLastError()));
  void* View = ::MapViewOfFile(Mapping, FILE_MAP_READ, 0, 0, static_cast<SIZE_T>(Size));
  if (!View) {
    const int Code = static_cast<int>(::GetLastError());
    ::CloseHandle(Mapping);
    RaiseOSError(Code);
  }
  TFileMapping Result;
  Result.FMapping = reinterpret_cast<std::intptr_t>(Mapping);
  Result.FView = View;
  Result.FSize = static_cast<std::size_t>(Size);
  return Result;
}

void TFileMapping::Close() noexcept {
  if (FView) {
    ::UnmapViewOfFile(FView);
    FView = nullptr;
    FSize = 0;
  }
  if (FMapping) {
    ::CloseHandle(reinterpret_cast<HANDLE>(FMapping));
    FMapping = 0;
  }
}

} // namespace platform
