#include "platform/FileReplacement.h"

#include <utility>

namespace platform {

TFileReplacement::TFileReplacement(std::string FileName) : FFileName(std::move(FileName)) {
  FFile = TFile::CreateBeside(FFileName, FTempName);
  try {
    TakeOverTarget();
  } catch (...) {
    FFile.Close();
    RemoveFileQuietly(FTempName);
    throw;
  }
}

TFileReplacement::~TFileReplacement() {
  if (FTempName.empty())
    return;
  FFile.Close();
  RemoveFileQuietly(FTempName);
}

void TFileReplacement::Commit() {
  // Written to the device before the rename: the name never stands for a file the system has not
  // stored yet.
  FFile.Flush();
  FFile.Close();
  RenameFileReplacing(FTempName, FFileName);
  FTempName.clear();
}

} // namespace platform
