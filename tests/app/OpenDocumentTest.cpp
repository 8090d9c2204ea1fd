// Opening documents in the main window: files dropped on it (as the toolkit's drop event) and the
// document re-opened at start-up, with the page display, the empty state and the load errors.
#include "TestDocuments.h"
#include "WxTestEnvironment.h"

#include "app/StatusLine.h"
#include "app/WxText.h"
#include "viewer/PdfViewCtrl.h"

#include <filesystem>
#include <wx/button.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

class OpenDocument : public TWindowTest {
protected:
  // A copy of a fixture in the test's folder under another name.
  std::string Copy(const std::string& FixtureName, const std::string& As) {
    const std::string Path = Dir / As;
    std::filesystem::copy_file(Fixture(FixtureName), Path);
    return Path;
  }

  // Drops files on the window as the file manager does, through the toolkit's drop event.
  void Drop(TForm68* Form, const std::vector<std::string>& Names) {
    auto* Files = new wxString[Names.size()]; // the event owns the names
    for (std::size_t I = 0; I < Names.size(); ++I)
      Files[I] = ToWx(Names[I]);
    wxDropFilesEvent Event(wxEVT_DROP_FILES, static_cast<int>(Names.size()), Files);
    Event.SetEventObject(Form);
    Form->GetEventHandler()->ProcessEvent(Event);
    PumpEvents(50);
  }

  // A document of Pages blank pages, written by the engine.
  std::string MakeDocument(const std::string& Name, int Pages) {
    MakeBlankDocument(Dir / Name, Pages);
    return Dir / Name;
  }

  void StoreDocument(const std::string& FileName, const std::string& PageNo) {
    WriteFile(SettingsFile(), "[PDF]\nFileName=" + FileName + "\nPageNo=" + PageNo + "\n");
  }

  // After a stored document failed to open at start-up: the rest of start-up ran, the stored
  // values stay, and the window takes the next document.
  void ExpectWindowWorksAfterAFailedReopen(TForm68* F) {
    EXPECT_EQ(FromWx(F->StatusBar1->GetStatusText()), StatusBarHint);
    EXPECT_EQ(Text(F->Edit1), Dir / "stored.pdf");
    EXPECT_EQ(Text(F->Edit2), "2");
    Drop(F, {Copy("three-pages.pdf", "next.pdf")});
    EXPECT_EQ(Text(F->Label1), "1 / 3");
    EXPECT_EQ(Shown.size(), 1u);
  }

  static std::string Text(wxTextCtrl* Edit) { return FromWx(Edit->GetValue()); }
  static std::string Text(wxStaticText* Label) { return FromWx(Label->GetLabel()); }
};

TEST_F(OpenDocument, DroppedPdfShowsItsFirstPageFitted) {
  TForm68* F = Start();
  const std::string Path = Copy("drawing.pdf", "図面 一.pdf");
  Drop(F, {Path});
  EXPECT_TRUE(F->Viewer->IsShown());
  EXPECT_EQ(Text(F->Edit1), Path);
  EXPECT_EQ(Text(F->Label1), "1 / 8");
  EXPECT_EQ(Text(F->Edit2), "1");
  EXPECT_EQ(F->Viewer->PageIndex(), 0);
  EXPECT_EQ(F->Viewer->ScaleMode(), smFitAuto);
  EXPECT_TRUE(F->Viewer->SmoothScroll());
  EXPECT_TRUE(Shown.empty());
  // The viewer fills the lower panel but the status bar's strip.
  const wxRect Panel = F->Panel2->GetClientRect();
  EXPECT_EQ(F->Viewer->GetRect(),
            wxRect(1, 1, Panel.width - 2, Panel.height - 2 - F->StatusBar1->GetSize().y));
}

TEST_F(OpenDocument, OnlyNamesEndingInPdfOpenTheOthersEmptyTheWindow) {
  TForm68* F = Start();
  struct TCase {
    const char* Name;
    bool Opens;
  } Cases[] = {{"a.PDF", true},      {"b.pdf", true}, {"c.Pdf", true},
               {"d.pdf.txt", false}, {"e", false},    {"f.pd", false}};
  for (const TCase& C : Cases) {
    Drop(F, {Copy("one-page.pdf", C.Name)});
    EXPECT_EQ(F->Viewer->IsShown(), C.Opens) << C.Name;
    EXPECT_EQ(Text(F->Edit1), C.Opens ? Dir / C.Name : "") << C.Name;
    EXPECT_EQ(Text(F->Edit2), C.Opens ? "1" : "") << C.Name;
    EXPECT_EQ(Text(F->Label1), C.Opens ? "1 / 1" : "") << C.Name;
  }
  EXPECT_TRUE(Shown.empty());
}

TEST_F(OpenDocument, OnlyTheFirstOfSeveralFilesCounts) {
  TForm68* F = Start();
  const std::string First = Copy("three-pages.pdf", "first.pdf");
  Drop(F, {First, Copy("drawing.pdf", "second.pdf"), Copy("one-page.pdf", "third.pdf")});
  EXPECT_EQ(Text(F->Edit1), First);
  EXPECT_EQ(Text(F->Label1), "1 / 3");
  Drop(F, {Copy("one-page.pdf", "plain.txt"), Copy("drawing.pdf", "fourth.pdf")});
  EXPECT_FALSE(F->Viewer->IsShown()) << "the first name decides";
}

TEST_F(OpenDocument, FileThatDoesNotLoadIsReportedAndTheWindowKeepsThePreviousValues) {
  TForm68* F = Start();
  const std::string Good = Copy("three-pages.pdf", "good.pdf");
  Drop(F, {Good});
  F->Viewer->GotoNextPage();
  struct TCase {
    const char* Fixture;
    const char* Message;
  } Cases[] = {
      {"not-a-pdf.pdf", "File is not a PDF document or is corrupted."},
      {"damaged.pdf", "File is not a PDF document or is corrupted."},
      {"encrypted-rc4-128.pdf", "Password required oder invalid password."},
  };
  for (const TCase& C : Cases) {
    Shown.clear();
    Drop(F, {Copy(C.Fixture, std::string("bad-") + C.Fixture)});
    PumpUntil([this] { return !Shown.empty(); });
    ASSERT_EQ(Shown.size(), 1u) << C.Fixture;
    EXPECT_EQ(Shown[0].Text, C.Message);
    EXPECT_EQ(Shown[0].Icon, miStop);
    EXPECT_TRUE(F->Viewer->IsShown()) << "visible and empty";
    EXPECT_EQ(F->Viewer->PageCount(), 0);
    EXPECT_EQ(Text(F->Edit1), Good);
    EXPECT_EQ(Text(F->Label1), "1 / 3");
  }
  // The program goes on: the next drop works.
  Drop(F, {Good});
  EXPECT_EQ(F->Viewer->PageCount(), 3);
}

TEST_F(OpenDocument, LongFileNameIsTakenWhole) {
  TForm68* F = Start();
  std::string Folder = Dir.Path();
  while (Folder.size() < 300)
    Folder += "/folder-with-a-rather-long-name";
  std::filesystem::create_directories(Folder);
  const std::string Path = Folder + "/plan.pdf";
  ASSERT_GT(Path.size(), 254u);
  std::filesystem::copy_file(Fixture("three-pages.pdf"), Path);
  Drop(F, {Path});
  EXPECT_EQ(Text(F->Edit1), Path);
  EXPECT_EQ(Text(F->Label1), "1 / 3");
  EXPECT_TRUE(Shown.empty());
}

TEST_F(OpenDocument, NewDocumentIsFittedAndTheZoomCarriesOver) {
  TForm68* F = Start();
  Drop(F, {Copy("one-page.pdf", "a.pdf")});
  F->Viewer->SetScaleMode(smZoom);
  F->Viewer->SetZoomPercentage(250);
  F->Viewer->SetRotation(pr180);
  F->Viewer->SetSmoothScroll(false);
  Drop(F, {Copy("three-pages.pdf", "b.pdf")});
  EXPECT_EQ(F->Viewer->ScaleMode(), smFitAuto);
  EXPECT_EQ(F->Viewer->Rotation(), prNormal);
  EXPECT_TRUE(F->Viewer->SmoothScroll());
  EXPECT_EQ(F->Viewer->ZoomPercentage(), 250);
  wxCommandEvent Click(wxEVT_BUTTON, F->Button3->GetId()); // "拡大"
  F->Button3->Command(Click);
  EXPECT_EQ(F->Viewer->ScaleMode(), smZoom);
  EXPECT_EQ(F->Viewer->ZoomPercentage(), 300);
}

TEST_F(OpenDocument, HiddenDocumentStillTurnsItsPages) {
  TForm68* F = Start();
  Drop(F, {Copy("three-pages.pdf", "a.pdf")});
  Drop(F, {Copy("one-page.pdf", "notes.txt")});
  EXPECT_FALSE(F->Viewer->IsShown());
  wxCommandEvent Click(wxEVT_BUTTON, F->Button2->GetId()); // "次ページ >"
  F->Button2->Command(Click);
  EXPECT_EQ(F->Viewer->PageIndex(), 1);
  EXPECT_EQ(Text(F->Label1), "2 / 3");
  EXPECT_EQ(Text(F->Edit2), "2");
}

TEST_F(OpenDocument, StartUpReopensTheStoredPageClampedWithTheStoredLabel) {
  StoreDocument(MakeDocument("five.pdf", 5), "7");
  TForm68* F = Start();
  EXPECT_TRUE(F->Viewer->IsShown());
  EXPECT_EQ(F->Viewer->PageIndex(), 4);
  EXPECT_EQ(Text(F->Label1), "7 / 5");
  EXPECT_EQ(Text(F->Edit2), "7");
  EXPECT_EQ(Text(F->Edit1), Dir / "five.pdf");
  EXPECT_TRUE(Shown.empty());
}

TEST_F(OpenDocument, StartUpWithAPageThatIsNoNumberShowsPageOne) {
  StoreDocument(MakeDocument("five.pdf", 5), "seven");
  TForm68* F = Start();
  EXPECT_EQ(F->Viewer->PageIndex(), 0);
  EXPECT_EQ(Text(F->Label1), "seven / 5");
  EXPECT_EQ(Text(F->Edit2), "seven");
}

TEST_F(OpenDocument, StoredDamagedFileIsReportedAndTheWindowWorks) {
  StoreDocument(Copy("damaged.pdf", "stored.pdf"), "2");
  TForm68* F = Start();
  ASSERT_EQ(Shown.size(), 1u);
  EXPECT_EQ(Shown[0].Text, "File is not a PDF document or is corrupted.");
  ExpectWindowWorksAfterAFailedReopen(F);
}

TEST_F(OpenDocument, StoredPasswordProtectedFileIsReportedAndTheWindowWorks) {
  StoreDocument(Copy("encrypted-rc4-40.pdf", "stored.pdf"), "2");
  TForm68* F = Start();
  ASSERT_EQ(Shown.size(), 1u);
  EXPECT_EQ(Shown[0].Text, "Password required oder invalid password.");
  ExpectWindowWorksAfterAFailedReopen(F);
}

TEST_F(OpenDocument, WithoutTheEngineADroppedPdfIsStillNamedForTheImport) {
  TForm68* F = Start(/*WithEngine=*/false);
  ASSERT_EQ(F->Viewer, nullptr);
  const std::string Path = Copy("three-pages.pdf", "a.pdf");
  Drop(F, {Path});
  EXPECT_EQ(Text(F->Edit1), Path);
  EXPECT_EQ(Text(F->Edit2), "1");
  wxCommandEvent Click(wxEVT_BUTTON, F->Button2->GetId());
  F->Button2->Command(Click); // nothing to turn, nothing breaks
  Drop(F, {Copy("three-pages.pdf", "a.txt")});
  EXPECT_EQ(Text(F->Edit1), "");
}

} // namespace
