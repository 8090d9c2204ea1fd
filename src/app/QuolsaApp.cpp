#include "app/QuolsaApp.h"

#include "app/DarkColours.h"
#include "app/ErrorDisplay.h"
#include "app/QUOLSAUnit.h"
#include "app/ToolkitTimerService.h"
#include "app/WxText.h"
#include "cad/TaregetCADUnit.h"
#include "cad/TargetList.h"
#include "platform/ExecutablePath.h"
#include "platform/FilePath.h"
#include "platform/KeyState.h"

#include <wx/utils.h>

const char* const ProgramTitle = "QUOLSA Ver.0.92";

bool TQuolsaApp::ToolkitDrawsDark = true;

namespace {

// Shift and Ctrl as the last input event had them.
platform::TModifierKeys InputModifiers;

} // namespace

TQuolsaApp::TQuolsaApp() = default;
TQuolsaApp::~TQuolsaApp() = default;

bool TQuolsaApp::OnInit() {
  // The command line is not read: the base class's parsing is left out on purpose.
  SetApplicationTitle();
  InstallPlatformServices();
  const std::string Executable = platform::ExecutablePath();
  CreateMainForm(Executable);
  CreateTargetCADForm(Executable);
  return true;
}

int TQuolsaApp::OnExit() {
  platform::InstallTimerService(nullptr);
  FTimerService.reset();
  return wxApp::OnExit();
}

void TQuolsaApp::InstallPlatformServices() {
  FTimerService = std::make_unique<TToolkitTimerService>();
  platform::InstallTimerService(FTimerService.get());
  // The keyboard's state now may already be past the event: keys typed quickly are released
  // before their events are handled.
  platform::InstallModifierKeysQuery([] { return InputModifiers; });
}

int TQuolsaApp::FilterEvent(wxEvent& Event) {
  if (const auto* Keys = dynamic_cast<const wxKeyboardState*>(&Event))
    InputModifiers = {Keys->ShiftDown(), Keys->ControlDown()};
  return Event_Skip;
}

bool TQuolsaApp::OnExceptionInMainLoop() {
  ShowCurrentException();
  return true;
}

void TQuolsaApp::SetApplicationTitle() {
  ApplicationTitle = ProgramTitle;
  SetAppDisplayName(ToWx(ApplicationTitle));
}

TForm68* TQuolsaApp::CreateMainForm(const std::string& ExecutablePath) {
  auto* Form = new TForm68(ExecutablePath); // the toolkit destroys it when it closes
  if (!ToolkitDrawsDark)
    ApplyDarkColours(Form);
  SetTopWindow(Form);
  Form->Show();
  return Form;
}

TTargetCADForm* TQuolsaApp::CreateTargetCADForm(const std::string& ExecutablePath) {
  // The main window destroys it with itself.
  auto* Form = new TTargetCADForm(
      Form68, TargetListFilePath(platform::ExtractFileDir(ExecutablePath)), Form68->GetFont());
  if (!ToolkitDrawsDark)
    ApplyDarkColours(Form);
  return Form;
}
