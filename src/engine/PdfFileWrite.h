// The engine's file-write record over a stream, for saving documents.
#pragma once

#include "engine/PdfEngineTypes.h"

#include <exception>

class TPdfStream;

// The engine gets the address of FileWrite and passes it back to every block it writes; the
// block procedure finds the stream right behind it. An error of the stream stops the engine's
// writing and is kept until RaiseWriteError hands it to the caller.
class TPdfFileWriteRecord {
public:
  explicit TPdfFileWriteRecord(TPdfStream& AStream);
  TPdfFileWriteRecord(const TPdfFileWriteRecord&) = delete;
  TPdfFileWriteRecord& operator=(const TPdfFileWriteRecord&) = delete;

  FPDF_FILEWRITE* FileWrite() { return &FFileWrite; }
  // Raises the first error a block met: the stream's own exception, or EStreamError "Stream write
  // error" when the stream took fewer bytes than it was given. Nothing when every block was
  // written.
  void RaiseWriteError() const;
  bool Failed() const { return FFailed; }

private:
  // Writes one block; 1 when all of it was written, else 0. Throws nothing.
  static int WriteToStream(FPDF_FILEWRITE* Record, const void* Data, unsigned long Size);

  FPDF_FILEWRITE FFileWrite;
  TPdfStream* FStream;
  bool FFailed = false;
  std::exception_ptr FError;
};
