// The import and clean-up commands against the recording CAD: what reaches the CAD, in which order,
// and what makes a command stop before it touches the CAD.
#include "RecordingCad.h"

#include "TempDir.h"
#include "cad/CadCommands.h"
#include "cad/CadConnection.h"
#include "cad/TargetProgID.h"
#include "platform/DynamicLibrary.h"
#include "platform/FileContents.h"
#include "platform/UserLocale.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

std::filesystem::path PathOf(const std::string& Utf8) {
  return std::u8string(Utf8.begin(), Utf8.end());
}

std::string Doubled(std::string Text) {
  for (std::size_t I = Text.find('\\'); I != std::string::npos; I = Text.find('\\', I + 2))
    Text.insert(I, 1, '\\');
  return Text;
}

Log Released() {
  return {"Document.Release", "Application.Release"};
}

Log SetVariable(const std::string& Arguments) {
  return TRecordingCad::Call("Document", "SetVariable", "1, " + Arguments);
}

class CadCommands : public ::testing::Test {
protected:
  void SetUp() override {
    TargetProgID = DefaultTargetProgID;
    // A backslash is an ordinary character of a Linux name and the delimiter on Windows.
    Folder = Dir / "図面\\フォルダ 1";
    std::filesystem::create_directories(PathOf(Folder));
    Pdf = Folder + "/計画 図 3.pdf";
    Lisp = LispFilePath(Folder);
    ASSERT_TRUE(platform::WriteFileContents(Pdf, "%PDF-1.4\n"));
    ASSERT_TRUE(platform::WriteFileContents(Lisp, "(princ)\n"));
  }

  TImportInputs Import(const std::string& Scale = "25.4") const { return {Pdf, 3, Scale, Lisp}; }
  Log SentCommand(const std::string& Name) const {
    return TRecordingCad::Call("Document", "SendCommand",
                               "1, BSTR& \"(load \"" + Doubled(Lisp) + "\")(princ)\r" + Name +
                                   "\r\"");
  }

  TTempDir Dir;
  std::string Folder, Pdf, Lisp;
  TRecordingCad Cad;
};

TEST_F(CadCommands, ImportOfPage3HandsOverPathPageAndScaleThenLoadsAndRunsTheImport) {
  ImportPdf(Import());
  EXPECT_EQ(Cad.Log, TRecordingCad::RunningCalls() + TRecordingCad::AttachCalls() +
                         SetVariable("BSTR \"users5\", BSTR& \"" + Pdf + "\"") +
                         SetVariable("BSTR \"useri5\", I4 3") +
                         SetVariable("BSTR \"userr5\", R8 25.4") + SentCommand("importpdf") +
                         Released());
}

TEST_F(CadCommands, ScaleThatIsNoNumberIs25Point4AndAnyNumberGoesUnchanged) {
  const std::string Point = platform::UserDecimalSeparator();
  const std::pair<std::string, const char*> Cases[] = {
      {"letters", "25.4"}, {"", "25.4"}, {"0", "0"}, {"-2", "-2"}, {" 12" + Point + "5 ", "12.5"}};
  for (const auto& [Text, Sent] : Cases) {
    Cad.Log.clear();
    ImportPdf(Import(Text));
    const Log Expected = SetVariable(std::string("BSTR \"userr5\", R8 ") + Sent);
    EXPECT_NE(std::search(Cad.Log.begin(), Cad.Log.end(), Expected.begin(), Expected.end()),
              Cad.Log.end())
        << "scale text \"" << Text << "\"";
  }
}

TEST_F(CadCommands, LowerCaseDefaultTargetStillGetsTheVariables) {
  TargetProgID = "bricscadapp.acadapplication";
  ImportPdf(Import());
  EXPECT_EQ(Cad.Log,
            TRecordingCad::RunningCalls(TargetProgID) + TRecordingCad::AttachCalls(TargetProgID) +
                SetVariable("BSTR \"users5\", BSTR& \"" + Pdf + "\"") +
                SetVariable("BSTR \"useri5\", I4 3") + SetVariable("BSTR \"userr5\", R8 25.4") +
                SentCommand("importpdf") + Released());
}

TEST_F(CadCommands, AnotherCadIsOnlyRaisedByTheImportButGetsTheCleanUpCommands) {
  TargetProgID = "OtherCad.Application";
  Cad.ClassIDs[TargetProgID] = "{OTHER}";
  Cad.Running = {"{OTHER}"};
  ImportPdf(Import());
  EXPECT_EQ(Cad.Log, TRecordingCad::RunningCalls(TargetProgID, "{OTHER}") +
                         TRecordingCad::AttachCalls(TargetProgID, "{OTHER}") + Released());
  Cad.Log.clear();
  RunCleanUpCommand(QuolsaCommandName, Lisp);
  EXPECT_EQ(Cad.Log, TRecordingCad::RunningCalls(TargetProgID, "{OTHER}") +
                         TRecordingCad::AttachCalls(TargetProgID, "{OTHER}") +
                         SentCommand("quolsa") + Released());
}

TEST_F(CadCommands, WithoutTheLispFileTheImportSetsTheVariablesAndTheCleanUpTouchesNothing) {
  std::filesystem::remove(PathOf(Lisp));
  ImportPdf(Import());
  EXPECT_EQ(Cad.Log, TRecordingCad::RunningCalls() + TRecordingCad::AttachCalls() +
                         SetVariable("BSTR \"users5\", BSTR& \"" + Pdf + "\"") +
                         SetVariable("BSTR \"useri5\", I4 3") +
                         SetVariable("BSTR \"userr5\", R8 25.4") + Released());
  Cad.Log.clear();
  RunCleanUpCommand(QuolsaCommandName, Lisp);
  RunCleanUpCommand(PdfLineCommandName, Lisp);
  EXPECT_TRUE(Cad.Log.empty());
}

TEST_F(CadCommands, NoPdfMeansNoCallAtAllAndNoCadMeansNoAttach) {
  for (const std::string& Missing : {std::string(), Folder + "/gone.pdf", Folder}) {
    Cad.Log.clear();
    ImportPdf({Missing, 1, "25.4", Lisp});
    EXPECT_TRUE(Cad.Log.empty()) << "\"" << Missing << "\"";
  }
  Cad.Running.clear();
  Cad.Log.clear();
  ImportPdf(Import());
  RunCleanUpCommand(QuolsaCommandName, Lisp);
  const Log Test = {"CLSIDFromProgID(BricscadApp.AcadApplication)", "GetActiveObject({BRICSCAD})"};
  EXPECT_EQ(Cad.Log, Test + Test);
}

TEST_F(CadCommands, CadExceptionEndsTheCommandWithItsDescriptionAndReleasesTheCad) {
  Cad.Raises["SendCommand"] = "コマンドを実行できません";
  try {
    RunCleanUpCommand(QuolsaCommandName, Lisp);
    FAIL() << "no error";
  } catch (const EOleError& E) {
    EXPECT_STREQ(E.what(), "コマンドを実行できません");
  }
  EXPECT_EQ(Cad.Log, TRecordingCad::RunningCalls() + TRecordingCad::AttachCalls() +
                         SentCommand("quolsa") + Released());
}

TEST_F(CadCommands, NoActiveDocumentStopsTheImportBeforeAnythingIsSet) {
  Cad.HasDocument = false;
  EXPECT_THROW(ImportPdf(Import()), EOleError);
  EXPECT_EQ(Cad.Log, TRecordingCad::RunningCalls() + TRecordingCad::AttachCalls() +
                         Log{"Application.Release"});
}

TEST(CommandText, LoadExpressionThenCommandEachEndedByACarriageReturn) {
  const std::pair<const char*, const char*> Cases[] = {
      {"C:\\Program Files\\QUOLSA\\quolsa.lsp",
       "(load \"C:\\\\Program Files\\\\QUOLSA\\\\quolsa.lsp\")(princ)\rpdfline\r"},
      {"/opt/図面/quolsa.lsp", "(load \"/opt/図面/quolsa.lsp\")(princ)\rpdfline\r"},
      // A double quote cannot end the LISP string early.
      {"/tmp/a\")(command \"erase/quolsa.lsp",
       "(load \"/tmp/a\\\")(command \\\"erase/quolsa.lsp\")(princ)\rpdfline\r"}};
  for (const auto& [Path, Text] : Cases)
    EXPECT_EQ(CommandText(Path, "pdfline"), Text);
  EXPECT_EQ(LispFilePath("q"), std::string("q") + platform::PathDelimiter + "quolsa.lsp");
}

TEST(CommandText, BricsCadTestIgnoresAsciiCase) {
  for (const char* ProgID : {"BricscadApp.AcadApplication", "bricscadapp.acadapplication.24",
                             "MyBRICSCAD", "x.bRiCsCaD"})
    EXPECT_TRUE(IsBricsCADTarget(ProgID)) << ProgID;
  for (const char* ProgID : {"", "Bricks.CAD", "OtherCad.Application"})
    EXPECT_FALSE(IsBricsCADTarget(ProgID)) << ProgID;
}

TEST(TextToFloat, NumbersInTheUsersFormatAndNothingElse) {
  struct TCase {
    const char* Text;
    const char* Separator;
    std::optional<double> Value;
  };
  const TCase Cases[] = {{"25.4", ".", 25.4},
                         {"12,5", ",", 12.5},
                         {"12.5", ",", std::nullopt},
                         {" 1e3 ", ".", 1000},
                         {"1.", ".", 1},
                         {".5", ".", 0.5},
                         {"+2", ".", 2},
                         {"-0.25", ".", -0.25},
                         {"2E-2", ".", 0.02},
                         {".", ".", std::nullopt},
                         {"", ".", std::nullopt},
                         {"1,000", ".", std::nullopt},
                         {"0x10", ".", std::nullopt},
                         {"1e", ".", std::nullopt},
                         {"inf", ".", std::nullopt},
                         {"1e999", ".", std::nullopt},
                         {"--1", ".", std::nullopt},
                         {"1 2", ".", std::nullopt},
                         {"3٫5", "٫", 3.5}};
  for (const TCase& Case : Cases)
    EXPECT_EQ(TextToFloat(Case.Text, Case.Separator), Case.Value)
        << "\"" << Case.Text << "\" with \"" << Case.Separator << "\"";
}

} // namespace
