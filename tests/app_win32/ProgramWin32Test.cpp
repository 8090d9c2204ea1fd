// quolsa.exe as a process on Windows: its start, its messages and its settings file beside it.
#include "ProgramWin32.h"

#include <algorithm>

namespace {

const std::wstring Title = L"QUOLSA Ver.0.92";
const std::wstring MainCaption = L"Form68";

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
