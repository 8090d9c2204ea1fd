#include "ProgramWin32.h"

#include "platform/ExecutablePath.h"

#include <fstream>
#include <iterator>

std::vector<std::wstring> ChildTexts(HWND W) {
  std::vector<std::wstring> Texts;
  ::EnumChildWindows(
      W,
      [](HWND Child, LPARAM Out) {
        reinterpret_cast<std::vector<std::wstring>*>(Out)->push_back(WindowText(Child));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&Texts));
  return Texts;
}

HWND ChildWithText(HWND W, const std::wstring& Text) {
  struct TSearch {
    const std::wstring* Text;
    HWND Found;
  } Search{&Text, nullptr};
  ::EnumChildWindows(
      W,
      [](HWND Child, LPARAM P) {
        auto* S = reinterpret_cast<TSearch*>(P);
        if (WindowText(Child) != *S->Text)
          return TRUE;
        S->Found = Child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&Search));
  return Search.Found;
}

std::string ReadWholeFile(const std::filesystem::path& Path) {
  std::ifstream In(Path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>());
}

void TProgramWin32::SetUp() {
  FBin = PathFromUtf8(platform::ExecutableDirectory());
  std::filesystem::copy_file(FBin / L"quolsa.exe", Dir.Path() / L"quolsa.exe");
}

void TProgramWin32::TearDown() {
  if (FProcess.hProcess) {
    if (::WaitForSingleObject(FProcess.hProcess, 0) == WAIT_TIMEOUT)
      ::TerminateProcess(FProcess.hProcess, 1);
    ::WaitForSingleObject(FProcess.hProcess, 5000);
    ::CloseHandle(FProcess.hProcess);
    ::CloseHandle(FProcess.hThread);
  }
}

void TProgramWin32::InstallEngine() {
  const auto EngineDir = Dir.Path() / L"PDFium" / L"x64";
  std::filesystem::create_directories(EngineDir);
  std::filesystem::copy_file(FBin / L"fakes" / L"complete" / L"pdfium.dll",
                             EngineDir / L"pdfium.dll");
}

void TProgramWin32::Launch() {
  const std::wstring Exe = (Dir.Path() / L"quolsa.exe").wstring();
  std::wstring CommandLine = L"\"" + Exe + L"\"";
  STARTUPINFOW Startup{};
  Startup.cb = sizeof Startup;
  ASSERT_TRUE(::CreateProcessW(Exe.c_str(), CommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               Dir.Path().c_str(), &Startup, &FProcess))
      << "error " << ::GetLastError();
}

std::optional<HWND> TProgramWin32::WaitForWindow(const std::wstring& Caption, DWORD TimeoutMs,
                                                 const std::wstring& ClassName) {
  const ULONGLONG Deadline = ::GetTickCount64() + TimeoutMs;
  do {
    const HWND Found = FindProcessWindow(FProcess.dwProcessId, [&](HWND W) {
      const bool Named =
          ClassName.empty() ? WindowText(W) == Caption : WindowClassName(W) == ClassName;
      return ::IsWindowVisible(W) && Named;
    });
    if (Found)
      return Found;
    ::Sleep(20);
  } while (::GetTickCount64() < Deadline);
  return std::nullopt;
}

std::optional<DWORD> TProgramWin32::WaitForExit() {
  if (::WaitForSingleObject(FProcess.hProcess, 20000) != WAIT_OBJECT_0)
    return std::nullopt;
  DWORD Code = 0;
  ::GetExitCodeProcess(FProcess.hProcess, &Code);
  return Code;
}
