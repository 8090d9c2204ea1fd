#include "platform/FileReplacement.h"

#include "platform/OsError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

void TFileReplacement::TakeOverTarget() {
  struct stat Target;
  if (::stat(FFileName.c_str(), &Target) != 0) {
    if (errno == ENOENT)
      return; // nothing to replace
    RaiseOSError(errno);
  }
  // A rename would replace a file the user may not write; opening it for writing asks the system.
  // Non-blocking, so a pipe without a reader fails instead of waiting.
  const int Probe = ::open(FFileName.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (Probe < 0)
    RaiseOSError(errno);
  ::close(Probe);
  // Where the file system keeps no permissions the new file keeps its own.
  (void)::fchmod(static_cast<int>(FFile.Handle()), Target.st_mode & 07777);
}

} // namespace platform
