// Late-bound automation of another program's objects: find a running object by its class name,
// resolve member names and invoke them with typed arguments. COM on Windows; elsewhere a runtime in
// which no object is ever running. Tests install a recording runtime of their own.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <variant>

namespace platform {

// A failure of an automation call; the message is the one to show.
class EOleError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// The automation runtime answered with a failure code; the message is the system's text for it.
class EOleSysError : public EOleError {
public:
  explicit EOleSysError(std::int32_t AErrorCode);
  EOleSysError(std::int32_t AErrorCode, const std::string& Message)
      : EOleError(Message), ErrorCode(AErrorCode) {}
  std::int32_t ErrorCode;
};

// The called object raised an exception; the message is the description the object gave.
class EOleException : public EOleSysError {
public:
  using EOleSysError::EOleSysError;
};

// The system's text for an automation failure code, or "OLE エラー" with the code in hexadecimal
// where the system has none.
std::string OleErrorMessage(std::int32_t ErrorCode);
// The system's own text for the code; empty where it has none.
std::string SystemOleErrorText(std::int32_t ErrorCode);

// Failure codes of the runtime without objects: no such class name, no such running object.
constexpr std::int32_t OleInvalidClassString = static_cast<std::int32_t>(0x800401F3);
constexpr std::int32_t OleOperationUnavailable = static_cast<std::int32_t>(0x800401E3);

// Invoke flags: call a method, read a property.
constexpr std::uint16_t DispatchMethod = 1;
constexpr std::uint16_t DispatchPropertyGet = 2;

// A text handed over by reference: the callee gets a fresh copy it may change, and after the call
// the (possibly changed) text is copied back into *Text.
struct TTextByRef {
  std::string* Text;
};

// One argument of a call: text by value, text by reference, 32-bit integer or double.
using TAutomationArgument = std::variant<std::string, TTextByRef, std::int32_t, double>;

class TDispatchObject;

// What a call is asked to give back.
enum TResultKind { rkNone, rkInteger, rkObject };

// The result of a call: the integer value (rkInteger) or the object, empty when the call yielded
// none (rkObject).
struct TAutomationResult {
  std::int64_t Integer = 0;
  std::unique_ptr<TDispatchObject> Object;
};

// One counted reference to an object's dispatch interface, released when destroyed.
class TDispatchObject {
public:
  virtual ~TDispatchObject() = default;
  // The dispatch identifier of a member, resolved in the thread's locale; nothing when the object
  // does not know the name.
  virtual std::optional<std::int32_t> GetIDOfName(const std::string& Name) = 0;
  // Calls a member with Flags and the positional arguments in source order. Raises EOleException
  // with the object's description when it raised one, EOleSysError for other failures; a result
  // that does not convert to the kind asked for is an EOleSysError as well.
  virtual TAutomationResult Invoke(std::int32_t DispID, std::uint16_t Flags,
                                   std::span<TAutomationArgument> Args, TResultKind Result) = 0;
};

// What the program's message filter answers the runtime; plain functions, so the filter holds no
// state of its caller.
struct TMessageFilterDecisions {
  std::uint32_t (*HandleInComingCall)(std::uint32_t CallType, std::uint32_t TickCount);
  std::uint32_t (*RetryRejectedCall)(std::uint32_t TickCount, std::uint32_t RejectType);
  std::uint32_t (*MessagePending)(std::uint32_t TickCount, std::uint32_t PendingType);
};

// A message filter registered for the calling thread. Destroying it revokes the filter: the one it
// replaced is registered again, and the runtime's reference to this one is released.
class TMessageFilterRegistration {
public:
  virtual ~TMessageFilterRegistration() = default;
};

class TAutomationRuntime {
public:
  virtual ~TAutomationRuntime() = default;
  // The class identifier registered under ProgID, as text ("{...}"); raises EOleSysError when the
  // name is empty or not registered.
  virtual std::string CLSIDFromProgID(const std::string& ProgID) = 0;
  // True when a running object of the class is registered; the object is released at once.
  virtual bool HasActiveObject(const std::string& ClassID) = 0;
  // The dispatch interface of the running object of the class; raises EOleSysError when none runs
  // or it offers no dispatch interface.
  virtual std::unique_ptr<TDispatchObject> GetActiveObject(const std::string& ClassID) = 0;
  // Registers a message filter for the calling thread; raises EOleSysError when the thread cannot
  // have one.
  virtual std::unique_ptr<TMessageFilterRegistration>
  RegisterMessageFilter(const TMessageFilterDecisions& Decisions) = 0;
};

// The system's runtime, or the one installed in its place.
TAutomationRuntime& AutomationRuntime();
// Installs a runtime in place of the system's (null puts the system's back). The caller keeps
// ownership.
void InstallAutomationRuntime(TAutomationRuntime* Runtime);

// The system's own runtime.
TAutomationRuntime& SystemAutomationRuntime();

} // namespace platform
