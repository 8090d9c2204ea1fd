// A library for the loading tests: it keeps the process's error mode as it was while the system
// was loading it.
#include <windows.h>

namespace {
UINT ErrorModeAtLoad = 0xFFFFFFFF;
}

extern "C" __declspec(dllexport) UINT ProbeErrorModeAtLoad() {
  return ErrorModeAtLoad;
}

extern "C" __declspec(dllexport) int ProbeAnswer() {
  return 42;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD Reason, LPVOID) {
  if (Reason == DLL_PROCESS_ATTACH)
    ErrorModeAtLoad = ::GetErrorMode();
  return TRUE;
}
