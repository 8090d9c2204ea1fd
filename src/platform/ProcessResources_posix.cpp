#include "platform/ProcessResources.h"

#include <dirent.h>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace platform {

int OpenHandleCount() {
  DIR* Dir = ::opendir("/proc/self/fd");
  if (!Dir)
    return -1;
  int Count = 0;
  while (const dirent* Entry = ::readdir(Dir))
    if (Entry->d_name[0] != '.')
      ++Count;
  ::closedir(Dir);
  return Count - 1; // the directory's own descriptor
}

int FileMappingCount() {
  // "address perms offset device inode path": inode 0 is anonymous memory.
  std::ifstream Maps("/proc/self/maps");
  int Count = 0;
  for (std::string Line; std::getline(Maps, Line);) {
    std::istringstream Fields(Line);
    std::string Address, Perms, Offset, Device;
    unsigned long long Inode = 0;
    if (Fields >> Address >> Perms >> Offset >> Device >> Inode && Inode != 0)
      ++Count;
  }
  return Count;
}

std::uint64_t ResidentBytes() {
  std::ifstream Statm("/proc/self/statm");
  std::uint64_t Size = 0, Resident = 0;
  Statm >> Size >> Resident;
  return Resident * static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
}

} // namespace platform
