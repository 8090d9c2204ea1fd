#include "XClipboard.h"

#include "WxTestEnvironment.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <wx/stopwatch.h>

extern char** environ;

namespace {

// Starts xclip with Args, one end of a pipe as its standard input (Input) or output; the other
// end is returned in Pipe.
pid_t StartXclip(const std::vector<std::string>& Args, bool Input, int& Pipe) {
  int Ends[2];
  if (::pipe(Ends) != 0)
    throw std::runtime_error("pipe failed");
  posix_spawn_file_actions_t Actions;
  posix_spawn_file_actions_init(&Actions);
  posix_spawn_file_actions_adddup2(&Actions, Input ? Ends[0] : Ends[1], Input ? 0 : 1);
  posix_spawn_file_actions_addclose(&Actions, Ends[0]);
  posix_spawn_file_actions_addclose(&Actions, Ends[1]);
  posix_spawn_file_actions_addopen(&Actions, 2, "/dev/null", O_WRONLY, 0);
  std::vector<char*> Argv;
  std::vector<std::string> All{"xclip", "-selection", "clipboard"};
  All.insert(All.end(), Args.begin(), Args.end());
  for (std::string& A : All)
    Argv.push_back(A.data());
  Argv.push_back(nullptr);
  pid_t Pid = -1;
  const int Error = posix_spawnp(&Pid, "xclip", &Actions, nullptr, Argv.data(), environ);
  posix_spawn_file_actions_destroy(&Actions);
  ::close(Input ? Ends[0] : Ends[1]);
  Pipe = Input ? Ends[1] : Ends[0];
  if (Error != 0) {
    ::close(Pipe);
    throw std::runtime_error("xclip could not be started (is it installed?)");
  }
  return Pid;
}

// Runs xclip -o for a target, handling events until it has answered.
std::string ReadTarget(const std::string& Target) {
  int Out = -1;
  const pid_t Pid = StartXclip({"-o", "-t", Target}, false, Out);
  ::fcntl(Out, F_SETFL, O_NONBLOCK);
  std::string Result;
  bool Exited = false;
  wxStopWatch Watch;
  while (!Exited && Watch.Time() < 10000) {
    char Buffer[4096];
    ssize_t N;
    while ((N = ::read(Out, Buffer, sizeof Buffer)) > 0)
      Result.append(Buffer, std::size_t(N));
    int Status = 0;
    Exited = ::waitpid(Pid, &Status, WNOHANG) == Pid;
    if (!Exited)
      PumpEvents(5);
  }
  if (!Exited) {
    ::kill(Pid, SIGKILL);
    ::waitpid(Pid, nullptr, 0);
  }
  char Buffer[4096];
  ssize_t N;
  while ((N = ::read(Out, Buffer, sizeof Buffer)) > 0)
    Result.append(Buffer, std::size_t(N));
  ::close(Out);
  return Result;
}

} // namespace

std::string ReadXClipboard() {
  return ReadTarget("UTF8_STRING");
}

TXClipboardOwner::TXClipboardOwner(const std::string& Data, const std::string& Type) {
  int In = -1;
  // In the foreground, so that it can be ended here.
  FPid = StartXclip({"-quiet", "-i", "-t", Type}, true, In);
  for (std::size_t Done = 0; Done < Data.size();) {
    const ssize_t N = ::write(In, Data.data() + Done, Data.size() - Done);
    if (N <= 0)
      break;
    Done += std::size_t(N);
  }
  ::close(In);
  // xclip owns the clipboard once it answers with the data (text), or offers the type (other
  // types, which this process never offers).
  PumpUntil(
      [&] {
        return Type == "UTF8_STRING" ? ReadTarget(Type) == Data
                                     : ReadTarget("TARGETS").find(Type) != std::string::npos;
      },
      5000);
}

TXClipboardOwner::~TXClipboardOwner() {
  ::kill(FPid, SIGTERM);
  ::waitpid(FPid, nullptr, 0);
}
