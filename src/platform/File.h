// Files opened by the program: reading, creating, and read-only mapping into memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// An open file. Moves, never copies; closes itself. Every failing call throws EOSError.
class TFile {
public:
  TFile() = default;
  TFile(TFile&& Other) noexcept;
  TFile& operator=(TFile&& Other) noexcept;
  TFile(const TFile&) = delete;
  TFile& operator=(const TFile&) = delete;
  ~TFile() { Close(); }

  // An existing file, read access; other readers may share it, writers may not.
  static TFile OpenRead(const std::string& FileName);
  // Creates the file or empties an existing one, read and write access, other writers denied.
  static TFile Create(const std::string& FileName);
  // Creates a new file under a temporary name in FileName's directory, read and write access,
  // other writers denied; TempName receives its name.
  static TFile CreateBeside(const std::string& FileName, std::string& TempName);

  // The invalid value has all bits set, as the system's invalid handle has.
  static constexpr std::intptr_t InvalidHandle = -1;
  bool IsOpen() const { return FHandle != InvalidHandle; }
  std::intptr_t Handle() const { return FHandle; }

  std::int64_t Size() const;
  std::int64_t Position() const;
  void Seek(std::int64_t Position);
  // Reads up to Count bytes at the file position; answers how many were read (0 at the end).
  std::size_t Read(void* Buffer, std::size_t Count);
  // Reads exactly Count bytes, asking each time for all bytes still missing; an end of file
  // before that is an error as well.
  void ReadExact(void* Buffer, std::size_t Count);
  // Writes all Count bytes.
  void Write(const void* Buffer, std::size_t Count);
  // Reads exactly Count bytes from Position; false on any failure. Throws nothing.
  bool ReadAt(std::uint64_t Position, void* Buffer, std::size_t Count) noexcept;
  // Hands what was written to the storage device; a full disk or an I/O error that the writes did
  // not report may show here.
  void Flush();
  void Close() noexcept;

private:
  explicit TFile(std::intptr_t Handle) : FHandle(Handle) {}
  static int EndOfFileErrorCode();  // the system's code for reading past the end
  static int FileExistsErrorCode(); // the system's code for a name that is taken
  // Creates the file Name only if no file has that name: InvalidHandle when one has.
  static std::intptr_t CreateNewHandle(const std::string& Name);
  std::intptr_t FHandle = InvalidHandle;
};

// Puts the file Source in the place of Target in one step, replacing a file of that name.
void RenameFileReplacing(const std::string& Source, const std::string& Target);
// Removes the file if it can; errors are ignored.
void RemoveFileQuietly(const std::string& FileName) noexcept;

// A read-only view of a whole file. Moves, never copies; unmaps itself.
class TFileMapping {
public:
  TFileMapping() = default;
  TFileMapping(TFileMapping&& Other) noexcept;
  TFileMapping& operator=(TFileMapping&& Other) noexcept;
  TFileMapping(const TFileMapping&) = delete;
  TFileMapping& operator=(const TFileMapping&) = delete;
  ~TFileMapping() { Close(); }

  // Maps the first Size bytes of File (Size is the file's size). An empty file cannot be mapped.
  static TFileMapping MapReadOnly(const TFile& File, std::uint64_t Size);

  bool IsMapped() const { return FView != nullptr; }
  const std::uint8_t* Data() const { return static_cast<const std::uint8_t*>(FView); }
  std::size_t Size() const { return FSize; }
  void Close() noexcept;

private:
  std::intptr_t FMapping = 0; // the mapping object where the system has one
  void* FView = nullptr;
  std::size_t FSize = 0;
};

} // namespace platform
