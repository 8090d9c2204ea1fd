// Settings writes that fail for real: a write the system cuts off after some bytes, a full file
// system, a file the user may not write or read. The file keeps its old content byte for byte.
#include "app/IniFile.h"
#include "app/Settings.h"

#include "TempDir.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const std::string OldContent = "; kept by hand\r\n"
                               "[Form]\r\nWidth=533\r\nHeight=364\r\nLeft=10\r\nTop=20\r\n"
                               "[PDF]\r\nFileName=/data/old plan.pdf\r\nPageNo=3\r\nScale=25.4\r\n"
                               "[Target]\r\nProgID=BricscadApp.AcadApplication\r\n";

// Writes to files fail past Limit bytes while the object lives: the system refuses them (EFBIG)
// instead of sending the signal that would end the process.
class TFileSizeLimit {
public:
  explicit TFileSizeLimit(rlim_t Limit) {
    FOldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &FOld);
    rlimit New = FOld;
    New.rlim_cur = Limit;
    EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &New), 0);
  }
  ~TFileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &FOld);
    std::signal(SIGXFSZ, FOldHandler);
  }

private:
  rlimit FOld;
  void (*FOldHandler)(int);
};

std::vector<std::string> Names(const std::string& Dir) {
  std::vector<std::string> Result;
  for (const auto& Entry : fs::directory_iterator(Dir))
    Result.push_back(Entry.path().filename().string());
  return Result;
}

void ExpectCannotWrite(const std::function<void()>& Write, const std::string& FileName) {
  try {
    Write();
    ADD_FAILURE() << "no error";
  } catch (const EIniFileException& E) {
    EXPECT_EQ(std::string(E.what()), FileName + " に書き込めません");
  }
}

TEST(IniFileFailedWrite, AWriteCutOffAnywhereLeavesTheFileAsItWas) {
  TTempDir Dir;
  TIniFile Ini(Dir / "quolsa.ini");
  WriteFile(Ini.FileName(), OldContent);
  const std::string Value(200, 'n');
  TIniDocument New = TIniDocument::Parse(OldContent);
  New.SetValue("PDF", "FileName", Value);
  const size_t NewSize = New.Text().size();
  for (const size_t Limit : {size_t(0), size_t(1), NewSize / 2, NewSize - 1}) {
    {
      TFileSizeLimit Cut(Limit);
      ExpectCannotWrite([&] { Ini.WriteString("PDF", "FileName", Value); }, Ini.FileName());
    }
    EXPECT_EQ(ReadFile(Ini.FileName()), OldContent) << "cut after " << Limit << " bytes";
    EXPECT_EQ(Names(Dir.Path()), std::vector<std::string>{"quolsa.ini"}) << "temporary file left";
  }
  // With room enough the same write goes through.
  TFileSizeLimit Room(NewSize + 16);
  Ini.WriteString("PDF", "FileName", Value);
  EXPECT_EQ(Ini.ReadString("PDF", "FileName", ""), Value);
}

// A file system of its own, visible only to this process: a private mount namespace, entered as
// root or through a user namespace. False where the system allows neither.
bool EnterPrivateMountNamespace() {
  if (::unshare(CLONE_NEWNS) != 0) {
    const uid_t Uid = ::getuid();
    const gid_t Gid = ::getgid();
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
      return false;
    std::ofstream("/proc/self/setgroups") << "deny";
    std::ofstream("/proc/self/uid_map") << "0 " << Uid << " 1";
    std::ofstream("/proc/self/gid_map") << "0 " << Gid << " 1";
  }
  return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

// Fills the file system that holds Dir up to its last byte.
void FillUp(const std::string& Dir) {
  std::FILE* Filler = std::fopen((Dir + "/filler").c_str(), "wb");
  ASSERT_NE(Filler, nullptr);
  const std::string Block(4096, 'f');
  while (std::fwrite(Block.data(), 1, Block.size(), Filler) == Block.size() &&
         std::fflush(Filler) == 0) {
  }
  std::fclose(Filler);
}

TEST(IniFileFailedWrite, AFullDiskLosesNothing) {
  TTempDir Dir;
  const std::string Disk = Dir / "disk";
  fs::create_directory(Disk);
  if (!EnterPrivateMountNamespace() ||
      ::mount("tmpfs", Disk.c_str(), "tmpfs", 0, "size=64k,mode=0777") != 0)
    GTEST_SKIP() << "no small file system can be mounted here: " << std::strerror(errno);

  TIniFile Ini(Disk + "/quolsa.ini");
  WriteFile(Ini.FileName(), OldContent);
  FillUp(Disk);
  TSettings New = ReadSettings(Ini, TSettings());
  New.FileName = "/data/new plan.pdf";
  New.Left = 99;
  ExpectCannotWrite([&] { WriteSettings(Ini, New); }, Ini.FileName());
  EXPECT_EQ(ReadFile(Ini.FileName()), OldContent);
  EXPECT_EQ(Names(Disk).size(), 2u) << "temporary file left";

  // Room again: the settings are written as usual.
  fs::remove(Disk + "/filler");
  WriteSettings(Ini, New);
  EXPECT_EQ(ReadSettings(Ini, TSettings()).FileName, "/data/new plan.pdf");
  EXPECT_EQ(ReadSettings(Ini, TSettings()).Left, 99);
  ::umount2(Disk.c_str(), MNT_DETACH);
}

// Run as root, a test takes the part of an ordinary user while the object lives: permissions bind
// only such a user.
class TOrdinaryUser {
public:
  TOrdinaryUser() { EXPECT_EQ(FRoot ? ::seteuid(65534) : 0, 0); }
  ~TOrdinaryUser() { EXPECT_EQ(FRoot ? ::seteuid(0) : 0, 0); }

private:
  const bool FRoot = ::geteuid() == 0;
};

// A file the user may not write, or may write but not read.
TEST(IniFileFailedWrite, AFileTheUserMayNotWriteOrReadIsNotReplaced) {
  TTempDir Dir;
  fs::permissions(Dir.Path(), fs::perms::all);
  for (const fs::perms Mode :
       {fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read,
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write}) {
    TIniFile Ini(Dir / "quolsa.ini");
    WriteFile(Ini.FileName(), OldContent);
    fs::permissions(Ini.FileName(), Mode);
    {
      TOrdinaryUser User;
      ExpectCannotWrite([&] { Ini.WriteString("Form", "Left", "5"); }, Ini.FileName());
    }
    fs::permissions(Ini.FileName(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ReadFile(Ini.FileName()), OldContent) << "mode " << std::oct << int(Mode);
    EXPECT_EQ(Names(Dir.Path()), std::vector<std::string>{"quolsa.ini"}) << "temporary file left";
    fs::remove(Ini.FileName());
  }
}

TEST(IniFileFailedWrite, TheReplacedFileKeepsItsPermissions) {
  TTempDir Dir;
  TIniFile Ini(Dir / "quolsa.ini");
  WriteFile(Ini.FileName(), OldContent);
  const fs::perms Shared = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                           fs::perms::group_write;
  fs::permissions(Ini.FileName(), Shared);
  Ini.WriteString("Form", "Left", "5");
  EXPECT_EQ(fs::status(Ini.FileName()).permissions(), Shared);
  EXPECT_EQ(Ini.ReadInteger("Form", "Left", 0), 5);
}

} // namespace
