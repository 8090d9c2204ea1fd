#include "ProgramProcess.h"

#include "platform/ExecutablePath.h"
#include "platform/FilePath.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <filesystem>
#include <memory>
#include <signal.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {

constexpr auto PollInterval = std::chrono::milliseconds(2);

// Windows of other programs come and go while they are looked at; such a request just fails.
int IgnoreXError(Display*, XErrorEvent*) {
  return 0;
}

// One property of a window as bytes; empty when it is missing.
std::string Property(Display* D, Window W, const char* Name, Atom Type, long Length) {
  Atom ActualType;
  int Format;
  unsigned long Items, After;
  unsigned char* Data = nullptr;
  std::string Result;
  if (XGetWindowProperty(D, W, XInternAtom(D, Name, False), 0, Length, False, Type, &ActualType,
                         &Format, &Items, &After, &Data) == Success &&
      Data)
    Result.assign(reinterpret_cast<char*>(Data),
                  Items * (Format == 32 ? sizeof(long) : Format / 8));
  if (Data)
    XFree(Data);
  return Result;
}

} // namespace

TProgramProcess::TProgramProcess() : FDisplay(XOpenDisplay(nullptr)) {
  if (!FDisplay)
    throw std::runtime_error("no X display; scripts/test.sh starts one");
  XSetErrorHandler(IgnoreXError);
}

TProgramProcess::~TProgramProcess() {
  if (FPid > 0) {
    ::kill(FPid, SIGKILL);
    ::waitpid(FPid, nullptr, 0);
  }
  XCloseDisplay(FDisplay);
}

void TProgramProcess::Install(const std::string& Dir, bool WithEngine) {
  namespace fs = std::filesystem;
  const std::string Bin = platform::ExtractFilePath(platform::ExecutablePath());
  fs::copy_file(Bin + "quolsa", Dir + "/quolsa");
  fs::permissions(Dir + "/quolsa", fs::perms::owner_exec, fs::perm_options::add);
  if (WithEngine) {
    fs::create_directories(Dir + "/PDFium/x64");
    fs::create_symlink(Bin + "PDFium/x64/libpdfium.so", Dir + "/PDFium/x64/libpdfium.so");
  }
}

void TProgramProcess::Launch(const std::string& Executable,
                             const std::vector<std::string>& Arguments) {
  std::vector<char*> Argv{const_cast<char*>(Executable.c_str())};
  for (const std::string& Argument : Arguments)
    Argv.push_back(const_cast<char*>(Argument.c_str()));
  Argv.push_back(nullptr);
  if (::posix_spawn(&FPid, Executable.c_str(), nullptr, nullptr, Argv.data(), environ) != 0)
    throw std::runtime_error("cannot start " + Executable);
}

TProgramProcess::TArea TProgramProcess::ScreenArea(TWindowId W) {
  XWindowAttributes A;
  Window Child;
  int X = 0, Y = 0;
  if (!XGetWindowAttributes(FDisplay, W, &A) ||
      !XTranslateCoordinates(FDisplay, W, DefaultRootWindow(FDisplay), 0, 0, &X, &Y, &Child))
    return {};
  return {X, Y, A.width, A.height};
}

std::optional<TProgramProcess::TWindowId>
TProgramProcess::WaitForWindow(const std::string& WantedCaption,
                               std::chrono::milliseconds Timeout) {
  const auto Deadline = std::chrono::steady_clock::now() + Timeout;
  while (std::chrono::steady_clock::now() < Deadline) {
    Window Root, Parent, *Children = nullptr;
    unsigned Count = 0;
    XQueryTree(FDisplay, DefaultRootWindow(FDisplay), &Root, &Parent, &Children, &Count);
    std::unique_ptr<Window, int (*)(void*)> Owned(Children, XFree);
    for (unsigned I = 0; I < Count; ++I)
      if (WindowPid(Children[I]) == FPid && Viewable(Children[I]) &&
          Caption(Children[I]) == WantedCaption)
        return Children[I];
    std::this_thread::sleep_for(PollInterval);
  }
  return std::nullopt;
}

void TProgramProcess::SendClose(TWindowId W) {
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

std::optional<int> TProgramProcess::WaitForExit(std::chrono::milliseconds Timeout) {
  const auto Deadline = std::chrono::steady_clock::now() + Timeout;
  while (std::chrono::steady_clock::now() < Deadline) {
    int ExitStatus = 0;
    if (::waitpid(FPid, &ExitStatus, WNOHANG) == FPid) {
      FPid = 0;
      return WIFEXITED(ExitStatus) ? WEXITSTATUS(ExitStatus) : 128 + WTERMSIG(ExitStatus);
    }
    std::this_thread::sleep_for(PollInterval);
  }
  return std::nullopt;
}

long TProgramProcess::WindowPid(TWindowId W) {
  const std::string Data = Property(FDisplay, W, "_NET_WM_PID", XA_CARDINAL, 1);
  return Data.size() == sizeof(long) ? *reinterpret_cast<const long*>(Data.data()) : 0;
}

bool TProgramProcess::Viewable(TWindowId W) {
  XWindowAttributes A;
  return XGetWindowAttributes(FDisplay, W, &A) && A.map_state == IsViewable;
}

std::string TProgramProcess::Caption(TWindowId W) {
  return Property(FDisplay, W, "_NET_WM_NAME", XInternAtom(FDisplay, "UTF8_STRING", False), 1024);
}
