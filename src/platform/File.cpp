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

TFile TFile::CreateBeside(const std::string& FileName, std::string& TempName) {
  // A name left behind by an earlier run is skipped.
  constexpr int Attempts = 1000;
  for (int Attempt = 0; Attempt < Attempts; ++Attempt) {
    TempName = FileName + ".~" + std::to_string(Attempt) + ".tmp";
    const std::intptr_t Handle = CreateNewHandle(TempName);
    if (Handle != InvalidHandle)
      return TFile(Handle);
  }
  TempName.clear();
  RaiseOSError(FileExistsErrorCode());
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
