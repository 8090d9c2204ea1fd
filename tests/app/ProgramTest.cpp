// The real program as a process: started from a temporary installation on the virtual X server and
// closed the way a window manager closes a window.
#include "ProgramProcess.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace std::chrono_literals;

TEST(Program, StartsAndAtANormalEndWritesItsSettingsBesideItself) {
  TTempDir Dir;
  TProgramProcess::Install(Dir.Path(), true);
  TProgramProcess Program;
  Program.Launch(Dir / "quolsa");
  const auto Main = Program.WaitForWindow("Form68");
  ASSERT_TRUE(Main) << "no main window";
  EXPECT_FALSE(std::filesystem::exists(Dir / "quolsa.ini"));
  Program.SendClose(*Main);
  EXPECT_EQ(Program.WaitForExit(), 0);
  const std::string Settings = ReadFile(Dir / "quolsa.ini");
  EXPECT_TRUE(Settings.starts_with("[Form]\r\nWidth=")) << Settings;
  EXPECT_NE(Settings.find("[PDF]\r\nFileName=\r\nPageNo=\r\nScale=25.4\r\n"
                          "[Target]\r\nProgID=BricscadApp.AcadApplication\r\n"),
            std::string::npos)
      << Settings;
}

TEST(Program, WithoutTheEngineShowsTheMessageFirstAndThenTheWindow) {
  TTempDir Dir;
  TProgramProcess::Install(Dir.Path(), false);
  TProgramProcess Program;
  Program.Launch(Dir / "quolsa");
  const auto Message = Program.WaitForWindow("QUOLSA Ver.0.92");
  ASSERT_TRUE(Message) << "no message box captioned with the title";
  EXPECT_FALSE(Program.WaitForWindow("Form68", 500ms)) << "start-up waits for the message";
  Program.SendClose(*Message);
  const auto Main = Program.WaitForWindow("Form68");
  ASSERT_TRUE(Main) << "start-up did not go on";
  Program.SendClose(*Main);
  EXPECT_EQ(Program.WaitForExit(), 0);
}

TEST(Program, UnwritableSettingsAreReportedAndTheProgramStillEnds) {
  TTempDir Dir;
  TProgramProcess::Install(Dir.Path(), true);
  std::filesystem::create_directory(Dir / "quolsa.ini");
  TProgramProcess Program;
  Program.Launch(Dir / "quolsa");
  const auto Main = Program.WaitForWindow("Form68");
  ASSERT_TRUE(Main);
  Program.SendClose(*Main);
  const auto Message = Program.WaitForWindow("QUOLSA Ver.0.92");
  ASSERT_TRUE(Message) << "no error display";
  Program.SendClose(*Message);
  EXPECT_EQ(Program.WaitForExit(), 0);
}

} // namespace
