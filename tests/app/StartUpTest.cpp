// Start-up and shut-down of the main window: the settings file, the engine, the empty state.
#include "WxTestEnvironment.h"

#include "app/StatusLine.h"
#include "app/WxText.h"

#include "cad/TargetProgID.h"
#include "engine/PdfEngineApi.h"
#include "platform/DynamicLibrary.h"

#include <filesystem>
#include <wx/display.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

using StartUp = TWindowTest;

wxPoint CentredPosition(const wxWindow* Window) {
  const wxSize Screen = wxDisplay().GetGeometry().GetSize();
  return wxPoint((Screen.x - Window->GetSize().x) / 2, (Screen.y - Window->GetSize().y) / 2);
}

std::string SettingsText(wxPoint Position, wxSize Size, const std::string& FileName,
                         const std::string& PageNo, const std::string& Scale,
                         const std::string& ProgID) {
  return "[Form]\r\nWidth=" + std::to_string(Size.x) + "\r\nHeight=" + std::to_string(Size.y) +
         "\r\nLeft=" + std::to_string(Position.x) + "\r\nTop=" + std::to_string(Position.y) +
         "\r\n[PDF]\r\nFileName=" + FileName + "\r\nPageNo=" + PageNo + "\r\nScale=" + Scale +
         "\r\n[Target]\r\nProgID=" + ProgID + "\r\n";
}

TEST_F(StartUp, FirstRunOpensCentredAndEmptyAndCreatesTheFileAtClose) {
  TForm68* Form = Start();
  EXPECT_EQ(Form->GetPosition(), CentredPosition(Form));
  EXPECT_EQ(Form->GetClientSize(), wxSize(533, 364));
  EXPECT_EQ(FromWx(Form->Edit3->GetValue()), "25.4");
  // No document to re-open: the empty state clears the file name, the page box and the label.
  EXPECT_EQ(FromWx(Form->Edit1->GetValue()), "");
  EXPECT_EQ(FromWx(Form->Edit2->GetValue()), "");
  EXPECT_EQ(Form->Label1->GetLabel(), "");
  EXPECT_EQ(TargetProgID, "BricscadApp.AcadApplication");
  EXPECT_TRUE(Shown.empty());
  EXPECT_FALSE(std::filesystem::exists(SettingsFile())) << "the file is touched only at the end";

  const wxPoint Position = Form->GetPosition();
  const wxSize Size = Form->GetSize();
  CloseProgram();
  EXPECT_EQ(ReadFile(SettingsFile()),
            SettingsText(Position, Size, "", "", "25.4", "BricscadApp.AcadApplication"));
  EXPECT_TRUE(Shown.empty());
}

TEST_F(StartUp, LeftThatIsNoNumberCentresTheWindowAndTheRealPositionIsWrittenBack) {
  WriteFile(SettingsFile(), "[Form]\r\nLeft=abc\r\nTop=100\r\n");
  TForm68* Form = Start();
  EXPECT_EQ(Form->GetPosition(), wxPoint(CentredPosition(Form).x, 100));
  Form->Move(70, 80); // where the user leaves it
  PumpUntil([Form] { return Form->GetPosition() == wxPoint(70, 80); });
  CloseProgram();
  const std::string Written = ReadFile(SettingsFile());
  EXPECT_NE(Written.find("Left=70\r\nTop=80\r\n"), std::string::npos) << Written;
}

TEST_F(StartUp, StoredPositionIsUsedAndStoredSizeIsNot) {
  WriteFile(SettingsFile(), "[Form]\nWidth=900\nHeight=700\nLeft=40\nTop=30\n");
  TForm68* Form = Start();
  EXPECT_EQ(Form->GetPosition(), wxPoint(40, 30));
  EXPECT_EQ(Form->GetClientSize(), wxSize(533, 364));
}

TEST_F(StartUp, PageAndScaleThatAreNoNumbersAreShownUnchanged) {
  WriteFile(Dir / "plan.pdf", "%PDF-1.4\n");
  WriteFile(SettingsFile(), "[PDF]\nFileName=" + Dir / "plan.pdf" +
                                "\nPageNo=seven\nScale=1:50\n[Target]\nProgID=Other.Application\n");
  TForm68* Form = Start();
  EXPECT_EQ(FromWx(Form->Edit1->GetValue()), Dir / "plan.pdf");
  EXPECT_EQ(FromWx(Form->Edit2->GetValue()), "seven");
  EXPECT_EQ(FromWx(Form->Edit3->GetValue()), "1:50");
  EXPECT_EQ(TargetProgID, "Other.Application");
}

TEST_F(StartUp, StoredFileThatIsGoneGivesTheEmptyStateAndEmptyValuesAtClose) {
  WriteFile(SettingsFile(), "[PDF]\nFileName=" + Dir / "deleted.pdf" + "\nPageNo=4\n");
  TForm68* Form = Start();
  EXPECT_EQ(FromWx(Form->Edit1->GetValue()), "");
  EXPECT_EQ(FromWx(Form->Edit2->GetValue()), "");
  CloseProgram();
  const std::string Written = ReadFile(SettingsFile());
  EXPECT_NE(Written.find("FileName=\nPageNo=\n"), std::string::npos) << Written;
}

TEST_F(StartUp, HandWrittenFileKeepsEverythingButTheEightValues) {
  const std::string Before = "\xEF\xBB\xBF"
                             "; written by hand\n"
                             "[form]\n"
                             "left = 20\n"
                             "top = 10 \n"
                             "Colour=dark\n"
                             "\n"
                             "[Recent]\n"
                             "File1=/old/a.pdf\n"
                             "\n"
                             "[pdf]\n"
                             "scale = 0.5\n";
  WriteFile(SettingsFile(), Before);
  TForm68* Form = Start();
  EXPECT_EQ(Form->GetPosition(), wxPoint(20, 10));
  EXPECT_EQ(FromWx(Form->Edit3->GetValue()), "0.5");
  Form->Edit3->ChangeValue("12.5");
  const wxSize Size = Form->GetSize();
  CloseProgram();
  EXPECT_EQ(ReadFile(SettingsFile()), "\xEF\xBB\xBF"
                                      "; written by hand\n"
                                      "[form]\n"
                                      "Left=20\n"
                                      "Top=10\n"
                                      "Colour=dark\n"
                                      "Width=" +
                                          std::to_string(Size.x) +
                                          "\nHeight=" + std::to_string(Size.y) +
                                          "\n"
                                          "\n"
                                          "[Recent]\n"
                                          "File1=/old/a.pdf\n"
                                          "\n"
                                          "[pdf]\n"
                                          "Scale=12.5\n"
                                          "FileName=\n"
                                          "PageNo=\n"
                                          "[Target]\n"
                                          "ProgID=BricscadApp.AcadApplication\n");
}

TEST_F(StartUp, UnwritableSettingsFileIsReportedOnceAndTheProgramStillEnds) {
  std::filesystem::create_directory(SettingsFile()); // even root cannot write a directory
  Start();
  CloseProgram();
  ASSERT_EQ(Shown.size(), 1u);
  EXPECT_EQ(Shown[0].Text, SettingsFile() + " に書き込めません.");
  EXPECT_EQ(Shown[0].Caption, "QUOLSA Ver.0.92");
  EXPECT_EQ(Shown[0].Icon, miStop);
  EXPECT_EQ(Form68, nullptr);
}

TEST_F(StartUp, MissingEngineIsReportedOnceAndStartUpGoesOn) {
  TForm68* Form = Start(/*WithEngine=*/false);
  ASSERT_EQ(Shown.size(), 1u);
  // The message names this system's engine library file.
  const std::string Expected = std::string(platform::EngineLibraryFileName) == "pdfium.dll"
                                   ? "PDFium.DLL が見つかりません."
                                   : "libpdfium.so が見つかりません.";
  EXPECT_EQ(Shown[0].Text, Expected);
  EXPECT_EQ(Shown[0].Caption, "QUOLSA Ver.0.92");
  EXPECT_EQ(Shown[0].Icon, miNone);
  EXPECT_FALSE(EngineLoaded());
  // The later steps ran.
  EXPECT_EQ(Form->Label1->GetLabel(), "");
  EXPECT_EQ(FromWx(Form->Edit3->GetValue()), "25.4");
  EXPECT_EQ(FromWx(Form->StatusBar1->GetStatusText()), StatusBarHint);
  EXPECT_EQ(Form->GetPosition(), CentredPosition(Form));
  CloseProgram();
  EXPECT_EQ(Shown.size(), 1u);
  EXPECT_TRUE(std::filesystem::exists(SettingsFile()));
}

TEST_F(StartUp, EngineBesideTheExecutableIsLoaded) {
  TForm68* Form = Start();
  EXPECT_TRUE(Shown.empty());
  EXPECT_TRUE(EngineLoaded());
  EXPECT_EQ(Form->EngineDirectory(), Dir / "PDFium/x64");
}

} // namespace
