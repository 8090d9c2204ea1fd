// The connection to the running CAD for one command: find the current target, attach to it, bring
// its window to the front with one Escape stroke, take its active document, call it late-bound.
#pragma once

#include "platform/Automation.h"
#include "platform/Desktop.h"

#include <memory>
#include <string>
#include <vector>

// The CAD's exception description, the system's texts and the program's own messages of the CAD
// calls are all EOleError.
using platform::EOleError;

// "メソッド '%s' はオートメーション オブジェクトでサポートしていません" for the member name.
std::string MethodNotSupportedMessage(const std::string& Name);

// Calls the member Name of Object late-bound: resolves the name afresh, then invokes it. A name the
// object does not know raises EOleError with MethodNotSupportedMessage.
platform::TAutomationResult CallMember(platform::TDispatchObject& Object, const std::string& Name,
                                       std::uint16_t Flags,
                                       std::vector<platform::TAutomationArgument> Args = {},
                                       platform::TResultKind Result = platform::rkNone);

// True when an instance of TargetProgID is running. Nothing is held afterwards, and a name that is
// not registered (or empty) just answers false.
bool IsTargetCADRunning();

// The CAD's application object and its active document, held for one command. The document is
// released before the application, also when an error ends the command.
class TTargetCAD {
public:
  TTargetCAD(std::unique_ptr<platform::TDispatchObject> Application,
             std::unique_ptr<platform::TDispatchObject> Document);
  TTargetCAD(TTargetCAD&&) = default;
  TTargetCAD& operator=(TTargetCAD&&) = delete;
  ~TTargetCAD();

  // SetVariable on the document: the variable's name as text, then its value.
  void SetVariable(const std::string& Name, platform::TAutomationArgument Value);
  // SendCommand on the document: the text by reference, as the CAD's command line takes it.
  void SendCommand(const std::string& Text);

private:
  platform::TDispatchObject& Document();

  std::unique_ptr<platform::TDispatchObject> FApplication;
  std::unique_ptr<platform::TDispatchObject> FDocument; // may be empty: the CAD has no document
};

// Attaches to the running instance of TargetProgID, restores its window when minimised (then waits
// 500 ms), brings it to the front and, when it did come to the front, strokes Escape once (then
// waits 5 ms); takes its active document. Every failure raises.
TTargetCAD AttachTargetCAD();
