// quolsa.exe as a process on Windows: started from a temporary installation and closed the way the
// user closes a window, by WM_CLOSE; its windows and their texts.
#pragma once

#include "TestFiles.h"
#include "TestWindows.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

// The texts of a window's descendants, as a message box shows its message in one of them.
std::vector<std::wstring> ChildTexts(HWND W);
// A descendant of W with this text; null when there is none.
HWND ChildWithText(HWND W, const std::wstring& Text);
std::string ReadWholeFile(const std::filesystem::path& Path);

class TProgramWin32 : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  // The complete stand-in engine in PDFium\x64 beside the program.
  void InstallEngine();
  void Launch();
  // A shown top-level window of the program with this caption (any caption when empty), or of
  // this window class; nothing after Timeout.
  std::optional<HWND> WaitForWindow(const std::wstring& Caption, DWORD TimeoutMs = 20000,
                                    const std::wstring& ClassName = {});
  static void Close(HWND W) { ::PostMessageW(W, WM_CLOSE, 0, 0); }
  // The exit code, or nothing while the program still runs after a while.
  std::optional<DWORD> WaitForExit();

  TTempDirectory Dir;

private:
  std::filesystem::path FBin;
  PROCESS_INFORMATION FProcess{};
};
