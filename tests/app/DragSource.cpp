// A small program that hands files over by drag and drop, as a file manager does: its window
// "drag source" lies at the screen position given first; a drag that starts on it carries the
// files named after. It ends when the drag is over, with status 0 when the files were taken.
#include <wx/app.h>
#include <wx/dataobj.h>
#include <wx/dnd.h>
#include <wx/frame.h>

namespace {

class TSourceFrame : public wxFrame {
public:
  TSourceFrame(const wxPoint& At, const wxArrayString& Files)
      : wxFrame(nullptr, wxID_ANY, "drag source", At, wxSize(160, 120)), FFiles(Files) {
    SetBackgroundColour(*wxBLUE);
    Bind(wxEVT_MOTION, &TSourceFrame::Moved, this);
  }

private:
  void Moved(wxMouseEvent& Event);

  wxArrayString FFiles;
  bool FDragged = false;
};

class TDragSourceApp : public wxApp {
public:
  bool OnInit() override {
    if (argc < 4)
      return false;
    long X = 0, Y = 0;
    argv[1].ToLong(&X);
    argv[2].ToLong(&Y);
    wxArrayString Files;
    for (int I = 3; I < argc; ++I)
      Files.Add(argv[I]);
    (new TSourceFrame(wxPoint(int(X), int(Y)), Files))->Show(); // the toolkit destroys it
    return true;
  }
  int OnRun() override {
    wxApp::OnRun();
    return FExitCode;
  }
  void SetExitCode(int Code) { FExitCode = Code; }

private:
  int FExitCode = 2; // no drag happened
};

void TSourceFrame::Moved(wxMouseEvent& Event) {
  if (!Event.LeftIsDown() || FDragged)
    return;
  FDragged = true;
  wxFileDataObject Data;
  for (const wxString& File : FFiles)
    Data.AddFile(File);
  wxDropSource Source(Data, this);
  const wxDragResult Result = Source.DoDragDrop(wxDrag_CopyOnly);
  static_cast<TDragSourceApp*>(wxTheApp)->SetExitCode(Result == wxDragCopy ? 0 : 1);
  Close();
}

} // namespace

wxIMPLEMENT_APP(TDragSourceApp);
