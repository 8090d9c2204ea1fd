// Replacing a file's whole content in one step.
#pragma once

#include "platform/File.h"

#include <string>

namespace platform {

// The new content of FileName, written under a temporary name beside it and put in its place by
// Commit. Until then, and whenever writing fails, FileName keeps its old content byte for byte; a
// replacement dropped without Commit removes what it wrote.
class TFileReplacement {
public:
  // Raises EOSError when FileName exists but may not be written, or when no file can be created
  // beside it. The new file gets the permissions of the one it replaces where the system has them.
  explicit TFileReplacement(std::string FileName);
  ~TFileReplacement();
  TFileReplacement(const TFileReplacement&) = delete;
  TFileReplacement& operator=(const TFileReplacement&) = delete;

  // The new file, open for reading and writing.
  TFile& File() { return FFile; }
  // Hands the new content to the storage device, closes the file and puts it in FileName's place.
  // Raises EOSError, and leaves FileName as it was, when any of that fails.
  void Commit();

private:
  // Refuses a FileName that may not be written, and gives the new file its permissions.
  void TakeOverTarget();

  std::string FFileName;
  std::string FTempName; // empty once committed
  TFile FFile;
};

} // namespace platform
