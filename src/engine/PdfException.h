// The engine binding's errors.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// An error of the engine binding, with an English message.
class EPdfException : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// A function argument outside its allowed range.
class EPdfArgumentOutOfRange : public EPdfException {
public:
  EPdfArgumentOutOfRange(const std::string& ArgumentName, std::int64_t Value);
  std::string ArgumentName;
  std::int64_t Value;
};

// The message for one of the engine's last-error codes.
const char* EngineErrorMessage(unsigned long Code);

// Raises EPdfException with the message of the engine's last error (after a failed open).
[[noreturn]] void RaiseEngineError();
// Raises EPdfException with the message of Code.
[[noreturn]] void RaiseEngineError(unsigned long Code);

// Raises std::out_of_range "List index out of bounds (Index)", the error of an index outside the
// page slots.
[[noreturn]] void RaiseListIndexError(std::int64_t Index);

// The message of an operation that needs an open document.
inline constexpr const char* DocumentNotOpenMessage = "PDF document is not open";
