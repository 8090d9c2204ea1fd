#include "platform/ProcessResources.h"

#include <windows.h>

#include <psapi.h>

namespace platform {

int OpenHandleCount() {
  DWORD Count = 0;
  return ::GetProcessHandleCount(::GetCurrentProcess(), &Count) ? static_cast<int>(Count) : -1;
}

int FileMappingCount() {
  int Count = 0;
  const void* LastBase = nullptr;
  MEMORY_BASIC_INFORMATION Info;
  for (const char* Address = nullptr; ::VirtualQuery(Address, &Info, sizeof Info) == sizeof Info;
       Address = static_cast<const char*>(Info.BaseAddress) + Info.RegionSize) {
    // A view may span several regions; it is counted once, by its allocation.
    if (Info.State == MEM_COMMIT && Info.Type == MEM_MAPPED && Info.AllocationBase != LastBase) {
      ++Count;
      LastBase = Info.AllocationBase;
    }
  }
  return Count;
}

std::uint64_t ResidentBytes() {
  PROCESS_MEMORY_COUNTERS Counters{};
  Counters.cb = sizeof Counters;
  if (!::GetProcessMemoryInfo(::GetCurrentProcess(), &Counters, sizeof Counters))
    return 0;
  return Counters.WorkingSetSize;
}

} // namespace platform
