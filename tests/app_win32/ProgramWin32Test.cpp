// quolsa.exe as a process on Windows: started from a temporary installation and closed the way the
// user closes a window, by WM_CLOSE; its messages and its settings file beside it.
#include "TestFiles.h"

#include "platform/ExecutablePath.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace {

const std::wstring Title = L"QUOLSA Ver.0.92";
const std::wstring MainCaption = L"Form68";

std::wstring WindowText(HWND W) {
  std::wstring Text(static_cast<size_t>(::GetWindowTextLengthW(W)) + 1, L'\0');
  Text.resize(static_cast<size_t>(::GetWindowTextW(W, Text.data(), static_cast<int>(Text.size()))));
  return Text;
}

// The texts of a window's descendants, as a message box shows its message in one of them.
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

std::string ReadWholeFile(const std::filesystem::path& Path) {
  std::ifstream In(Path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>());
}

class TProgramWin32 : public ::testing::Test {
protected:
  void SetUp() override {
    FBin = PathFromUtf8(platform::ExecutableDirectory());
    std::filesystem::copy_file(FBin / L"quolsa.exe", Dir.Path() / L"quolsa.exe");
  }

  void TearDown() override {
    if (FProcess.hProcess) {
      if (::WaitForSingleObject(FProcess.hProcess, 0) == WAIT_TIMEOUT)
        ::TerminateProcess(FProcess.hProcess, 1);
      ::WaitForSingleObject(FProcess.hProcess, 5000);
      ::CloseHandle(FProcess.hProcess);
      ::CloseHandle(FProcess.hThread);
    }
  }

  void InstallEngine() {
    const auto EngineDir = Dir.Path() / L"PDFium" / L"x64";
    std::filesystem::create_directories(EngineDir);
    std::filesystem::copy_file(FBin / L"fakes" / L"complete" / L"pdfium.dll",
                               EngineDir / L"pdfium.dll");
  }

  void Launch() {
    const std::wstring Exe = (Dir.Path() / L"quolsa.exe").wstring();
    std::wstring CommandLine = L"\"" + Exe + L"\"";
    STARTUPINFOW Startup{};
    Startup.cb = sizeof Startup;
    ASSERT_TRUE(::CreateProcessW(Exe.c_str(), CommandLine.data(), nullptr, nullptr, FALSE, 0,
                                 nullptr, Dir.Path().c_str(), &Startup, &FProcess))
        << "error " << ::GetLastError();
  }

  // A shown top-level window of the program with this caption; nothing after Timeout.
  std::optional<HWND> WaitForWindow(const std::wstring& Caption, DWORD TimeoutMs = 20000) {
    const ULONGLONG Deadline = ::GetTickCount64() + TimeoutMs;
    do {
      struct TSearch {
        DWORD Pid;
        const std::wstring* Caption;
        HWND Found;
      } Search{FProcess.dwProcessId, &Caption, nullptr};
      ::EnumWindows(
          [](HWND W, LPARAM P) {
            auto* S = reinterpret_cast<TSearch*>(P);
            DWORD Pid = 0;
            ::GetWindowThreadProcessId(W, &Pid);
            if (Pid == S->Pid && ::IsWindowVisible(W) && WindowText(W) == *S->Caption) {
              S->Found = W;
              return FALSE;
            }
            return TRUE;
          },
          reinterpret_cast<LPARAM>(&Search));
      if (Search.Found)
        return Search.Found;
      ::Sleep(20);
    } while (::GetTickCount64() < Deadline);
    return std::nullopt;
  }

  static void Close(HWND W) { ::PostMessageW(W, WM_CLOSE, 0, 0); }

  // The exit code, or nothing while the program still runs after a while.
  std::optional<DWORD> WaitForExit() {
    if (::WaitForSingleObject(FProcess.hProcess, 20000) != WAIT_OBJECT_0)
      return std::nullopt;
    DWORD Code = 0;
    ::GetExitCodeProcess(FProcess.hProcess, &Code);
    return Code;
  }

  TTempDirectory Dir;

private:
  std::filesystem::path FBin;
  PROCESS_INFORMATION FProcess{};
};

TEST_F(TProgramWin32, StartsAndAtANormalEndWritesItsSettingsBesideItself) {
  InstallEngine();
  Launch();
  const auto Main = WaitForWindow(MainCaption);
  ASSERT_TRUE(Main) << "no main window";
  EXPECT_FALSE(WaitForWindow(Title, 0)) << "a message at start-up";
  EXPECT_FALSE(std::filesystem::exists(Dir.Path() / L"quolsa.ini"));
  Close(*Main);
  EXPECT_EQ(WaitForExit(), 0u);
  const std::string Settings = ReadWholeFile(Dir.Path() / L"quolsa.ini");
  EXPECT_TRUE(Settings.starts_with("[Form]\r\nWidth=")) << Settings;
  EXPECT_NE(Settings.find("[PDF]\r\nFileName=\r\nPageNo=\r\nScale=25.4\r\n"
                          "[Target]\r\nProgID=BricscadApp.AcadApplication\r\n"),
            std::string::npos)
      << Settings;
}

TEST_F(TProgramWin32, WithoutTheEngineShowsTheMessageFirstAndThenTheWindow) {
  Launch();
  const auto Message = WaitForWindow(Title);
  ASSERT_TRUE(Message) << "no message box captioned with the title";
  const auto Texts = ChildTexts(*Message);
  EXPECT_NE(std::find(Texts.begin(), Texts.end(), L"PDFium.DLL が見つかりません."), Texts.end());
  EXPECT_FALSE(WaitForWindow(MainCaption, 500)) << "start-up waits for the message to be closed";
  Close(*Message);
  const auto Main = WaitForWindow(MainCaption);
  ASSERT_TRUE(Main) << "start-up did not go on";
  Close(*Main);
  EXPECT_EQ(WaitForExit(), 0u);
}

TEST_F(TProgramWin32, UnwritableSettingsAreReportedAndTheProgramStillEnds) {
  InstallEngine();
  std::filesystem::create_directory(Dir.Path() / L"quolsa.ini");
  Launch();
  const auto Main = WaitForWindow(MainCaption);
  ASSERT_TRUE(Main);
  Close(*Main);
  const auto Message = WaitForWindow(Title);
  ASSERT_TRUE(Message) << "no error display";
  const std::wstring Expected = (Dir.Path() / L"quolsa.ini").wstring() + L" に書き込めません.";
  const auto Texts = ChildTexts(*Message);
  EXPECT_NE(std::find(Texts.begin(), Texts.end(), Expected), Texts.end());
  Close(*Message);
  EXPECT_EQ(WaitForExit(), 0u);
}

} // namespace
