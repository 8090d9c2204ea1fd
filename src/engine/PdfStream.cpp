#include "engine/PdfStream.h"

#include <algorithm>
#include <cstring>

void TPdfStream::ReadBuffer(void* Buffer, std::size_t Count) {
  auto* Bytes = static_cast<std::uint8_t*>(Buffer);
  std::size_t Done = 0;
  while (Done < Count) {
    const std::size_t N = Read(Bytes + Done, Count - Done);
    if (N == 0)
      throw EStreamError("Stream read error");
    Done += N;
  }
}

void TPdfStream::WriteBuffer(const void* Buffer, std::size_t Count) {
  if (Write(Buffer, Count) != Count)
    throw EStreamError("Stream write error");
}

void TPdfMemoryStream::Seek(std::int64_t Position) {
  if (Position < 0)
    throw EStreamError("Invalid stream position");
  FPosition = Position;
}

std::size_t TPdfMemoryStream::Read(void* Buffer, std::size_t Count) {
  const auto Size = static_cast<std::int64_t>(FBytes.size());
  if (FPosition >= Size || Count == 0)
    return 0;
  const std::size_t N = std::min(Count, static_cast<std::size_t>(Size - FPosition));
  std::memcpy(Buffer, FBytes.data() + FPosition, N);
  FPosition += static_cast<std::int64_t>(N);
  return N;
}

std::size_t TPdfMemoryStream::Write(const void* Buffer, std::size_t Count) {
  if (Count == 0)
    return 0;
  const std::size_t End = static_cast<std::size_t>(FPosition) + Count;
  if (End > FBytes.size())
    FBytes.resize(End);
  std::memcpy(FBytes.data() + FPosition, Buffer, Count);
  FPosition = static_cast<std::int64_t>(End);
  return Count;
}

void TPdfMemoryStream::SetSize(std::int64_t NewSize) {
  FBytes.resize(static_cast<std::size_t>(std::max<std::int64_t>(NewSize, 0)));
}

std::vector<std::uint8_t> TPdfMemoryStream::TakeBytes() {
  std::vector<std::uint8_t> Result = std::move(FBytes);
  FBytes.clear();
  FPosition = 0;
  return Result;
}

TPdfFileStream::TPdfFileStream(const std::string& FileName, TPdfFileStreamMode Mode) {
  switch (Mode) {
  case fsmOpenRead:
    FFile = platform::TFile::OpenRead(FileName);
    break;
  case fsmCreate:
    FFile = platform::TFile::Create(FileName);
    break;
  case fsmReplace:
    FReplacement.emplace(FileName);
    break;
  }
}

void TPdfFileStream::Commit() {
  if (!FReplacement)
    return;
  FReplacement->Commit();
  FReplacement.reset();
}

std::size_t TPdfFileStream::Write(const void* Buffer, std::size_t Count) {
  File().Write(Buffer, Count);
  return Count;
}
