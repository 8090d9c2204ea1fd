#include "platform/File.h"

#include "platform/OsError.h"

#include <utility>

namespace platform {

TFile::TFile(TFile&& Other) noexcept : FHandle(std::exchange(Other.FHandle, InvalidHandle)) {}

TFile& TFile::operator=(TFile&& Other) noexcept {
  if (this != &Other) {
    Close();
    FHandle = std::exchange(Other.FHandle, InvalidHandle);
  }
  return *this;
}

void TFile::ReadExact(void* Buffer, std::size_t Count) {
  auto* Bytes = static_cast<unsigned char*>(Buffer);
  std::size_t Done = 0;
  while (Done < Count) {
    const std::size_t N = Read(Bytes + Done, Count - Done);
    if (N == 0)
      RaiseOSError(EndOfFileErrorCode());
    Done += N;
  }
}

TFileMapping::TFileMapping(TFileMapping&& Other) noexcept
    : FMapping(std::exchange(Other.FMapping, 0)), FView(std::exchange(Other.FView, nullptr)),
      FSize(std::exchange(Other.FSize, 0)) {}

TFileMapping& TFileMapping::operator=(TFileMapping&& Other) noexcept {
  if (this != &Other) {
    Close();
    FMapping = std::exchange(Other.FMapping, 0);
    FView = std::exchange(Other.FView, nullptr);
    FSize = std::exchange(Other.FSize, 0);
  }
  return *this;
}

} // namespace platform
