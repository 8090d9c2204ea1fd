// The real program as a process: started from a temporary installation on the virtual X server and
// closed the way a window manager closes a window, by a WM_DELETE_WINDOW message.
#include "TempDir.h"

#include "platform/ExecutablePath.h"
#include "platform/FilePath.h"

#include <gtest/gtest.h>
// After gtest: X11 defines macros named None and Status.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {

using namespace std::chrono_literals;

class TProgramTest : public ::testing::Test {
protected:
  void SetUp() override {
    FDisplay = XOpenDisplay(nullptr);
    ASSERT_NE(FDisplay, nullptr) << "no X display; scripts/test.sh starts one";
    const std::string Bin = platform::ExtractFilePath(platform::ExecutablePath());
    std::filesystem::copy_file(Bin + "quolsa", Dir / "quolsa");
    std::filesystem::permissions(Dir / "quolsa", std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::add);
    FEngine = Bin + "PDFium/x64/libpdfium.so";
  }
  void TearDown() override {
    if (FPid > 0) {
      ::kill(FPid, SIGKILL);
      ::waitpid(FPid, nullptr, 0);
    }
    if (FDisplay)
      XCloseDisplay(FDisplay);
  }

  void InstallEngine() {
    std::filesystem::create_directories(Dir / "PDFium/x64");
    std::filesystem::create_symlink(FEngine, Dir / "PDFium/x64/libpdfium.so");
  }

  void Launch() {
    char* Argv[] = {const_cast<char*>("quolsa"), nullptr};
    const std::string Path = Dir / "quolsa";
    ASSERT_EQ(::posix_spawn(&FPid, Path.c_str(), nullptr, nullptr, Argv, environ), 0);
  }

  // A shown top-level window of the program with this caption; nothing after Timeout.
  std::optional<Window> WaitForWindow(const std::string& Caption,
                                      std::chrono::milliseconds Timeout = 20s) {
    const auto Deadline = std::chrono::steady_clock::now() + Timeout;
    while (std::chrono::steady_clock::now() < Deadline) {
      Window Root, Parent, *Children = nullptr;
      unsigned Count = 0;
      XQueryTree(FDisplay, DefaultRootWindow(FDisplay), &Root, &Parent, &Children, &Count);
      std::unique_ptr<Window, int (*)(void*)> Owned(Children, XFree);
      for (unsigned I = 0; I < Count; ++I)
        if (Pid(Children[I]) == FPid && Viewable(Children[I]) && Name(Children[I]) == Caption)
          return Children[I];
      std::this_thread::sleep_for(10ms);
    }
    return std::nullopt;
  }

  void SendClose(Window W) {
    XEvent Event{};
    Event.xclient.type = ClientMessage;
    Event.xclient.window = W;
    Event.xclient.message_type = XInternAtom(FDisplay, "WM_PROTOCOLS", False);
    Event.xclient.format = 32;
    Event.xclient.data.l[0] = static_cast<long>(XInternAtom(FDisplay, "WM_DELETE_WINDOW", False));
    Event.xclient.data.l[1] = CurrentTime;
    XSendEvent(FDisplay, W, False, NoEventMask, &Event);
    XFlush(FDisplay);
  }

  // The exit status, or nothing when the program is still running after a few seconds.
  std::optional<int> WaitForExit() {
    const auto Deadline = std::chrono::steady_clock::now() + 20s;
    while (std::chrono::steady_clock::now() < Deadline) {
      int ExitStatus = 0;
      if (::waitpid(FPid, &ExitStatus, WNOHANG) == FPid) {
        FPid = 0;
        return WIFEXITED(ExitStatus) ? WEXITSTATUS(ExitStatus) : 128 + WTERMSIG(ExitStatus);
      }
      std::this_thread::sleep_for(10ms);
    }
    return std::nullopt;
  }

  TTempDir Dir;

private:
  long Pid(Window W) {
    Atom Type;
    int Format;
    unsigned long Items, After;
    unsigned char* Data = nullptr;
    long Result = 0;
    if (XGetWindowProperty(FDisplay, W, XInternAtom(FDisplay, "_NET_WM_PID", False), 0, 1, False,
                           XA_CARDINAL, &Type, &Format, &Items, &After, &Data) == Success &&
        Data && Items == 1)
      Result = *reinterpret_cast<long*>(Data);
    if (Data)
      XFree(Data);
    return Result;
  }
  bool Viewable(Window W) {
    XWindowAttributes A;
    return XGetWindowAttributes(FDisplay, W, &A) && A.map_state == IsViewable;
  }
  std::string Name(Window W) {
    Atom Type;
    int Format;
    unsigned long Items, After;
    unsigned char* Data = nullptr;
    std::string Result;
    if (XGetWindowProperty(FDisplay, W, XInternAtom(FDisplay, "_NET_WM_NAME", False), 0, 1024,
                           False, XInternAtom(FDisplay, "UTF8_STRING", False), &Type, &Format,
                           &Items, &After, &Data) == Success &&
        Data)
      Result.assign(reinterpret_cast<char*>(Data), Items);
    if (Data)
      XFree(Data);
    return Result;
  }

  Display* FDisplay = nullptr;
  pid_t FPid = 0;
  std::string FEngine;
};

using Program = TProgramTest;

TEST_F(Program, StartsAndAtANormalEndWritesItsSettingsBesideItself) {
  InstallEngine();
  Launch();
  const auto Main = WaitForWindow("Form68");
  ASSERT_TRUE(Main) << "no main window";
  EXPECT_FALSE(std::filesystem::exists(Dir / "quolsa.ini"));
  SendClose(*Main);
  EXPECT_EQ(WaitForExit(), 0);
  const std::string Settings = ReadFile(Dir / "quolsa.ini");
  EXPECT_TRUE(Settings.starts_with("[Form]\r\nWidth=")) << Settings;
  EXPECT_NE(Settings.find("[PDF]\r\nFileName=\r\nPageNo=\r\nScale=25.4\r\n"
                          "[Target]\r\nProgID=BricscadApp.AcadApplication\r\n"),
            std::string::npos)
      << Settings;
}

TEST_F(Program, WithoutTheEngineShowsTheMessageFirstAndThenTheWindow) {
  Launch();
  const auto Message = WaitForWindow("QUOLSA Ver.0.92");
  ASSERT_TRUE(Message) << "no message box captioned with the title";
  EXPECT_FALSE(WaitForWindow("Form68", 500ms)) << "start-up waits for the message to be closed";
  SendClose(*Message);
  const auto Main = WaitForWindow("Form68");
  ASSERT_TRUE(Main) << "start-up did not go on";
  SendClose(*Main);
  EXPECT_EQ(WaitForExit(), 0);
}

TEST_F(Program, UnwritableSettingsAreReportedAndTheProgramStillEnds) {
  InstallEngine();
  std::filesystem::create_directory(Dir / "quolsa.ini");
  Launch();
  const auto Main = WaitForWindow("Form68");
  ASSERT_TRUE(Main);
  SendClose(*Main);
  const auto Message = WaitForWindow("QUOLSA Ver.0.92");
  ASSERT_TRUE(Message) << "no error display";
  SendClose(*Message);
  EXPECT_EQ(WaitForExit(), 0);
}

} // namespace
