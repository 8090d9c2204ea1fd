#include "platform/ExecutablePath.h"

#include "platform/FilePath.h"

namespace platform {

std::string ExecutableDirectory() { return ExtractFileDir(ExecutablePath()); }

} // namespace platform
