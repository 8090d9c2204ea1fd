// The COM side of the automation seam against the stand-in CAD running as a program of its own:
// class names, the running object table, member look-up, typed arguments, texts copied back, the
// object's exception, and the attach sequence on the real desktop.
#include "StandInCad.h"
#include "TestFiles.h"

#include "cad/CadCommands.h"
#include "cad/CadConnection.h"
#include "cad/TargetProgID.h"
#include "platform/Automation.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

using namespace platform;
using Lines = std::vector<std::string>;

const std::wstring TestProgID = L"QuolsaTest.StandInCad";
const std::string TestProgIDUtf8 = "QuolsaTest.StandInCad";

std::string ClassIDText() {
  wchar_t Text[40];
  ::StringFromGUID2(StandInCadClassID, Text, 40);
  return Utf8(Text);
}

class ComAutomation : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    TargetProgID = TestProgIDUtf8;
  }
  void TearDown() override { ::CoUninitialize(); }

  TStandInCad::TOptions Options() const {
    TStandInCad::TOptions Result;
    Result.ProgID = TestProgID;
    return Result;
  }
  std::filesystem::path CallLog() const { return Dir.Path() / L"calls.txt"; }

  TAutomationRuntime& Runtime = SystemAutomationRuntime();
  TTempDirectory Dir;
};

TEST_F(ComAutomation, NameNotRegisteredOrNoInstanceRunningIsNoTarget) {
  EXPECT_THROW(Runtime.CLSIDFromProgID("QuolsaTest.NoSuchClass"), EOleSysError);
  EXPECT_THROW(Runtime.CLSIDFromProgID(""), EOleSysError);
  EXPECT_FALSE(IsTargetCADRunning());

  RegisterProgID(TestProgID, StandInCadClassID);
  EXPECT_EQ(Runtime.CLSIDFromProgID(TestProgIDUtf8), ClassIDText());
  EXPECT_FALSE(Runtime.HasActiveObject(ClassIDText()));
  try {
    Runtime.GetActiveObject(ClassIDText());
    ADD_FAILURE() << "no error";
  } catch (const EOleSysError& E) {
    EXPECT_EQ(E.ErrorCode, static_cast<std::int32_t>(MK_E_UNAVAILABLE));
    EXPECT_FALSE(std::string(E.what()).empty());
  }
  EXPECT_FALSE(IsTargetCADRunning());
  UnregisterProgID(TestProgID);
}

TEST_F(ComAutomation, CallsReachTheRunningObjectWithTheirTypesAndTextsComeBack) {
  TStandInCad Cad(CallLog(), Options());
  EXPECT_TRUE(IsTargetCADRunning());
  std::unique_ptr<TDispatchObject> Application = Runtime.GetActiveObject(ClassIDText());
  EXPECT_FALSE(Application->GetIDOfName("NoSuchMember"));
  EXPECT_EQ(
      CallMember(*Application, "HWND", DispatchMethod | DispatchPropertyGet, {}, rkInteger).Integer,
      reinterpret_cast<std::intptr_t>(Cad.Window()));
  std::unique_ptr<TDispatchObject> Document =
      CallMember(*Application, "ActiveDocument", DispatchMethod | DispatchPropertyGet, {}, rkObject)
          .Object;
  ASSERT_TRUE(Document);
  std::string Path = "C:\\図面 1\\計画.pdf";
  CallMember(*Document, "SetVariable", DispatchMethod, {std::string("users5"), TTextByRef{&Path}});
  CallMember(*Document, "SetVariable", DispatchMethod, {std::string("useri5"), std::int32_t{3}});
  CallMember(*Document, "SetVariable", DispatchMethod, {std::string("userr5"), 25.4});
  std::string Marked = "図面";
  CallMember(*Document, "AppendMark", DispatchMethod, {TTextByRef{&Marked}});
  EXPECT_EQ(Marked, "図面 (seen)");
  EXPECT_EQ(Path, "C:\\図面 1\\計画.pdf");
  EXPECT_EQ(Cad.Calls(),
            (Lines{"HWND() flags 3", "ActiveDocument() flags 3",
                   "SetVariable(BSTR \"users5\", BSTR& \"C:\\図面 1\\計画.pdf\") flags 1",
                   "SetVariable(BSTR \"useri5\", I4 3) flags 1",
                   "SetVariable(BSTR \"userr5\", R8 25.4) flags 1",
                   "AppendMark(BSTR& \"図面\") flags 1"}));
}

TEST_F(ComAutomation, ObjectsExceptionBringsItsDescription) {
  TStandInCad::TOptions Raising = Options();
  Raising.RaisingMembers = {L"SendCommand=図面はロックされています"};
  TStandInCad Cad(CallLog(), Raising);
  std::unique_ptr<TDispatchObject> Application = Runtime.GetActiveObject(ClassIDText());
  std::unique_ptr<TDispatchObject> Document =
      CallMember(*Application, "ActiveDocument", DispatchMethod | DispatchPropertyGet, {}, rkObject)
          .Object;
  ASSERT_TRUE(Document);
  std::string Text = "quolsa\r";
  try {
    CallMember(*Document, "SendCommand", DispatchMethod, {TTextByRef{&Text}});
    ADD_FAILURE() << "no error";
  } catch (const EOleException& E) {
    EXPECT_STREQ(E.what(), "図面はロックされています");
  }
  EXPECT_EQ(Cad.Calls().back(), "SendCommand(BSTR& \"quolsa\\r\") flags 1");
}

// Under Wine a window of another program comes to the front only once that program has handled
// its activation, so the CAD is brought to the front here before the command raises it again.
TEST_F(ComAutomation, CleanUpCommandOnTheRealDesktopStrokesEscapeInTheCadAndSendsItsText) {
  TStandInCad Cad(CallLog(), Options());
  ::SetForegroundWindow(Cad.Window());
  for (int I = 0; I < 100 && ::GetForegroundWindow() != Cad.Window(); ++I)
    ::Sleep(20);
  ASSERT_EQ(::GetForegroundWindow(), Cad.Window());
  const std::string Lisp = Utf8(Dir.Path() / L"quolsa.lsp");
  std::ofstream(Dir.Path() / L"quolsa.lsp") << "(princ)\n";
  RunCleanUpCommand("pdfline", Lisp);
  ::Sleep(200);
  Lines Calls = Cad.Calls();
  // The key strokes come through the CAD's input queue, its calls through the automation runtime.
  EXPECT_EQ(std::erase(Calls, "Escape down"), 1u);
  EXPECT_EQ(std::erase(Calls, "Escape up"), 1u);
  std::string Doubled;
  for (char C : Lisp)
    Doubled += C == '\\' ? std::string("\\\\") : std::string(1, C);
  EXPECT_EQ(
      Calls,
      (Lines{"HWND() flags 3", "HWND() flags 3", "HWND() flags 3", "ActiveDocument() flags 3",
             "SendCommand(BSTR& \"(load \"" + Doubled + "\")(princ)\\rpdfline\\r\") flags 1"}));
}

TEST_F(ComAutomation, TargetWithoutHWNDIsReportedBeforeAnythingIsCalled) {
  TStandInCad::TOptions Without = Options();
  Without.WithoutHWND = true;
  TStandInCad Cad(CallLog(), Without);
  try {
    AttachTargetCAD();
    ADD_FAILURE() << "no error";
  } catch (const EOleError& E) {
    EXPECT_STREQ(E.what(), "メソッド 'HWND' はオートメーション オブジェクトでサポートしていません");
  }
  EXPECT_TRUE(Cad.Calls().empty());
}

} // namespace
