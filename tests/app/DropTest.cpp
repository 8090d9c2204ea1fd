// A PDF dragged from another program and dropped on the running program, through the desktop's
// drag and drop: the drag source is a program of its own, the pointer is moved and its button
// pressed and released by the X server's test extension, as a user's hand would.
#include "PointerInput.h"
#include "ProgramProcess.h"
#include "ScreenCapture.h"
#include "TempDir.h"

#include "platform/ExecutablePath.h"
#include "platform/FilePath.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

namespace {

using namespace std::chrono_literals;

// Moves the pointer from one screen point to another in small steps, as a hand does.
void DragPointer(int FromX, int FromY, int ToX, int ToY) {
  constexpr int Steps = 40;
  for (int I = 1; I <= Steps; ++I) {
    SendPointerMove(FromX + (ToX - FromX) * I / Steps, FromY + (ToY - FromY) * I / Steps);
    std::this_thread::sleep_for(15ms);
  }
}

TEST(Drop, PdfDraggedFromAnotherProgramOpensInTheRunningProgram) {
  TTempDir Dir;
  TProgramProcess::Install(Dir.Path(), true);
  const std::string Pdf = Dir / "図面 ドロップ.pdf";
  std::filesystem::copy_file(std::string(QUOLSA_TEST_DATA) + "/drawing.pdf", Pdf);
  std::filesystem::copy_file(std::string(QUOLSA_TEST_DATA) + "/one-page.pdf", Dir / "second.pdf");
  WriteFile(Dir / "quolsa.ini", "[Form]\r\nLeft=20\r\nTop=20\r\n");

  TProgramProcess Program;
  Program.Launch(Dir / "quolsa");
  const auto Main = Program.WaitForWindow("Form68");
  ASSERT_TRUE(Main) << "no main window";
  TProgramProcess Source;
  const std::string Helper =
      platform::ExtractFilePath(platform::ExecutablePath()) + "drag_source_helper";
  Source.Launch(Helper, {"700", "600", Pdf, Dir / "second.pdf"});
  const auto SourceWindow = Source.WaitForWindow("drag source");
  ASSERT_TRUE(SourceWindow) << "no drag source";

  const TProgramProcess::TArea From = Source.ScreenArea(*SourceWindow);
  const TProgramProcess::TArea To = Program.ScreenArea(*Main);
  // Into the lower panel, where the viewer lies once a document is shown.
  const int TargetX = To.Left + To.Width / 2;
  const int TargetY = To.Top + 200;
  SendPointerMove(From.Left + 80, From.Top + 60);
  std::this_thread::sleep_for(200ms);
  SendButton(1, true);
  std::this_thread::sleep_for(100ms);
  DragPointer(From.Left + 80, From.Top + 60, TargetX, TargetY);
  std::this_thread::sleep_for(300ms);
  SendButton(1, false);
  EXPECT_EQ(Source.WaitForExit(15s), 0) << "the program did not take the files";

  // The page shows: white paper where the empty window shows its dark panel.
  bool PageShown = false;
  for (int Try = 0; Try < 100 && !PageShown; ++Try) {
    std::this_thread::sleep_for(50ms);
    const TScreenShot Shot = CaptureScreen(To.Left + 100, To.Top + 150, 300, 100);
    int White = 0;
    for (std::uint32_t P : Shot.Pixels)
      White += P == 0xFFFFFF;
    PageShown = White > 1000;
  }
  EXPECT_TRUE(PageShown) << "no page on the screen";

  Program.SendClose(*Main);
  ASSERT_EQ(Program.WaitForExit(), 0);
  const std::string Settings = ReadFile(Dir / "quolsa.ini");
  EXPECT_NE(Settings.find("FileName=" + Pdf + "\r\nPageNo=1\r\n"), std::string::npos) << Settings;
}

} // namespace
