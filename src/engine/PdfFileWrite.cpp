#include "engine/PdfFileWrite.h"

#include "engine/PdfStream.h"

#include <cstddef>
#include <type_traits>

TPdfFileWriteRecord::TPdfFileWriteRecord(TPdfStream& AStream) : FFileWrite{}, FStream(&AStream) {
  static_assert(std::is_standard_layout_v<TPdfFileWriteRecord> &&
                    offsetof(TPdfFileWriteRecord, FFileWrite) == 0,
                "the engine's record must be the first member");
  FFileWrite.version = 1;
  FFileWrite.WriteBlock = &WriteToStream;
}

int TPdfFileWriteRecord::WriteToStream(FPDF_FILEWRITE* Record, const void* Data,
                                       unsigned long Size) {
  auto* Self = reinterpret_cast<TPdfFileWriteRecord*>(Record);
  // The engine writes on after a failed block only if it ignores the answer: keep the first error.
  if (Self->FFailed)
    return 0;
  try {
    if (Size == 0 || Self->FStream->Write(Data, Size) == Size)
      return 1;
  } catch (...) {
    Self->FError = std::current_exception();
  }
  Self->FFailed = true;
  return 0;
}

void TPdfFileWriteRecord::RaiseWriteError() const {
  if (FError)
    std::rethrow_exception(FError);
  if (FFailed)
    throw EStreamError("Stream write error");
}
