#include "platform/OsError.h"

namespace platform {

std::string OSErrorMessage(int Code, const std::string& AdditionalInfo) {
  if (Code == 0)
    return "OS 機能呼び出しの失敗";
  return "システム エラー。コード: " + std::to_string(Code) + "。\r\n" + SysErrorMessage(Code) +
         AdditionalInfo;
}

void RaiseOSError(int Code, const std::string& AdditionalInfo) {
  throw EOSError(Code, OSErrorMessage(Code, AdditionalInfo));
}

} // namespace platform
