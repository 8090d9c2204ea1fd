#include "RecordingCad.h"

#include <charconv>
#include <cstdio>

using namespace platform;

namespace {

std::string Hex(std::uint64_t Value) {
  char Text[24];
  std::snprintf(Text, sizeof Text, "%#llx", static_cast<unsigned long long>(Value));
  return Text;
}

std::string Quoted(const std::string& Text) {
  return "\"" + Text + "\"";
}

std::string Described(const TAutomationArgument& Argument) {
  if (const auto* Text = std::get_if<std::string>(&Argument))
    return "BSTR " + Quoted(*Text);
  if (const auto* Ref = std::get_if<TTextByRef>(&Argument))
    return "BSTR& " + Quoted(*Ref->Text);
  if (const auto* Integer = std::get_if<std::int32_t>(&Argument))
    return "I4 " + std::to_string(*Integer);
  char Text[32];
  const auto End = std::to_chars(Text, Text + sizeof Text, std::get<double>(Argument)).ptr;
  return "R8 " + std::string(Text, End);
}

// The application object or its document.
class TRecordedObject : public TDispatchObject {
public:
  TRecordedObject(TRecordingCad& Cad, std::string Role, const std::set<std::string>& Members)
      : FCad(Cad), FRole(std::move(Role)), FMembers(Members.begin(), Members.end()) {}
  ~TRecordedObject() override { FCad.Log.push_back(FRole + ".Release"); }

  std::optional<std::int32_t> GetIDOfName(const std::string& Name) override {
    FCad.Log.push_back(FRole + ".GetIDsOfNames(" + Name + ")");
    for (std::size_t I = 0; I < FMembers.size(); ++I)
      if (FMembers[I] == Name)
        return static_cast<std::int32_t>(I + 1);
    return std::nullopt;
  }

  TAutomationResult Invoke(std::int32_t DispID, std::uint16_t Flags,
                           std::span<TAutomationArgument> Args, TResultKind Kind) override {
    const std::string& Member = FMembers.at(static_cast<std::size_t>(DispID - 1));
    std::string Entry = FRole + ".Invoke(" + Member + ", " + std::to_string(Flags);
    for (const TAutomationArgument& Argument : Args)
      Entry += ", " + Described(Argument);
    FCad.Log.push_back(Entry + ")");
    if (const auto Raised = FCad.Raises.find(Member); Raised != FCad.Raises.end())
      throw EOleException(static_cast<std::int32_t>(0x80020009), Raised->second);

    TAutomationResult Result;
    if (Kind == rkInteger && Member == "HWND")
      Result.Integer = static_cast<std::int64_t>(FCad.CadWindow);
    if (Kind == rkObject && Member == "ActiveDocument" && FCad.HasDocument)
      Result.Object = std::make_unique<TRecordedObject>(FCad, "Document", FCad.DocumentMembers);
    return Result;
  }

private:
  TRecordingCad& FCad;
  std::string FRole;
  std::vector<std::string> FMembers;
};

class TRecordedRegistration : public TMessageFilterRegistration {
public:
  explicit TRecordedRegistration(TRecordingCad& Cad) : FCad(Cad) {}
  ~TRecordedRegistration() override {
    FCad.Log.push_back("CoRegisterMessageFilter(previous)");
    FCad.Filter.reset();
    if (FCad.OnRevoke)
      FCad.OnRevoke();
  }

private:
  TRecordingCad& FCad;
};

} // namespace

TRecordingCad::TRecordingCad() {
  InstallAutomationRuntime(this);
  InstallDesktop(this);
}

TRecordingCad::~TRecordingCad() {
  InstallAutomationRuntime(nullptr);
  InstallDesktop(nullptr);
}

std::vector<std::string> TRecordingCad::RunningCalls(const std::string& ProgID,
                                                     const std::string& ClassID) {
  return {"CLSIDFromProgID(" + ProgID + ")", "GetActiveObject(" + ClassID + ")",
          "Release(running object)"};
}

std::vector<std::string> TRecordingCad::Call(const std::string& Object, const std::string& Member,
                                             const std::string& FlagsAndArguments) {
  return {Object + ".GetIDsOfNames(" + Member + ")",
          Object + ".Invoke(" + Member + ", " + FlagsAndArguments + ")"};
}

std::vector<std::string> TRecordingCad::AttachCalls(const std::string& ProgID,
                                                    const std::string& ClassID) {
  const std::vector<std::string> ReadHWND = Call("Application", "HWND", "3");
  return std::vector<std::string>{"CLSIDFromProgID(" + ProgID + ")",
                                  "GetActiveObject(" + ClassID + ")", "QueryInterface(IDispatch)"} +
         ReadHWND + std::vector<std::string>{"IsIconic(0xcad)"} + ReadHWND +
         std::vector<std::string>{"SetForegroundWindow(0xcad)", "GetForegroundWindow()"} +
         ReadHWND +
         std::vector<std::string>{"keybd_event(0x1b, 0, 0, 0)", "keybd_event(0x1b, 0, 0x2, 0)",
                                  "Sleep(5)"} +
         Call("Application", "ActiveDocument", "3");
}

std::string TRecordingCad::CLSIDFromProgID(const std::string& ProgID) {
  Log.push_back("CLSIDFromProgID(" + ProgID + ")");
  const auto Found = ClassIDs.find(ProgID);
  if (Found == ClassIDs.end())
    throw EOleSysError(OleInvalidClassString);
  return Found->second;
}

bool TRecordingCad::HasActiveObject(const std::string& ClassID) {
  Log.push_back("GetActiveObject(" + ClassID + ")");
  if (!Running.contains(ClassID))
    return false;
  Log.push_back("Release(running object)");
  return true;
}

std::unique_ptr<TDispatchObject> TRecordingCad::GetActiveObject(const std::string& ClassID) {
  Log.push_back("GetActiveObject(" + ClassID + ")");
  if (!Running.contains(ClassID))
    throw EOleSysError(OleOperationUnavailable);
  Log.push_back("QueryInterface(IDispatch)");
  if (!OffersDispatch) {
    Log.push_back("Release(running object)");
    throw EOleSysError(static_cast<std::int32_t>(0x80004002));
  }
  return std::make_unique<TRecordedObject>(*this, "Application", ApplicationMembers);
}

std::unique_ptr<TMessageFilterRegistration>
TRecordingCad::RegisterMessageFilter(const TMessageFilterDecisions& Decisions) {
  Log.push_back("CoRegisterMessageFilter(filter)");
  Filter = Decisions;
  return std::make_unique<TRecordedRegistration>(*this);
}

bool TRecordingCad::IsIconic(TWindowHandle Window) {
  Log.push_back("IsIconic(" + Hex(Window) + ")");
  return Window == CadWindow && Minimised;
}

void TRecordingCad::OpenIcon(TWindowHandle Window) {
  Log.push_back("OpenIcon(" + Hex(Window) + ")");
  if (Window == CadWindow)
    Minimised = false;
}

void TRecordingCad::SetForegroundWindow(TWindowHandle Window) {
  Log.push_back("SetForegroundWindow(" + Hex(Window) + ")");
  if (!RefusesForeground)
    Foreground = Window;
}

TWindowHandle TRecordingCad::GetForegroundWindow() {
  Log.push_back("GetForegroundWindow()");
  return Foreground;
}

void TRecordingCad::KeybdEvent(std::uint8_t VirtualKey, std::uint8_t ScanCode, std::uint32_t Flags,
                               std::uintptr_t ExtraInfo) {
  Log.push_back("keybd_event(" + Hex(VirtualKey) + ", " + std::to_string(ScanCode) + ", " +
                Hex(Flags) + ", " + std::to_string(ExtraInfo) + ")");
}

void TRecordingCad::Sleep(unsigned Milliseconds) {
  Log.push_back("Sleep(" + std::to_string(Milliseconds) + ")");
}

std::vector<std::string> operator+(std::vector<std::string> A, const std::vector<std::string>& B) {
  A.insert(A.end(), B.begin(), B.end());
  return A;
}
