// "PDFIMPORT", "QUOLSA" and the command menu clicked for real, against the recording CAD: what
// reaches the CAD, and the CAD's error in the error display.
#include "WxTestEnvironment.h"

#include "RecordingCad.h"
#include "TestDocuments.h"
#include "app/WxText.h"

#include <algorithm>
#include <filesystem>
#include <wx/button.h>
#include <wx/menu.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/timer.h>

namespace {

using Log = std::vector<std::string>;

class CadButtons : public TWindowTest {
protected:
  void SetUp() override {
    TWindowTest::SetUp();
    Pdf = Dir / "計画 図面.pdf";
    std::filesystem::copy_file(QUOLSA_TEST_DATA "/three-pages.pdf", Pdf);
    WriteFile(Dir / "quolsa.lsp", "(princ)\n");
    WriteFile(SettingsFile(), "[PDF]\r\nFileName=" + Pdf + "\r\n");
  }

  void Begin() {
    Form = Start();
    Cad.Log.clear(); // the message filter's registration
  }

  Log Sent(const std::string& Command) const {
    return TRecordingCad::RunningCalls() + TRecordingCad::AttachCalls() +
           TRecordingCad::Call("Document", "SendCommand",
                               "1, BSTR& \"(load \"" + Dir / "quolsa.lsp" + "\")(princ)\r" +
                                   Command + "\r\"") +
           Log{"Document.Release", "Application.Release"};
  }

  // Opens the command menu as the user does and picks its item at Position (separators not
  // counted) with the arrow keys and Enter.
  void ChooseMenuItem(int Position) {
    bool Opened = false;
    Form->Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& E) {
      Opened = true;
      E.Skip();
    });
    // The menu runs its own loop: a timer inside it does the typing.
    wxTimer Typist;
    Typist.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
      if (!Opened)
        return;
      Typist.Stop();
      for (int I = 0; I <= Position; ++I)
        Input.Char(WXK_DOWN);
      Input.Char(WXK_RETURN);
    });
    Typist.Start(300);
    ClickOn(Input, Form->Button14, wxMOUSE_BTN_RIGHT);
    EXPECT_TRUE(PumpUntil([&] { return Opened && !Typist.IsRunning(); }));
    PumpEvents(300);
  }

  TRecordingCad Cad;
  wxUIActionSimulator Input;
  TForm68* Form = nullptr;
  std::string Pdf;
};

TEST_F(CadButtons, PdfImportHandsTheShownFileItsPageAndTheScaleToTheCad) {
  MakeBlankDocument(Pdf, 10);
  WriteFile(SettingsFile(), "[PDF]\r\nFileName=" + Pdf + "\r\nPageNo=3\r\n");
  Begin();
  ASSERT_EQ(FromWx(Form->Label1->GetLabel()), "3 / 10");
  Form->Edit3->ChangeValue("0");
  ClickOn(Input, Form->Button11);
  EXPECT_EQ(Cad.Log,
            TRecordingCad::RunningCalls() + TRecordingCad::AttachCalls() +
                TRecordingCad::Call("Document", "SetVariable",
                                    "1, BSTR \"users5\", BSTR& \"" + Pdf + "\"") +
                TRecordingCad::Call("Document", "SetVariable", "1, BSTR \"useri5\", I4 3") +
                TRecordingCad::Call("Document", "SetVariable", "1, BSTR \"userr5\", R8 0") +
                TRecordingCad::Call("Document", "SendCommand",
                                    "1, BSTR& \"(load \"" + Dir / "quolsa.lsp" +
                                        "\")(princ)\rimportpdf\r\"") +
                Log({"Document.Release", "Application.Release"}));
  EXPECT_TRUE(Shown.empty());
}

TEST_F(CadButtons, WithoutAViewerTheImportTakesTheStoredFileAndPage1) {
  WriteFile(SettingsFile(), "[PDF]\r\nFileName=" + Pdf + "\r\nPageNo=2\r\n");
  Form = Start(false);
  Cad.Log.clear();
  ClickOn(Input, Form->Button11);
  const Log Page = TRecordingCad::Call("Document", "SetVariable", "1, BSTR \"useri5\", I4 1");
  EXPECT_NE(std::search(Cad.Log.begin(), Cad.Log.end(), Page.begin(), Page.end()), Cad.Log.end());
  EXPECT_EQ(Cad.Log.size(), Sent("importpdf").size() + 6) << "three variables and the command";
}

TEST_F(CadButtons, QuolsaRunsItsCommandAndEachMenuItemItsOwn) {
  Begin();
  ClickOn(Input, Form->Button13);
  EXPECT_EQ(Cad.Log, Sent("quolsa"));
  const char* const Commands[] = {"quolsa", "pdfline", "lnalp", "crcut", "oneline", "txlines"};
  for (int Item = 0; Item < 6; ++Item) {
    Cad.Log.clear();
    ChooseMenuItem(Item);
    EXPECT_EQ(Cad.Log, Sent(Commands[Item])) << "menu item " << Item;
  }
  Cad.Log.clear();
  ChooseMenuItem(6); // "取り消し"
  EXPECT_TRUE(Cad.Log.empty());
  EXPECT_TRUE(Shown.empty());
}

TEST_F(CadButtons, CadErrorIsShownByTheErrorDisplayAndTheCadIsReleased) {
  Begin();
  Cad.Raises["SendCommand"] = "図面が読み取り専用です";
  ClickOn(Input, Form->Button13);
  ASSERT_EQ(Shown.size(), 1u);
  EXPECT_EQ(Shown[0].Text, "図面が読み取り専用です.");
  EXPECT_EQ(Shown[0].Caption, "QUOLSA Ver.0.92");
  EXPECT_EQ(Shown[0].Icon, miStop);
  EXPECT_EQ(Cad.Log, Sent("quolsa"));
  Cad.ApplicationMembers = {"ActiveDocument"};
  Cad.Log.clear();
  ClickOn(Input, Form->Button11);
  ASSERT_EQ(Shown.size(), 2u);
  EXPECT_EQ(Shown[1].Text,
            "メソッド 'HWND' はオートメーション オブジェクトでサポートしていません.");
  EXPECT_EQ(Form68, Form) << "the program goes on";
}

TEST_F(CadButtons, NothingRunningMeansNothingHappensAndNothingIsShown) {
  Begin();
  Cad.Running.clear();
  ClickOn(Input, Form->Button11);
  ClickOn(Input, Form->Button13);
  const Log Test = {"CLSIDFromProgID(BricscadApp.AcadApplication)", "GetActiveObject({BRICSCAD})"};
  EXPECT_EQ(Cad.Log, Test + Test);
  EXPECT_TRUE(Shown.empty());
}

} // namespace
