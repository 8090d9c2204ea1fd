// The main window: the top panel with the file name, the command buttons and the page display,
// the lower panel for the viewer with the status bar, and the command menu of the "MENU" button.
#pragma once

#include "engine/PdfEngineInit.h"

#include <wx/frame.h>

#include <memory>
#include <string>

class TMessageFilter;
class TPdfControl;
class TStatusLine;
class wxButton;
class wxMenu;
class wxMenuItem;
class wxPanel;
class wxStaticText;
class wxTextCtrl;

class TForm68 : public wxFrame {
public:
  // The settings file and the engine directory are found beside ExecutablePath, the program's own
  // file. Runs FormCreate.
  explicit TForm68(const std::string& ExecutablePath);
  ~TForm68() override;

  const std::string& SettingsFileName() const { return FSettingsFileName; }
  const std::string& EngineDirectory() const { return ::EngineDirectory(); }
  // The page the import hands to the CAD: the shown page, counted from 1.
  int ShownPageNumber() const;

  wxPanel* Panel1;
  wxTextCtrl* Edit1; // full path of the shown document
  wxButton* Button12;
  wxTextCtrl* Edit3; // scale factor for the CAD import
  wxButton* Button11;
  wxButton* Button5;
  wxButton* Button6;
  wxButton* Button3;
  wxButton* Button4;
  wxTextCtrl* Edit2;    // page box
  wxStaticText* Label1; // page label
  wxButton* Button13;
  wxButton* Button14;
  wxButton* Button1;
  wxButton* Button2;
  wxButton* Button8;
  wxButton* Button7;
  wxPanel* Panel2; // holds the viewer and the status bar
  TStatusLine* StatusBar1;
  // Created by FormCreate in Panel2, which owns it; null when the engine could not be loaded.
  TPdfControl* Viewer = nullptr;

  std::unique_ptr<wxMenu> PopupMenu1;
  wxMenuItem* quoLSA;
  wxMenuItem* N5;
  wxMenuItem* pdfLINE;
  wxMenuItem* N2;
  wxMenuItem* lnAlp;
  wxMenuItem* crCut;
  wxMenuItem* oneLine;
  wxMenuItem* N1;
  wxMenuItem* txlines;
  wxMenuItem* N3;
  wxMenuItem* N4;

  void FormCreate();
  void FormDestroy();

  // Handlers of the commands.
  void Button1Click(wxCommandEvent& Event);
  void Button2Click(wxCommandEvent& Event);
  void Button3Click(wxCommandEvent& Event);
  void Button4Click(wxCommandEvent& Event);
  void Button5Click(wxCommandEvent& Event);
  void Button6Click(wxCommandEvent& Event);
  void Button7Click(wxCommandEvent& Event);
  void Button8Click(wxCommandEvent& Event);
  void Button11Click(wxCommandEvent& Event);
  void Button12Click(wxCommandEvent& Event);
  void Button13Click(wxCommandEvent& Event);
  void Button14Click(wxCommandEvent& Event);
  void Edit2KeyPress(wxKeyEvent& Event);
  void pdfLINEClick(wxCommandEvent& Event);
  void FormMouseWheelDown(wxMouseEvent& Event);
  void FormMouseWheelUp(wxMouseEvent& Event);
  void HandleDroppedFiles(wxDropFilesEvent& Event);

private:
  void CreateControls();
  void CreatePopupMenu();
  void LayoutPanel1();
  void LayoutPanel2();

  // The steps of FormCreate and FormDestroy.
  void CreateViewer();
  void SetCaptionFromTargetList();
  void ReopenLastDocument();
  void ShowEmptyState();
  // Shows the viewer fitted, unrotated, scrolling smoothly, and loads the file into it.
  void OpenDocument(const std::string& FileName);
  // Label1 and Edit2 show the viewer's page.
  void ShowPageDisplay();
  // One notch of the wheel anywhere over the window, before any control handles it.
  void HandleWheelNotches(wxMouseEvent& Event);
  void WheelNotchOverWindow(wxMouseEvent& Event, bool TowardUser);
  void RegisterDroppedFiles();
  void CreateMessageFilter();
  void RevokeMessageFilter();

  void FormClose(wxCloseEvent& Event);
  void RunFormDestroy();
  // "quolsa.lsp" beside the executable.
  std::string LispFile() const;

  class TWheelFilter;
  std::unique_ptr<TWheelFilter> FWheelFilter;
  int FWheelRotation = 0; // wheel turned, not yet a whole notch
  std::string FSettingsFileName;
  std::string FExecutablePath;
  bool FDestroyDone = false;
  std::unique_ptr<TMessageFilter> FMessageFilter; // from FormCreate step 9 to FormDestroy
};

// The main window, while it exists.
extern TForm68* Form68;

// The text of the status bar.
extern const char* const StatusBarHint;
