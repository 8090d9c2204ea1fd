// The real program as a process on the X server of DISPLAY: installed into a directory of its own,
// started, its windows found by caption, closed the way a window manager closes them.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

struct _XDisplay;

class TProgramProcess {
public:
  using TWindowId = unsigned long;

  // Opens the X display; raises std::runtime_error when there is none.
  TProgramProcess();
  // Kills the program if it still runs.
  ~TProgramProcess();
  TProgramProcess(const TProgramProcess&) = delete;
  TProgramProcess& operator=(const TProgramProcess&) = delete;

  // Copies the built program into Dir, and the engine into Dir/PDFium/x64 when WithEngine.
  static void Install(const std::string& Dir, bool WithEngine);

  void Launch(const std::string& Executable, const std::vector<std::string>& Arguments = {});
  // A shown top-level window of the program with this caption; nothing after Timeout.
  std::optional<TWindowId>
  WaitForWindow(const std::string& Caption,
                std::chrono::milliseconds Timeout = std::chrono::seconds(20));
  // The window's client area in screen coordinates: left, top, width, height.
  struct TArea {
    int Left = 0, Top = 0, Width = 0, Height = 0;
  };
  TArea ScreenArea(TWindowId Window);
  // Asks the window to close (WM_DELETE_WINDOW).
  void SendClose(TWindowId Window);
  // The exit status (128 + signal when killed); nothing when still running after Timeout.
  std::optional<int> WaitForExit(std::chrono::milliseconds Timeout = std::chrono::seconds(20));

private:
  long WindowPid(TWindowId Window);
  bool Viewable(TWindowId Window);
  std::string Caption(TWindowId Window);

  _XDisplay* FDisplay = nullptr;
  pid_t FPid = 0;
};
