// A CAD for the tests: an automation runtime and a desktop in one, installed in place of the
// system's for its lifetime. It answers as the test arranges and writes every call it receives
// into one log, in order: runtime calls, member look-ups and calls with their flags and typed
// arguments, releases, window calls, key strokes and waits.
#pragma once

#include "platform/Automation.h"
#include "platform/Desktop.h"

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

class TRecordingCad : public platform::TAutomationRuntime, public platform::TDesktop {
public:
  static constexpr const char* DefaultProgID = "BricscadApp.AcadApplication";

  TRecordingCad();
  ~TRecordingCad() override;
  TRecordingCad(const TRecordingCad&) = delete;
  TRecordingCad& operator=(const TRecordingCad&) = delete;

  // --- What the test arranges ---
  // Registered class names and their class identifiers.
  std::map<std::string, std::string> ClassIDs = {{"BricscadApp.AcadApplication", "{BRICSCAD}"},
                                                 {"bricscadapp.acadapplication", "{BRICSCAD}"}};
  // Class identifiers with a running object.
  std::set<std::string> Running = {"{BRICSCAD}"};
  bool OffersDispatch = true;
  std::set<std::string> ApplicationMembers = {"HWND", "ActiveDocument"};
  std::set<std::string> DocumentMembers = {"SetVariable", "SendCommand"};
  bool HasDocument = true;
  // Members whose call raises the CAD's exception with this description.
  std::map<std::string, std::string> Raises;
  platform::TWindowHandle CadWindow = 0xCAD;
  platform::TWindowHandle Foreground = 0x5E1F; // the program's own window, say
  bool Minimised = false;
  bool RefusesForeground = false;
  // Called when the message filter is revoked.
  std::function<void()> OnRevoke;

  // --- What the test reads ---
  std::vector<std::string> Log;
  // The decisions of the message filter registered now; nothing when none is.
  std::optional<platform::TMessageFilterDecisions> Filter;

  // The log entries of IsTargetCADRunning finding a running object.
  static std::vector<std::string> RunningCalls(const std::string& ProgID = DefaultProgID,
                                               const std::string& ClassID = "{BRICSCAD}");
  // The log entries of AttachTargetCAD for a window that is not minimised and comes to the front.
  static std::vector<std::string> AttachCalls(const std::string& ProgID = DefaultProgID,
                                              const std::string& ClassID = "{BRICSCAD}");
  // The entries of one late-bound call: the look-up of the name, then the call.
  static std::vector<std::string> Call(const std::string& Object, const std::string& Member,
                                       const std::string& FlagsAndArguments);

  // platform::TAutomationRuntime
  std::string CLSIDFromProgID(const std::string& ProgID) override;
  bool HasActiveObject(const std::string& ClassID) override;
  std::unique_ptr<platform::TDispatchObject> GetActiveObject(const std::string& ClassID) override;
  std::unique_ptr<platform::TMessageFilterRegistration>
  RegisterMessageFilter(const platform::TMessageFilterDecisions& Decisions) override;

  // platform::TDesktop
  bool IsIconic(platform::TWindowHandle Window) override;
  void OpenIcon(platform::TWindowHandle Window) override;
  void SetForegroundWindow(platform::TWindowHandle Window) override;
  platform::TWindowHandle GetForegroundWindow() override;
  void KeybdEvent(std::uint8_t VirtualKey, std::uint8_t ScanCode, std::uint32_t Flags,
                  std::uintptr_t ExtraInfo) override;
  void Sleep(unsigned Milliseconds) override;
};

// Log entries joined, for readable expectations.
std::vector<std::string> operator+(std::vector<std::string> A, const std::vector<std::string>& B);
