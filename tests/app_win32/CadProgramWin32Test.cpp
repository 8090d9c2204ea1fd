// quolsa.exe driving the stand-in CAD, each a program of its own: real clicks on "PDFIMPORT" and on
// a command of the "MENU" button, and what the CAD received; the target's name in the caption.
#include "ProgramWin32.h"
#include "StandInCad.h"

#include <fstream>

namespace {

using Lines = std::vector<std::string>;

const std::wstring Title = L"QUOLSA Ver.0.92";

void Input(std::initializer_list<INPUT> Events) {
  std::vector<INPUT> All(Events);
  ::SendInput(static_cast<UINT>(All.size()), All.data(), sizeof(INPUT));
  ::Sleep(100);
}

void ClickOn(HWND W, bool Right = false) {
  RECT R;
  ::GetWindowRect(W, &R);
  ::SetCursorPos((R.left + R.right) / 2, (R.top + R.bottom) / 2);
  ::Sleep(100);
  INPUT Down{}, Up{};
  Down.type = Up.type = INPUT_MOUSE;
  Down.mi.dwFlags = Right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  Up.mi.dwFlags = Right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  Input({Down, Up});
}

void PressKey(WORD Key) {
  INPUT Down{}, Up{};
  Down.type = Up.type = INPUT_KEYBOARD;
  Down.ki.wVk = Up.ki.wVk = Key;
  Up.ki.dwFlags = KEYEVENTF_KEYUP;
  Input({Down, Up});
}

void WriteText(const std::filesystem::path& File, const std::string& Bytes) {
  std::ofstream(File, std::ios::binary) << Bytes;
}

std::string Doubled(const std::string& Text) {
  std::string Result;
  for (char C : Text)
    Result += C == '\\' ? std::string("\\\\") : std::string(1, C);
  return Result;
}

using CadProgram = TProgramWin32;

TEST_F(CadProgram, ImportAndAMenuCommandReachTheRunningCad) {
  const std::filesystem::path Pdf = Dir.Path() / L"図面 テスト.pdf";
  WriteText(Pdf, "%PDF-1.4\n%%EOF\n");
  WriteText(Dir.Path() / L"quolsa.lsp", "(princ)\n");
  WriteText(Dir.Path() / L"quolsa.ini",
            "[Form]\r\nLeft=0\r\nTop=0\r\n[PDF]\r\nFileName=" + Utf8(Pdf) + "\r\n");
  WriteText(Dir.Path() / L"TargetCAD_APIVersion.txt", "BricsCAD\tBricscadApp.AcadApplication\r\n");
  TStandInCad Cad(Dir.Path() / L"calls.txt");

  Launch();
  // Without the engine the program says so, and then works without a viewer.
  const auto Message = WaitForWindow(Title);
  ASSERT_TRUE(Message);
  Close(*Message);
  const auto Main = WaitForWindow(Title + L" [ BricsCAD ]");
  ASSERT_TRUE(Main) << "no main window named after the target";
  ::Sleep(300);

  const auto SentCommands = [&] {
    Lines Sent;
    for (const std::string& Call : Cad.Calls())
      if (Call.starts_with("SendCommand"))
        Sent.push_back(Call);
    return Sent.size();
  };
  const auto WaitForCommands = [&](size_t Count) {
    for (int I = 0; I < 200 && SentCommands() < Count; ++I)
      ::Sleep(50);
    return SentCommands() == Count;
  };

  ClickOn(ChildWithText(*Main, L"PDFIMPORT"));
  ASSERT_TRUE(WaitForCommands(1)) << "no import command";

  ClickOn(ChildWithText(*Main, L"MENU"), true);
  ASSERT_TRUE(WaitForWindow(L"", 5000, L"#32768")) << "no command menu";
  PressKey(VK_DOWN); // "quoLSA"
  PressKey(VK_DOWN); // "pdfLINE"
  PressKey(VK_RETURN);
  ASSERT_TRUE(WaitForCommands(2)) << "no menu command";

  Lines Calls = Cad.Calls();
  // Under Wine the CAD is in front only once it has handled its activation, later than the
  // program looks: no Escape is stroked here (the automation tests show the stroke).
  std::erase(Calls, "Escape down");
  std::erase(Calls, "Escape up");
  const std::string Load =
      "SendCommand(BSTR& \"(load \"" + Doubled(Utf8(Dir.Path() / L"quolsa.lsp")) + "\")(princ)\\r";
  const Lines Attach = {"HWND() flags 3", "HWND() flags 3", "HWND() flags 3",
                        "ActiveDocument() flags 3"};
  Lines Expected = Attach;
  Expected.insert(Expected.end(),
                  {"SetVariable(BSTR \"users5\", BSTR& \"" + Utf8(Pdf) + "\") flags 1",
                   "SetVariable(BSTR \"useri5\", I4 1) flags 1",
                   "SetVariable(BSTR \"userr5\", R8 25.4) flags 1",
                   Load + "importpdf\\r\") flags 1"});
  Expected.insert(Expected.end(), Attach.begin(), Attach.end());
  Expected.push_back(Load + "pdfline\\r\") flags 1");
  EXPECT_EQ(Calls, Expected);

  Close(*Main);
  EXPECT_EQ(WaitForExit(), 0u);
}

TEST_F(CadProgram, SecondCadOfTheTargetListNamesTheWindow) {
  // Written in the system's 8-bit code page, as a text editor without a byte-order mark does.
  const std::wstring List =
      L"BricsCAD\tBricscadApp.AcadApplication\r\n別の CAD\tOtherCad.Application\r\n";
  std::string Bytes(List.size() * 4, '\0');
  Bytes.resize(static_cast<size_t>(
      ::WideCharToMultiByte(CP_ACP, 0, List.data(), static_cast<int>(List.size()), Bytes.data(),
                            static_cast<int>(Bytes.size()), nullptr, nullptr)));
  WriteText(Dir.Path() / L"TargetCAD_APIVersion.txt", Bytes);
  WriteText(Dir.Path() / L"quolsa.ini", "[Target]\r\nProgID=OtherCad.Application\r\n");
  InstallEngine();
  Launch();
  const auto Main = WaitForWindow(Title + L" [ 別の CAD ]");
  ASSERT_TRUE(Main) << "no main window named after the second CAD";
  Close(*Main);
  EXPECT_EQ(WaitForExit(), 0u);
}

} // namespace
