// The target dialog opened by the "CAD" button and used with real clicks and keys: the selection
// on showing, add, change, delete, Enter, OK and Cancel, and a list that cannot be saved.
#include "WxTestEnvironment.h"

#include "app/WxText.h"
#include "cad/SpeedButton.h"
#include "cad/TaregetCADUnit.h"
#include "cad/TargetProgID.h"

#include <filesystem>
#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>

namespace {

using Lines = std::vector<std::string>;

const char* const ListFile = "Other CAD\tOtherCad.Application\r\n"
                             "BricsCAD V24\tBricscadApp.AcadApplication.24\r\n"
                             "BricsCAD\tBricscadApp.AcadApplication\r\n";

class TargetDialogInput : public TWindowTest {
protected:
  std::string FileName() const { return Dir / "TargetCAD_APIVersion.txt"; }

  TForm68* StartWithList(const char* List = ListFile) {
    WriteFile(FileName(), List);
    Form = Start();
    return Form;
  }

  // Opens the dialog with a real click on "CAD" and runs Steps inside its modal loop once it is
  // on the screen; cancels it afterwards if the steps left it open.
  void WithDialog(const std::function<void(TTargetCADForm*)>& Steps) {
    TTargetCADForm* D = TargetCADForm;
    ASSERT_NE(D, nullptr);
    bool Done = false;
    const auto Run = [&](wxShowEvent& E) {
      E.Skip();
      if (E.IsShown())
        D->CallAfter([&] {
          EXPECT_TRUE(PumpUntil([D] { return D->IsShownOnScreen(); }));
          PumpEvents(100);
          Steps(D);
          if (D->IsModal())
            D->EndModal(wxID_CANCEL);
          Done = true;
        });
    };
    D->Bind(wxEVT_SHOW, Run);
    ClickOn(Input, Form->Button12);
    EXPECT_TRUE(PumpUntil([&] { return Done && !D->IsShown(); }));
    D->Unbind(wxEVT_SHOW, Run);
  }

  Lines ListLines(TTargetCADForm* D) const {
    Lines Result;
    for (const wxString& Item : D->ListBox1->GetStrings())
      Result.push_back(FromWx(Item));
    return Result;
  }

  // A real click on a row of the list.
  void ClickRow(TTargetCADForm* D, int Row) {
    wxListBox* List = D->ListBox1;
    for (int Y = 0; Y < List->GetClientSize().y; ++Y)
      if (List->HitTest(wxPoint(10, Y)) == Row) {
        ClickAt(Input, List->ClientToScreen(wxPoint(10, Y + 4)));
        return;
      }
    ADD_FAILURE() << "row " << Row << " not on the screen";
  }

  // Types into a field that the user has emptied first.
  void TypeInto(wxTextCtrl* Edit, const std::string& Text) {
    ClickOn(Input, Edit);
    Edit->ChangeValue(wxString());
    Input.Text(Text.c_str());
    PumpEvents(100);
  }

  static std::pair<std::string, std::string> Fields(TTargetCADForm* D) {
    return {FromWx(D->Edit1->GetValue()), FromWx(D->Edit2->GetValue())};
  }

  wxUIActionSimulator Input;
  TForm68* Form = nullptr;
};

TEST_F(TargetDialogInput, ShowingSelectsTheCurrentTargetsFirstLineAndOkAppliesIt) {
  StartWithList();
  // The caption takes the first line of the file that names the target, the dialog the first of
  // its sorted list.
  ASSERT_EQ(FromWx(Form->GetTitle()), "QUOLSA Ver.0.92 [ BricsCAD V24 ]");
  WithDialog([&](TTargetCADForm* D) {
    EXPECT_EQ(ListLines(D), (Lines{"BricsCAD\tBricscadApp.AcadApplication",
                                   "BricsCAD V24\tBricscadApp.AcadApplication.24",
                                   "Other CAD\tOtherCad.Application"}));
    EXPECT_EQ(D->ListBox1->GetSelection(), 0);
    EXPECT_EQ(Fields(D),
              std::make_pair(std::string("BricsCAD"), std::string("BricscadApp.AcadApplication")));
    ClickRow(D, 2);
    EXPECT_EQ(Fields(D),
              std::make_pair(std::string("Other CAD"), std::string("OtherCad.Application")));
    ClickOn(Input, D->Button1);
    EXPECT_FALSE(D->IsShown());
  });
  EXPECT_EQ(FromWx(Form->GetTitle()), "QUOLSA Ver.0.92 [ Other CAD ]");
  EXPECT_EQ(TargetProgID, "OtherCad.Application");
  EXPECT_EQ(ReadFile(FileName()), ListFile) << "OK writes nothing";
  EXPECT_TRUE(Shown.empty());
}

TEST_F(TargetDialogInput, AddSavesAtOnceSelectsTheNewLineAndLeavesTheFocusInTheField) {
  StartWithList();
  WithDialog([&](TTargetCADForm* D) {
    TypeInto(D->Edit1, "Alpha CAD");
    TypeInto(D->Edit2, "Alpha.Application");
    ClickOn(Input, D->SpeedButton1);
    EXPECT_EQ(ListLines(D).front(), "Alpha CAD\tAlpha.Application");
    EXPECT_EQ(D->ListBox1->GetSelection(), 0);
    EXPECT_EQ(Fields(D),
              std::make_pair(std::string("Alpha CAD"), std::string("Alpha.Application")));
    EXPECT_EQ(wxWindow::FindFocus(), D->Edit2);
    EXPECT_EQ(ReadFile(FileName()), "Alpha CAD\tAlpha.Application\r\n"
                                    "BricsCAD\tBricscadApp.AcadApplication\r\n"
                                    "BricsCAD V24\tBricscadApp.AcadApplication.24\r\n"
                                    "Other CAD\tOtherCad.Application\r\n");
    ClickOn(Input, D->Button2); // the line stays saved
  });
  EXPECT_EQ(TargetProgID, "BricscadApp.AcadApplication");
  EXPECT_EQ(FromWx(Form->GetTitle()), "QUOLSA Ver.0.92 [ BricsCAD V24 ]");
}

TEST_F(TargetDialogInput, EnterInAFieldChangesTheSelectedLineInPlaceAndKeepsTheDialogOpen) {
  StartWithList();
  WithDialog([&](TTargetCADForm* D) {
    ClickRow(D, 0);
    TypeInto(D->Edit1, "Zulu");
    Input.Char(WXK_RETURN);
    PumpEvents(200);
    EXPECT_TRUE(D->IsShown());
    EXPECT_EQ(FromWx(D->Edit1->GetValue()), "Zulu") << "Enter is swallowed";
    EXPECT_EQ(ListLines(D).front(), "Zulu\tBricscadApp.AcadApplication");
    EXPECT_EQ(D->ListBox1->GetSelection(), 0);
    EXPECT_EQ(ReadFile(FileName()), "Zulu\tBricscadApp.AcadApplication\r\n"
                                    "BricsCAD V24\tBricscadApp.AcadApplication.24\r\n"
                                    "Other CAD\tOtherCad.Application\r\n");
  });
  WithDialog([&](TTargetCADForm* D) {
    EXPECT_EQ(ListLines(D).back(), "Zulu\tBricscadApp.AcadApplication") << "sorted again";
  });
}

TEST_F(TargetDialogInput, DeleteRemovesTheLineSavesAndShowsItsNeighbour) {
  StartWithList();
  WithDialog([&](TTargetCADForm* D) {
    ClickRow(D, 1);
    ClickOn(Input, D->SpeedButton2);
    EXPECT_EQ(ListLines(D),
              (Lines{"BricsCAD\tBricscadApp.AcadApplication", "Other CAD\tOtherCad.Application"}));
    EXPECT_EQ(D->ListBox1->GetSelection(), 1);
    EXPECT_EQ(Fields(D),
              std::make_pair(std::string("Other CAD"), std::string("OtherCad.Application")));
    EXPECT_EQ(ReadFile(FileName()), "BricsCAD\tBricscadApp.AcadApplication\r\n"
                                    "Other CAD\tOtherCad.Application\r\n");
  });
}

TEST_F(TargetDialogInput, OkTakesTheTypedFieldsAndCancelNothing) {
  StartWithList();
  // Types a target that has no line and closes the dialog with Button.
  const auto TypeAndClose = [&](wxButton* TTargetCADForm::*Button) {
    WithDialog([&](TTargetCADForm* D) {
      TypeInto(D->Edit1, "Typed");
      TypeInto(D->Edit2, "Typed.Application");
      ClickOn(Input, D->*Button);
    });
  };
  TypeAndClose(&TTargetCADForm::Button2);
  EXPECT_EQ(TargetProgID, "BricscadApp.AcadApplication");
  EXPECT_EQ(FromWx(Form->GetTitle()), "QUOLSA Ver.0.92 [ BricsCAD V24 ]");
  TypeAndClose(&TTargetCADForm::Button1);
  EXPECT_EQ(TargetProgID, "Typed.Application");
  EXPECT_EQ(FromWx(Form->GetTitle()), "QUOLSA Ver.0.92 [ Typed ]");
  EXPECT_EQ(ReadFile(FileName()), ListFile);
  WithDialog([&](TTargetCADForm* D) {
    EXPECT_EQ(D->ListBox1->GetSelection(), wxNOT_FOUND) << "the typed target has no line";
    EXPECT_EQ(Fields(D), std::make_pair(std::string("Typed"), std::string("Typed.Application")));
  });
}

TEST_F(TargetDialogInput, EnterInTheListAndEscapeDoNotCloseIt) {
  StartWithList();
  WithDialog([&](TTargetCADForm* D) {
    ClickRow(D, 1);
    Input.Char(WXK_RETURN);
    Input.Char(WXK_ESCAPE);
    PumpEvents(300);
    EXPECT_TRUE(D->IsShown());
    EXPECT_TRUE(D->IsModal());
  });
  EXPECT_EQ(ReadFile(FileName()), ListFile);
}

TEST_F(TargetDialogInput, ChangeDeleteAndEnterWithoutASelectionLeaveTheListAlone) {
  WriteFile(SettingsFile(), "[Target]\r\nProgID=Nothing.Listed\r\n");
  StartWithList();
  WithDialog([&](TTargetCADForm* D) {
    EXPECT_EQ(D->ListBox1->GetSelection(), wxNOT_FOUND);
    TypeInto(D->Edit1, "Name");
    ClickOn(Input, D->SpeedButton3);
    ClickOn(Input, D->SpeedButton2);
    ClickOn(Input, D->Edit1);
    Input.Char(WXK_RETURN);
    PumpEvents(200);
    EXPECT_EQ(ListLines(D).size(), 3u);
    EXPECT_TRUE(D->IsShown());
  });
  EXPECT_EQ(ReadFile(FileName()), ListFile);
  EXPECT_TRUE(Shown.empty());
}

TEST_F(TargetDialogInput, ListThatCannotBeSavedShowsTheFileErrorWithTheFullPath) {
  std::filesystem::create_directory(FileName()); // the file's name is taken
  Form = Start();
  WithDialog([&](TTargetCADForm* D) {
    EXPECT_TRUE(D->ListBox1->IsEmpty());
    TypeInto(D->Edit1, "A");
    TypeInto(D->Edit2, "B");
    ClickOn(Input, D->SpeedButton1);
    EXPECT_TRUE(D->IsShown());
    EXPECT_EQ(ListLines(D), Lines{"A\tB"}) << "the list shows the change the file does not have";
  });
  ASSERT_EQ(Shown.size(), 1u);
  EXPECT_EQ(Shown[0].Text, "ファイル \"" + FileName() + "\" を作成できません。Is a directory.");
  EXPECT_EQ(Shown[0].Icon, miStop);
}

} // namespace
