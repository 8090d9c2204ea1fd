// What the main window takes from the CAD side at start-up and gives back at its end: the caption
// from the target list, the message filter for the window's whole life.
#include "WxTestEnvironment.h"

#include "RecordingCad.h"
#include "app/WxText.h"
#include "cad/TargetProgID.h"

#include <filesystem>

namespace {

using CadStartUp = TWindowTest;

TEST_F(CadStartUp, CaptionNamesTheStoredTargetFromTheTargetList) {
  struct TCase {
    const char* Name;
    std::string ProgID; // stored in the settings file
    std::optional<std::string> List;
    const char* Caption;
  };
  const TCase Cases[] = {
      {"default target", "BricscadApp.AcadApplication",
       "Other CAD\tOtherCad.Application\r\nBricsCAD\tBricscadApp.AcadApplication\r\n",
       "QUOLSA Ver.0.92 [ BricsCAD ]"},
      {"a second CAD", "OtherCad.Application",
       "BricsCAD\tBricscadApp.AcadApplication\r\n別の CAD\tOtherCad.Application\r\n",
       "QUOLSA Ver.0.92 [ 別の CAD ]"},
      {"suffixed ProgID in the file", "BricscadApp.AcadApplication",
       "\xEF\xBB\xBF"
       "BricsCAD V24\tBricscadApp.AcadApplication.24\r\n",
       "QUOLSA Ver.0.92 [ BricsCAD V24 ]"},
      {"two TABs", "X.Y", "A\tB\tX.Y\r\n", "QUOLSA Ver.0.92 [ A\tB ]"},
      {"empty ProgID", "", "no tab\r\nFirst\tF\r\n", "QUOLSA Ver.0.92 [ First ]"},
      {"no line for it", "X.Y", "BricsCAD\tBricscadApp.AcadApplication\r\n", "Form68"},
      {"no file", "BricscadApp.AcadApplication", std::nullopt, "Form68"}};
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    WriteFile(SettingsFile(), "[Target]\r\nProgID=" + Case.ProgID + "\r\n");
    std::filesystem::remove(Dir / "TargetCAD_APIVersion.txt");
    if (Case.List)
      WriteFile(Dir / "TargetCAD_APIVersion.txt", *Case.List);
    TForm68* Form = Start();
    EXPECT_EQ(FromWx(Form->GetTitle()), Case.Caption);
    EXPECT_EQ(TargetProgID, Case.ProgID);
    CloseProgram();
  }
  EXPECT_TRUE(Shown.empty());
}

TEST_F(CadStartUp, MessageFilterIsRegisteredForTheWindowsLifeAndRevokedAfterTheSettingsAreWritten) {
  TRecordingCad Cad;
  bool SettingsWrittenFirst = false;
  Cad.OnRevoke = [&] { SettingsWrittenFirst = std::filesystem::exists(SettingsFile()); };
  Start();
  EXPECT_EQ(Cad.Log, std::vector<std::string>{"CoRegisterMessageFilter(filter)"});
  ASSERT_TRUE(Cad.Filter);
  EXPECT_EQ(Cad.Filter->RetryRejectedCall(0, 2), 1000u);
  CloseProgram();
  EXPECT_EQ(Cad.Log, (std::vector<std::string>{"CoRegisterMessageFilter(filter)",
                                               "CoRegisterMessageFilter(previous)"}));
  EXPECT_TRUE(SettingsWrittenFirst);
}

TEST_F(CadStartUp, FailedSettingsWriteStillRevokesTheFilterWhenTheWindowGoes) {
  TRecordingCad Cad;
  std::filesystem::create_directory(SettingsFile());
  Start();
  CloseProgram();
  ASSERT_EQ(Shown.size(), 1u) << "the settings error";
  EXPECT_EQ(Cad.Log.back(), "CoRegisterMessageFilter(previous)");
  EXPECT_FALSE(Cad.Filter);
}

} // namespace
