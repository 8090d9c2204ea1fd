// Where the running program's executable lies.
#pragma once

#include <string>

namespace platform {

// The full path of the running executable; raises EOSError when the system cannot tell.
std::string ExecutablePath();

// The directory of the running executable, without a trailing delimiter.
std::string ExecutableDirectory();

} // namespace platform
