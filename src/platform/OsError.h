// Operating-system errors as exceptions.
#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// An operating-system call failed. Code is the system's error code (errno or GetLastError).
class EOSError : public std::runtime_error {
public:
  EOSError(int Code, const std::string& Message) : std::runtime_error(Message), Code(Code) {}
  int Code;
};

// The system's description of an error code, without trailing blanks and full stops.
std::string SysErrorMessage(int Code);

// The message of an EOSError: "システム エラー。コード: %d。\r\n%s%s" with the code, its
// description and AdditionalInfo; "OS 機能呼び出しの失敗" for code 0.
std::string OSErrorMessage(int Code, const std::string& AdditionalInfo);

[[noreturn]] void RaiseOSError(int Code, const std::string& AdditionalInfo = {});

// The calling thread's last error code (errno, or GetLastError on Windows).
int LastOSErrorCode();

} // namespace platform
