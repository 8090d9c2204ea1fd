#include "cad/CadConnection.h"

#include "cad/TargetProgID.h"

using namespace platform;

namespace {

constexpr std::uint16_t ReadMember = DispatchMethod | DispatchPropertyGet;
constexpr std::uint8_t VK_ESCAPE_KEY = 0x1B;

// The CAD's main window; read afresh for every use.
TWindowHandle ReadHWND(TDispatchObject& Application) {
  return static_cast<TWindowHandle>(
      CallMember(Application, "HWND", ReadMember, {}, rkInteger).Integer);
}

} // namespace

std::string MethodNotSupportedMessage(const std::string& Name) {
  return "メソッド '" + Name + "' はオートメーション オブジェクトでサポートしていません";
}

TAutomationResult CallMember(TDispatchObject& Object, const std::string& Name, std::uint16_t Flags,
                             std::vector<TAutomationArgument> Args, TResultKind Result) {
  const std::optional<std::int32_t> ID = Object.GetIDOfName(Name);
  if (!ID)
    throw EOleError(MethodNotSupportedMessage(Name));
  return Object.Invoke(*ID, Flags, Args, Result);
}

bool IsTargetCADRunning() {
  std::string ClassID;
  try {
    ClassID = AutomationRuntime().CLSIDFromProgID(TargetProgID);
  } catch (const EOleError&) {
    return false;
  }
  return AutomationRuntime().HasActiveObject(ClassID);
}

TTargetCAD::TTargetCAD(std::unique_ptr<TDispatchObject> Application,
                       std::unique_ptr<TDispatchObject> Document)
    : FApplication(std::move(Application)), FDocument(std::move(Document)) {}

TTargetCAD::~TTargetCAD() {
  FDocument.reset();
  FApplication.reset();
}

TDispatchObject& TTargetCAD::Document() {
  if (!FDocument)
    throw EOleError("CAD にアクティブなドキュメントがありません");
  return *FDocument;
}

void TTargetCAD::SetVariable(const std::string& Name, TAutomationArgument Value) {
  CallMember(Document(), "SetVariable", DispatchMethod, {Name, std::move(Value)});
}

void TTargetCAD::SendCommand(const std::string& Text) {
  std::string Command = Text; // the CAD may hand back a changed text; it is not looked at
  CallMember(Document(), "SendCommand", DispatchMethod, {TTextByRef{&Command}});
}

TTargetCAD AttachTargetCAD() {
  TAutomationRuntime& Runtime = AutomationRuntime();
  TDesktop& Desk = Desktop();
  std::unique_ptr<TDispatchObject> Application =
      Runtime.GetActiveObject(Runtime.CLSIDFromProgID(TargetProgID));

  if (Desk.IsIconic(ReadHWND(*Application))) {
    Desk.OpenIcon(ReadHWND(*Application));
    Desk.Sleep(500);
  }
  Desk.SetForegroundWindow(ReadHWND(*Application));
  const TWindowHandle Foreground = Desk.GetForegroundWindow();
  if (Foreground == ReadHWND(*Application)) {
    Desk.KeybdEvent(VK_ESCAPE_KEY, 0, 0, 0);
    Desk.KeybdEvent(VK_ESCAPE_KEY, 0, KeyEventKeyUp, 0);
    Desk.Sleep(5);
  }

  std::unique_ptr<TDispatchObject> Document =
      CallMember(*Application, "ActiveDocument", ReadMember, {}, rkObject).Object;
  return TTargetCAD(std::move(Application), std::move(Document));
}
