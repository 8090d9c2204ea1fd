#include "WxTestEnvironment.h"

#include "app/QuolsaApp.h"
#include "platform/DarkStyle.h"
#include "platform/ExecutablePath.h"
#include "platform/FilePath.h"
#include "platform/ScrollBarStyle.h"

#include <filesystem>
#include <wx/stopwatch.h>
#include <wx/utils.h>

namespace {

class TWxEnvironment : public ::testing::Environment {
public:
  void SetUp() override {
    TQuolsaApp::ToolkitDrawsDark = platform::RequestDarkStyle();
    platform::RequestClassicScrollBars();
    wxApp::SetInstance(new TQuolsaApp); // owned by the toolkit from here on
    static char Name[] = "app_window_test";
    static char* Argv[] = {Name, nullptr};
    int Argc = 1;
    ASSERT_TRUE(wxEntryStart(Argc, Argv)) << "no X display? DISPLAY is set by scripts/test.sh";
    static_cast<TQuolsaApp*>(wxTheApp)->SetApplicationTitle();
    static_cast<TQuolsaApp*>(wxTheApp)->InstallPlatformServices();
  }
  // As at the program's end: the platform services go before the toolkit.
  void TearDown() override {
    wxTheApp->OnExit();
    wxEntryCleanup();
  }
};

[[maybe_unused]] ::testing::Environment* const Environment =
    ::testing::AddGlobalTestEnvironment(new TWxEnvironment);

} // namespace

void PumpEvents(int Milliseconds) {
  PumpUntil([] { return false; }, Milliseconds);
}

bool PumpUntil(const std::function<bool()>& Done, int Milliseconds) {
  wxStopWatch Watch;
  for (;;) {
    wxTheApp->Yield(true);
    wxTheApp->ProcessIdle();
    if (Done())
      return true;
    if (Watch.Time() >= Milliseconds)
      return false;
    wxMilliSleep(5);
  }
}

void ClickAt(wxUIActionSimulator& Input, wxPoint Screen, int Button) {
  Input.MouseMove(Screen);
  PumpEvents(50);
  Input.MouseClick(Button);
  PumpEvents(100);
}

void ClickOn(wxUIActionSimulator& Input, wxWindow* W, int Button) {
  ClickAt(Input, W->GetScreenRect().GetLeftTop() + W->GetSize() / 2, Button);
}

void TWindowTest::SetUp() {
  FLoop = std::make_unique<wxGUIEventLoop>();
  FActive = std::make_unique<wxEventLoopActivator>(FLoop.get());
  FPrevious =
      SetMessageBoxFunction([this](const std::string& T, const std::string& C, TMessageIcon I) {
        Shown.push_back({T, C, I});
      });
}

void TWindowTest::TearDown() {
  if (Form68) {
    Form68->Destroy();
    PumpUntil([] { return Form68 == nullptr; });
  }
  SetMessageBoxFunction(std::move(FPrevious));
  FActive.reset();
  FLoop.reset();
}

TForm68* TWindowTest::Start(bool WithEngine) {
  if (WithEngine) {
    const std::string Engine =
        platform::ExtractFilePath(platform::ExecutablePath()) + "PDFium/x64/libpdfium.so";
    std::filesystem::create_directories(Dir / "PDFium/x64");
    if (!std::filesystem::exists(Dir / "PDFium/x64/libpdfium.so")) // a second start in one test
      std::filesystem::create_symlink(Engine, Dir / "PDFium/x64/libpdfium.so");
  }
  auto* App = static_cast<TQuolsaApp*>(wxTheApp);
  TForm68* Form = App->CreateMainForm(Dir / "quolsa");
  App->CreateTargetCADForm(Dir / "quolsa");
  EXPECT_TRUE(PumpUntil([Form] { return Form->IsShownOnScreen(); }));
  PumpEvents(100);
  return Form;
}

void TWindowTest::CloseProgram() {
  ASSERT_NE(Form68, nullptr);
  Form68->Close();
  EXPECT_TRUE(PumpUntil([] { return Form68 == nullptr; })) << "the window did not go";
}
