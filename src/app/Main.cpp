// The program's main routine.
#include "app/QuolsaApp.h"
#include "engine/PdfEngineApi.h"
#include "platform/DarkStyle.h"
#include "platform/ScrollBarStyle.h"

wxIMPLEMENT_APP_NO_MAIN(TQuolsaApp);

int main(int, char** argv) {
  // The toolkit takes its theme and scroll bars when it starts, so they are asked for just before.
  TQuolsaApp::ToolkitDrawsDark = platform::RequestDarkStyle();
  platform::RequestClassicScrollBars();
  // No command-line arguments are read: the toolkit sees only the program's name.
  int Argc = 1;
  char* Argv[] = {argv[0], nullptr};
  const int Result = wxEntry(Argc, Argv);
  ReleaseEngine();
  return Result;
}
