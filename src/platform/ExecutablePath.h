// Where the running program lives.
#pragma once

#include <string>

namespace platform {

// The full path of the running executable.
std::string ExecutableFileName();

// The directory of the running executable, without a trailing delimiter.
std::string ExecutableDirectory();

} // namespace platform
