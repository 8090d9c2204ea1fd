#include "TestWindows.h"

std::wstring WindowText(HWND W) {
  std::wstring Text(static_cast<size_t>(::GetWindowTextLengthW(W)) + 1, L'\0');
  Text.resize(static_cast<size_t>(::GetWindowTextW(W, Text.data(), static_cast<int>(Text.size()))));
  return Text;
}

std::wstring WindowClassName(HWND W) {
  wchar_t Name[256] = {};
  ::GetClassNameW(W, Name, 256);
  return Name;
}

HWND FindProcessWindow(DWORD Pid, const std::function<bool(HWND)>& Matches) {
  struct TSearch {
    DWORD Pid;
    const std::function<bool(HWND)>* Matches;
    HWND Found;
  } Search{Pid, &Matches, nullptr};
  ::EnumWindows(
      [](HWND W, LPARAM P) {
        auto* S = reinterpret_cast<TSearch*>(P);
        DWORD Owner = 0;
        ::GetWindowThreadProcessId(W, &Owner);
        if (Owner != S->Pid || !(*S->Matches)(W))
          return TRUE;
        S->Found = W;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&Search));
  return Search.Found;
}
