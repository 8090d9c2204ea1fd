#include "platform/FilePath.h"
#include "platform/DynamicLibrary.h"
#include "platform/ExecutablePath.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

TEST(FilePath, SettingsFileIsTheExecutablesPathWithIni) {
  struct TCase {
    const char *Executable, *Settings;
  } Cases[] = {
      {"/opt/quolsa/quolsa", "/opt/quolsa/quolsa.ini"},
      {"/opt/quolsa/quolsa.exe", "/opt/quolsa/quolsa.ini"},
      {"/opt/v0.92/quolsa", "/opt/v0.92/quolsa.ini"}, // a "." in a directory is no extension
      {"/opt/quolsa/q.tar.gz", "/opt/quolsa/q.tar.ini"},
      {"quolsa", "quolsa.ini"},
  };
  for (const TCase& C : Cases)
    EXPECT_EQ(platform::ChangeFileExt(C.Executable, ".ini"), C.Settings);
}

TEST(FilePath, DirectoryParts) {
  EXPECT_EQ(platform::ExtractFilePath("/opt/quolsa/quolsa"), "/opt/quolsa/");
  EXPECT_EQ(platform::ExtractFilePath("quolsa"), "");
  EXPECT_EQ(platform::ExtractFileDir("/opt/quolsa/quolsa"), "/opt/quolsa");
  EXPECT_EQ(platform::ExtractFileDir("/quolsa"), "/");
  // A missing delimiter is added in this system's own form.
  EXPECT_EQ(platform::IncludeTrailingDelimiter("/opt"),
            std::string("/opt") + platform::PathDelimiter);
  EXPECT_EQ(platform::IncludeTrailingDelimiter("/opt/"), "/opt/");
}

TEST(ExecutablePath, NamesTheRunningTestProgram) {
  const std::string Path = platform::ExecutablePath();
  const std::filesystem::path File(Path);
  EXPECT_TRUE(File.is_absolute()) << Path;
  EXPECT_EQ(File.stem().string(), "app_text_test") << Path;
  EXPECT_EQ(File.parent_path().filename().string(), "bin") << Path;
}

} // namespace
