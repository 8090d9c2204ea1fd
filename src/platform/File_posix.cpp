#include "platform/File.h"

#include "platform/OsError.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <limits>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {
int Fd(std::intptr_t Handle) {
  return static_cast<int>(Handle);
}

std::intptr_t OpenOrRaise(const std::string& FileName, int Flags) {
  int F;
  do
    F = ::open(FileName.c_str(), Flags | O_CLOEXEC, 0666);
  while (F < 0 && errno == EINTR);
  if (F < 0)
    RaiseOSError(errno);
  return F;
}
} // namespace

int TFile::EndOfFileErrorCode() {
  return ENODATA;
}

int TFile::FileExistsErrorCode() {
  return EEXIST;
}

std::intptr_t TFile::CreateNewHandle(const std::string& Name) {
  int F;
  do
    F = ::open(Name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  while (F < 0 && errno == EINTR);
  if (F < 0 && errno != EEXIST)
    RaiseOSError(errno);
  return F < 0 ? InvalidHandle : F;
}

TFile TFile::OpenRead(const std::string& FileName) {
  return TFile(OpenOrRaise(FileName, O_RDONLY));
}

TFile TFile::Create(const std::string& FileName) {
  return TFile(OpenOrRaise(FileName, O_RDWR | O_CREAT | O_TRUNC));
}

std::int64_t TFile::Size() const {
  struct stat St;
  if (::fstat(Fd(FHandle), &St) != 0)
    RaiseOSError(errno);
  return St.st_size;
}

std::int64_t TFile::Position() const {
  const off_t P = ::lseek(Fd(FHandle), 0, SEEK_CUR);
  if (P < 0)
    RaiseOSError(errno);
  return P;
}

void TFile::Seek(std::int64_t Position) {
  if (::lseek(Fd(FHandle), Position, SEEK_SET) < 0)
    RaiseOSError(errno);
}

std::size_t TFile::Read(void* Buffer, std::size_t Count) {
  ssize_t N;
  do
    N = ::read(Fd(FHandle), Buffer, Count);
  while (N < 0 && errno == EINTR);
  if (N < 0)
    RaiseOSError(errno);
  return static_cast<std::size_t>(N);
}

void TFile::Write(const void* Buffer, std::size_t Count) {
  const auto* Bytes = static_cast<const unsigned char*>(Buffer);
  while (Count > 0) {
    const ssize_t N = ::write(Fd(FHandle), Bytes, Count);
    if (N < 0 && errno == EINTR)
      continue;
    if (N <= 0)
      RaiseOSError(N < 0 ? errno : EIO);
    Bytes += N;
    Count -= static_cast<std::size_t>(N);
  }
}

bool TFile::ReadAt(std::uint64_t Position, void* Buffer, std::size_t Count) noexcept {
  if (!IsOpen() || Position > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max()))
    return false;
  auto* Bytes = static_cast<unsigned char*>(Buffer);
  while (Count > 0) {
    const ssize_t N = ::pread(Fd(FHandle), Bytes, Count, static_cast<off_t>(Position));
    if (N < 0 && errno == EINTR)
      continue;
    if (N <= 0)
      return false;
    Bytes += N;
    Position += static_cast<std::uint64_t>(N);
    Count -= static_cast<std::size_t>(N);
  }
  return true;
}

void TFile::Flush() {
  int R;
  do
    R = ::fsync(Fd(FHandle));
  while (R != 0 && errno == EINTR);
  if (R != 0)
    RaiseOSError(errno);
}

void TFile::Close() noexcept {
  if (FHandle != InvalidHandle) {
    ::close(Fd(FHandle));
    FHandle = InvalidHandle;
  }
}

void RenameFileReplacing(const std::string& Source, const std::string& Target) {
  if (::rename(Source.c_str(), Target.c_str()) != 0)
    RaiseOSError(errno);
}

void RemoveFileQuietly(const std::string& FileName) noexcept {
  ::unlink(FileName.c_str());
}

TFileMapping TFileMapping::MapReadOnly(const TFile& File, std::uint64_t Size) {
  if (Size > std::numeric_limits<std::size_t>::max())
    RaiseOSError(EFBIG);
  // mmap itself refuses an empty range (EINVAL), as the system of the original design does.
  void* View =
      ::mmap(nullptr, static_cast<std::size_t>(Size), PROT_READ, MAP_SHARED, Fd(File.Handle()), 0);
  if (View == MAP_FAILED)
    RaiseOSError(errno);
  TFileMapping Mapping;
  Mapping.FView = View;
  Mapping.FSize = static_cast<std::size_t>(Size);
  return Mapping;
}

void TFileMapping::Close() noexcept {
  if (FView) {
    ::munmap(FView, FSize);
    FView = nullptr;
    FSize = 0;
  }
  FMapping = 0;
}

} // namespace platform
