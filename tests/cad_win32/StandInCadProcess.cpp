#include "StandInCad.h"

#include "TestWindows.h"

#include "platform/ExecutablePath.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

std::filesystem::path ExecutableFolder() {
  const std::string Utf8 = platform::ExecutableDirectory();
  return std::filesystem::path(std::u8string(Utf8.begin(), Utf8.end()));
}

std::wstring Quoted(const std::wstring& Text) {
  return L"\"" + Text + L"\"";
}

} // namespace

void RegisterProgID(const std::wstring& ProgID, const CLSID& ClassID) {
  wchar_t Text[40];
  ::StringFromGUID2(ClassID, Text, 40);
  HKEY Key = nullptr;
  if (::RegCreateKeyExW(HKEY_CLASSES_ROOT, (ProgID + L"\\CLSID").c_str(), 0, nullptr, 0, KEY_WRITE,
                        nullptr, &Key, nullptr) != ERROR_SUCCESS)
    throw std::runtime_error("cannot register the ProgID");
  ::RegSetValueExW(Key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(Text),
                   static_cast<DWORD>((::wcslen(Text) + 1) * sizeof(wchar_t)));
  ::RegCloseKey(Key);
}

void UnregisterProgID(const std::wstring& ProgID) {
  ::RegDeleteTreeW(HKEY_CLASSES_ROOT, ProgID.c_str());
}

TStandInCad::TStandInCad(const std::filesystem::path& LogFile, const TOptions& Options)
    : FLogFile(LogFile), FProgID(Options.ProgID) {
  RegisterProgID(FProgID, StandInCadClassID);
  static int Started = 0;
  const std::wstring EventName = L"QuolsaStandInCadReady-" +
                                 std::to_wstring(::GetCurrentProcessId()) + L"-" +
                                 std::to_wstring(++Started);
  const HANDLE Ready = ::CreateEventW(nullptr, TRUE, FALSE, EventName.c_str());

  const std::wstring Exe = (ExecutableFolder() / L"stand_in_cad.exe").wstring();
  std::wstring CommandLine = Quoted(Exe) + L" " + Quoted(LogFile.wstring()) + L" " + EventName;
  if (Options.WithoutHWND)
    CommandLine += L" --without-hwnd";
  for (const std::wstring& Raise : Options.RaisingMembers)
    CommandLine += L" --raise " + Quoted(Raise);
  STARTUPINFOW Startup{};
  Startup.cb = sizeof Startup;
  if (!::CreateProcessW(Exe.c_str(), CommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &Startup, &FProcess)) {
    ::CloseHandle(Ready);
    UnregisterProgID(FProgID);
    throw std::runtime_error("cannot start stand_in_cad.exe");
  }
  const HANDLE Waits[] = {Ready, FProcess.hProcess};
  const DWORD Woken = ::WaitForMultipleObjects(2, Waits, FALSE, 30000);
  ::CloseHandle(Ready);
  FWindow = FindProcessWindow(FProcess.dwProcessId,
                              [](HWND W) { return WindowClassName(W) == StandInCadWindowClass; });
  if (Woken != WAIT_OBJECT_0 || !FWindow) {
    Stop();
    throw std::runtime_error("the stand-in CAD did not come up");
  }
}

TStandInCad::~TStandInCad() {
  Stop();
}

void TStandInCad::Stop() {
  if (FProcess.hProcess) {
    if (FWindow)
      ::PostMessageW(FWindow, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(FProcess.hProcess, 10000) != WAIT_OBJECT_0)
      ::TerminateProcess(FProcess.hProcess, 1);
    ::WaitForSingleObject(FProcess.hProcess, 5000);
    ::CloseHandle(FProcess.hProcess);
    ::CloseHandle(FProcess.hThread);
    FProcess = {};
  }
  UnregisterProgID(FProgID);
}

std::vector<std::string> TStandInCad::Calls() const {
  std::ifstream In(FLogFile, std::ios::binary);
  const std::string Text((std::istreambuf_iterator<char>(In)), std::istreambuf_iterator<char>());
  std::vector<std::string> Lines;
  size_t Start = 0;
  for (size_t End; (End = Text.find('\n', Start)) != std::string::npos; Start = End + 1)
    Lines.push_back(Text.substr(Start, End - Start));
  return Lines;
}
