// The application object: the main routine's steps between starting the toolkit and its message
// loop, and the standard error display for errors that leave event handlers.
#pragma once

#include <wx/app.h>

#include <memory>
#include <string>

class TForm68;
class TTargetCADForm;
class TToolkitTimerService;

class TQuolsaApp : public wxApp {
public:
  // Set by the main routine before the toolkit starts: false when the program colours its windows
  // dark itself.
  static bool ToolkitDrawsDark;

  TQuolsaApp();
  ~TQuolsaApp() override;

  // Sets the application title, creates and shows Form68 for the running executable, and creates
  // the target dialog.
  bool OnInit() override;
  int OnExit() override;
  bool OnExceptionInMainLoop() override;
  // Notes the modifier keys of every input event before it is handled.
  int FilterEvent(wxEvent& Event) override;

  void SetApplicationTitle();
  // The engine's form layer asks for timers and modifier keys through the platform layer; on
  // systems without window-less timers the toolkit answers. The modifier keys are those of the
  // input event being handled, as the system's keyboard state is for the message being handled.
  void InstallPlatformServices();
  // Creates Form68 for the program at ExecutablePath (which runs its FormCreate) and shows it.
  TForm68* CreateMainForm(const std::string& ExecutablePath);
  // Creates the hidden target dialog for the program at ExecutablePath, owned by Form68.
  TTargetCADForm* CreateTargetCADForm(const std::string& ExecutablePath);

private:
  std::unique_ptr<TToolkitTimerService> FTimerService;
};

// The title the program's message boxes and window caption carry.
extern const char* const ProgramTitle;
