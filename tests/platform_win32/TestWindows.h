// Windows of other programs, as the Windows tests look for them.
#pragma once

#include <functional>
#include <string>
#include <windows.h>

std::wstring WindowText(HWND W);
std::wstring WindowClassName(HWND W);

// A top-level window of process Pid for which Matches answers true; null when there is none.
HWND FindProcessWindow(DWORD Pid, const std::function<bool(HWND)>& Matches);
