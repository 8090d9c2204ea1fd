#include "platform/Automation.h"

#include <atomic>
#include <cstdio>

namespace platform {

namespace {
std::atomic<TAutomationRuntime*> Installed{nullptr};
}

EOleSysError::EOleSysError(std::int32_t AErrorCode)
    : EOleError(OleErrorMessage(AErrorCode)), ErrorCode(AErrorCode) {}

std::string OleErrorMessage(std::int32_t ErrorCode) {
  std::string Text = SystemOleErrorText(ErrorCode);
  if (!Text.empty())
    return Text;
  char Buffer[32];
  std::snprintf(Buffer, sizeof Buffer, "%08X", static_cast<unsigned>(ErrorCode));
  return std::string("OLE エラー ") + Buffer;
}

TAutomationRuntime& AutomationRuntime() {
  TAutomationRuntime* Runtime = Installed;
  return Runtime ? *Runtime : SystemAutomationRuntime();
}

void InstallAutomationRuntime(TAutomationRuntime* Runtime) {
  Installed = Runtime;
}

} // namespace platform
