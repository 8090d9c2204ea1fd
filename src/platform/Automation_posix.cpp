#include "platform/Automation.h"

namespace platform {

namespace {

class TNoRegistration : public TMessageFilterRegistration {};

// No automation runtime: no class name is registered and no object ever runs; there are no calls
// for a message filter to watch.
class TRuntimeWithoutObjects : public TAutomationRuntime {
public:
  std::string CLSIDFromProgID(const std::string&) override {
    throw EOleSysError(OleInvalidClassString);
  }
  bool HasActiveObject(const std::string&) override { return false; }
  std::unique_ptr<TDispatchObject> GetActiveObject(const std::string&) override {
    throw EOleSysError(OleOperationUnavailable);
  }
  std::unique_ptr<TMessageFilterRegistration>
  RegisterMessageFilter(const TMessageFilterDecisions&) override {
    return std::make_unique<TNoRegistration>();
  }
};

} // namespace

std::string SystemOleErrorText(std::int32_t) {
  return {};
}

TAutomationRuntime& SystemAutomationRuntime() {
  static TRuntimeWithoutObjects Runtime;
  return Runtime;
}

} // namespace platform
