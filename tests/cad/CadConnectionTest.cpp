// Finding and attaching to the running CAD, against the recording CAD: every call, wait and key
// stroke in order.
#include "RecordingCad.h"

#include "cad/CadConnection.h"
#include "cad/TargetProgID.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

class CadConnection : public ::testing::Test {
protected:
  void SetUp() override { TargetProgID = DefaultTargetProgID; }
  TRecordingCad Cad;
};

TEST_F(CadConnection, RunningTestHoldsNothing) {
  EXPECT_TRUE(IsTargetCADRunning());
  EXPECT_EQ(Cad.Log, TRecordingCad::RunningCalls());
}

TEST_F(CadConnection, NameNotRegisteredEmptyOrNothingRunningAnswersFalseQuietly) {
  struct TCase {
    const char* ProgID;
    bool Registered;
  };
  for (const TCase Case : {TCase{"NoSuch.Application", false}, TCase{"", false},
                           TCase{"BricscadApp.AcadApplication", true}}) {
    SCOPED_TRACE(Case.ProgID);
    Cad.Running.clear();
    Cad.Log.clear();
    TargetProgID = Case.ProgID;
    EXPECT_FALSE(IsTargetCADRunning());
    Log Expected = {"CLSIDFromProgID(" + std::string(Case.ProgID) + ")"};
    if (Case.Registered)
      Expected.push_back("GetActiveObject({BRICSCAD})");
    EXPECT_EQ(Cad.Log, Expected);
  }
}

TEST_F(CadConnection, AttachRaisesTheCadReadsTheWindowThreeTimesAndStrokesEscapeOnce) {
  {
    TTargetCAD Attached = AttachTargetCAD();
    EXPECT_EQ(Cad.Log, TRecordingCad::AttachCalls());
    Cad.Log.clear();
  }
  EXPECT_EQ(Cad.Log, (Log{"Document.Release", "Application.Release"}));
}

TEST_F(CadConnection, MinimisedCadIsRestoredAndWaitedForFirst) {
  Cad.Minimised = true;
  AttachTargetCAD();
  const Log ReadHWND = TRecordingCad::Call("Application", "HWND", "3");
  const Log Expected =
      Log{"CLSIDFromProgID(BricscadApp.AcadApplication)", "GetActiveObject({BRICSCAD})",
          "QueryInterface(IDispatch)"} +
      ReadHWND + Log{"IsIconic(0xcad)"} + ReadHWND + Log{"OpenIcon(0xcad)", "Sleep(500)"} +
      ReadHWND + Log{"SetForegroundWindow(0xcad)", "GetForegroundWindow()"} + ReadHWND +
      Log{"keybd_event(0x1b, 0, 0, 0)", "keybd_event(0x1b, 0, 0x2, 0)", "Sleep(5)"} +
      TRecordingCad::Call("Application", "ActiveDocument", "3") +
      Log{"Document.Release", "Application.Release"};
  EXPECT_EQ(Cad.Log, Expected);
}

TEST_F(CadConnection, RefusedForegroundMeansNoEscapeButTheDocumentIsStillTaken) {
  Cad.RefusesForeground = true;
  TTargetCAD Attached = AttachTargetCAD();
  Log Expected = TRecordingCad::AttachCalls();
  Expected.erase(Expected.end() - 5, Expected.end() - 2); // the key strokes and their wait
  EXPECT_EQ(Cad.Log, Expected);
}

TEST_F(CadConnection, TargetWithoutHWNDFailsBeforeTheWindowIsTouched) {
  Cad.ApplicationMembers = {"ActiveDocument"};
  try {
    AttachTargetCAD();
    FAIL() << "no error";
  } catch (const EOleError& E) {
    EXPECT_STREQ(E.what(), "メソッド 'HWND' はオートメーション オブジェクトでサポートしていません");
  }
  EXPECT_EQ(Cad.Log, (Log{"CLSIDFromProgID(BricscadApp.AcadApplication)",
                          "GetActiveObject({BRICSCAD})", "QueryInterface(IDispatch)",
                          "Application.GetIDsOfNames(HWND)", "Application.Release"}));
}

TEST_F(CadConnection, VanishedInstanceOrNoDispatchInterfaceRaiseTheSystemsText) {
  Cad.Running.clear();
  EXPECT_THROW(AttachTargetCAD(), platform::EOleSysError);
  Cad.Running = {"{BRICSCAD}"};
  Cad.OffersDispatch = false;
  try {
    AttachTargetCAD();
    FAIL() << "no error";
  } catch (const platform::EOleSysError& E) {
    EXPECT_EQ(E.ErrorCode, static_cast<std::int32_t>(0x80004002));
    EXPECT_STREQ(E.what(), platform::OleErrorMessage(E.ErrorCode).c_str());
  }
}

TEST_F(CadConnection, CallsOnTheDocumentResolveEveryNameAnewAndPassTypedArguments) {
  TTargetCAD Attached = AttachTargetCAD();
  Cad.Log.clear();
  Attached.SetVariable("users5", std::string("a"));
  Attached.SetVariable("useri5", 7);
  Attached.SetVariable("userr5", 0.5);
  Attached.SendCommand("x\r");
  EXPECT_EQ(Cad.Log,
            TRecordingCad::Call("Document", "SetVariable", "1, BSTR \"users5\", BSTR \"a\"") +
                TRecordingCad::Call("Document", "SetVariable", "1, BSTR \"useri5\", I4 7") +
                TRecordingCad::Call("Document", "SetVariable", "1, BSTR \"userr5\", R8 0.5") +
                TRecordingCad::Call("Document", "SendCommand", "1, BSTR& \"x\r\""));
}

TEST_F(CadConnection, WithoutAnActiveDocumentTheFirstDocumentCallFails) {
  Cad.HasDocument = false;
  TTargetCAD Attached = AttachTargetCAD();
  Cad.Log.clear();
  EXPECT_THROW(Attached.SendCommand("x"), EOleError);
  EXPECT_TRUE(Cad.Log.empty());
}

} // namespace
