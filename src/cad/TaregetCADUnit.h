// The target dialog: the user keeps the list of CAD targets (display name and ProgID) in the target
// list file and chooses the current target. Every add, change and delete is saved at once; OK makes
// the ProgID field the current target and names it in the main window's caption.
#pragma once

#include "cad/TargetListModel.h"

#include <wx/dialog.h>

#include <string>

class TSpeedButton;
class wxButton;
class wxListBox;
class wxPanel;
class wxStaticText;
class wxTextCtrl;

class TTargetCADForm : public wxDialog {
public:
  // Owned by Parent, the main window, whose caption OK sets. FileName is the target list file;
  // Font the program's font, which the dialog's other sizes are made from.
  TTargetCADForm(wxWindow* Parent, const std::string& FileName, const wxFont& Font);
  ~TTargetCADForm() override;

  // Runs FormShow, then shows the dialog modally, centred on the screen.
  int ShowModal() override;

  const TTargetListModel& Model() const { return FModel; }

  wxListBox* ListBox1;
  wxButton* Button1; // "OK"
  wxButton* Button2; // "取り消し"
  wxPanel* GroupBox1;
  wxStaticText* Label1;
  wxTextCtrl* Edit1; // name
  wxStaticText* Label2;
  wxTextCtrl* Edit2;          // ProgID
  TSpeedButton* SpeedButton1; // "追加"
  TSpeedButton* SpeedButton2; // "削除"
  TSpeedButton* SpeedButton3; // "変更"

  void FormShow();
  void ListBox1Click(wxCommandEvent& Event);
  void SpeedButton1Click(wxCommandEvent& Event);
  void SpeedButton2Click(wxCommandEvent& Event);
  void SpeedButton3Click(wxCommandEvent& Event);
  void Edit1KeyPress(wxKeyEvent& Event);
  void Button1Click(wxCommandEvent& Event);

private:
  void CreateControls(const wxFont& Font);
  // Passes a change of the list's selection to ListBox1Click when the user made it.
  void ListBoxSelected(wxCommandEvent& Event);
  // The list box from the model's lines and selection; the fields from the selected line.
  void ShowLines();
  void ShowSelection();
  std::string FieldsLine() const;

  TTargetListModel FModel;
  // The user is pressing a mouse button or a key on the list. A list control may select its first
  // line by itself when it takes the focus; only the user's selections count.
  bool FUserAtList = false;
};

// The target dialog, while it exists.
extern TTargetCADForm* TargetCADForm;
