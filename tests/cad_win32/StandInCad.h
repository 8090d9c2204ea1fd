// A stand-in for a CAD's automation server, for the Windows tests: a separate program that puts an
// application object into the running object table under its own class identifier, offers HWND,
// ActiveDocument, SetVariable and SendCommand through IDispatch, and writes every call it receives
// into a log file, one line a call (UTF-8; carriage returns and line feeds written as \r and \n).
// Its document also has AppendMark, which appends " (seen)" to a text passed by reference. The
// Escape key going down and up in its window is logged as "Escape down" and "Escape up".
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

// The stand-in's class identifier.
// {5C1B7E42-9A3D-4F06-8E21-3D7A0B64C2F1}
inline constexpr CLSID StandInCadClassID = {
    0x5c1b7e42, 0x9a3d, 0x4f06, {0x8e, 0x21, 0x3d, 0x7a, 0x0b, 0x64, 0xc2, 0xf1}};

// The window class of the stand-in's main window.
inline constexpr wchar_t StandInCadWindowClass[] = L"QuolsaStandInCad";

// Registers a ProgID for a class (under the classes root of the test's Wine prefix), and removes
// it again.
void RegisterProgID(const std::wstring& ProgID, const CLSID& ClassID);
void UnregisterProgID(const std::wstring& ProgID);

// Starts the stand-in, registers a ProgID for its class and waits until its object runs; closes
// it and removes the ProgID again when destroyed. The test thread must have COM initialised.
class TStandInCad {
public:
  struct TOptions {
    std::wstring ProgID = L"BricscadApp.AcadApplication";
    bool WithoutHWND = false;                 // the object model lacks HWND
    std::vector<std::wstring> RaisingMembers; // "Member=description": the call raises that
  };

  TStandInCad(const std::filesystem::path& LogFile, const TOptions& Options);
  explicit TStandInCad(const std::filesystem::path& LogFile) : TStandInCad(LogFile, TOptions()) {}
  ~TStandInCad();
  TStandInCad(const TStandInCad&) = delete;
  TStandInCad& operator=(const TStandInCad&) = delete;

  HWND Window() const { return FWindow; }
  // The calls received so far, one line each.
  std::vector<std::string> Calls() const;

private:
  void Stop();

  std::filesystem::path FLogFile;
  std::wstring FProgID;
  PROCESS_INFORMATION FProcess{};
  HWND FWindow = nullptr;
};
