#include "platform/ExecutablePath.h"

#include "platform/DynamicLibrary.h"

namespace platform {

// The executable is the module of handle null.
std::string ExecutableFileName() {
  return LibraryFilePath(nullptr);
}

} // namespace platform
