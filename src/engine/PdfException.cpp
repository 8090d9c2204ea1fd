#include "engine/PdfException.h"

#include "engine/PdfEngineApi.h"

EPdfArgumentOutOfRange::EPdfArgumentOutOfRange(const std::string& ArgumentName, std::int64_t Value)
    : EPdfException("Function argument \"" + ArgumentName + "\" (" + std::to_string(Value) +
                    ") out of range"),
      ArgumentName(ArgumentName), Value(Value) {}

const char* EngineErrorMessage(unsigned long Code) {
  switch (Code) {
  case FPDF_ERR_SUCCESS:
    return "No error";
  case FPDF_ERR_FILE:
    return "File not found or can't be opened";
  case FPDF_ERR_FORMAT:
    return "File is not a PDF document or is corrupted";
  case FPDF_ERR_PASSWORD:
    return "Password required oder invalid password";
  case FPDF_ERR_SECURITY:
    return "Security schema is not support";
  case FPDF_ERR_PAGE:
    return "Page does not exist or data error";
  default:
    return "Unknown error";
  }
}

void RaiseEngineError() {
  RaiseEngineError(FPDF_GetLastError());
}

void RaiseEngineError(unsigned long Code) {
  throw EPdfException(EngineErrorMessage(Code));
}

void RaiseListIndexError(std::int64_t Index) {
  throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
}
