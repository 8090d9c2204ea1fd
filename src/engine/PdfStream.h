// Byte streams: sized, seekable, readable and writable. Documents load from them, saving and
// attachments write to them.
#pragma once

#include "platform/File.h"
#include "platform/FileReplacement.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// A stream delivered or took fewer bytes than asked for.
class EStreamError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

class TPdfStream {
public:
  virtual ~TPdfStream() = default;

  virtual std::int64_t Size() = 0;
  virtual std::int64_t Position() = 0;
  // Moves to Position bytes from the beginning.
  virtual void Seek(std::int64_t Position) = 0;
  // Reads up to Count bytes; answers how many were read (0 at the end).
  virtual std::size_t Read(void* Buffer, std::size_t Count) = 0;
  // Writes Count bytes; answers how many were written.
  virtual std::size_t Write(const void* Buffer, std::size_t Count) = 0;

  // Exactly Count bytes, else EStreamError "Stream read error".
  void ReadBuffer(void* Buffer, std::size_t Count);
  // Exactly Count bytes, else EStreamError "Stream write error".
  void WriteBuffer(const void* Buffer, std::size_t Count);
};

// A stream in memory that grows as it is written.
class TPdfMemoryStream : public TPdfStream {
public:
  TPdfMemoryStream() = default;
  explicit TPdfMemoryStream(std::vector<std::uint8_t> Bytes) : FBytes(std::move(Bytes)) {}

  std::int64_t Size() override { return static_cast<std::int64_t>(FBytes.size()); }
  std::int64_t Position() override { return FPosition; }
  void Seek(std::int64_t Position) override;
  std::size_t Read(void* Buffer, std::size_t Count) override;
  std::size_t Write(const void* Buffer, std::size_t Count) override;

  // Grows (with zero bytes) or cuts the stream; the position stays.
  void SetSize(std::int64_t NewSize);
  std::uint8_t* Memory() { return FBytes.data(); }
  const std::vector<std::uint8_t>& Bytes() const { return FBytes; }
  // Hands the bytes over and leaves the stream empty.
  std::vector<std::uint8_t> TakeBytes();

private:
  std::vector<std::uint8_t> FBytes;
  std::int64_t FPosition = 0;
};

enum TPdfFileStreamMode {
  fsmOpenRead, // an existing file, for reading; other readers may share it
  fsmCreate,   // created or emptied, for writing; other writers denied
  fsmReplace   // written under a temporary name beside the file, which Commit puts in its place;
               // other writers denied
};

// A stream over a file. Opening errors are the platform's EOSError.
class TPdfFileStream : public TPdfStream {
public:
  TPdfFileStream(const std::string& FileName, TPdfFileStreamMode Mode);
  // With fsmReplace, a stream dropped without Commit removes what it wrote and leaves a file of
  // the same name as it was.
  ~TPdfFileStream() override = default;
  TPdfFileStream(const TPdfFileStream&) = delete;
  TPdfFileStream& operator=(const TPdfFileStream&) = delete;

  // With fsmReplace: closes the stream and puts the written file in the place of the named one.
  // Nothing in the other modes.
  void Commit();

  std::int64_t Size() override { return File().Size(); }
  std::int64_t Position() override { return File().Position(); }
  void Seek(std::int64_t Position) override { File().Seek(Position); }
  std::size_t Read(void* Buffer, std::size_t Count) override { return File().Read(Buffer, Count); }
  std::size_t Write(const void* Buffer, std::size_t Count) override;

private:
  platform::TFile& File() { return FReplacement ? FReplacement->File() : FFile; }

  platform::TFile FFile;                                  // fsmOpenRead, fsmCreate
  std::optional<platform::TFileReplacement> FReplacement; // fsmReplace, until committed
};
