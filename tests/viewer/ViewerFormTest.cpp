// Filling form fields in the viewer through the X server: typing into a text field, its clipboard
// keys, the keys the field keeps from the view, the cursor over fields and the focus leaving.
#include "ViewerTestSupport.h"
#include "XClipboard.h"

#include "engine/PdfUnicode.h"

namespace {

class ViewerForm : public TViewerTest {
protected:
  // The second page of form-fields.pdf fitted into 400 x 300: the page covers x 100..299; the text
  // field lies at 120..279 x 70..99, the check box at 120..139 x 130..149.
  void ShowForm() {
    MakeViewer(400, 300);
    Load("form-fields.pdf");
    Viewer->SetPageIndex(1);
    Settle();
  }
  std::string FieldText() { return Utf16ToUtf8(Viewer->CurrentPage()->FormGetFocusedText()); }
  void ClickIntoField(TPoint At = {200, 85}) {
    ClickAt(At);
    ASSERT_TRUE(PumpUntil([this] { return wxWindow::FindFocus() == Viewer; }));
  }
};

TEST_F(ViewerForm, TypedKeysReachTheTextField) {
  ShowForm();
  MoveTo(200, 85);
  EXPECT_EQ(Viewer->Cursor(), crIBeam) << "over the text field";
  MoveTo(130, 140);
  EXPECT_EQ(Viewer->Cursor(), crDefault) << "over the check box";
  ClickIntoField();
  Input.Text("hi there");
  PumpEvents(100);
  EXPECT_EQ(FieldText(), "hi there");
  EXPECT_EQ(Viewer->SelLength(), 0) << "the click went to the field, not to a text selection";
  // Backspace and Delete are the field's editing keys.
  Key(WXK_BACK);
  Key(WXK_HOME);
  Key(WXK_DELETE);
  EXPECT_EQ(FieldText(), "i ther");
}

TEST_F(ViewerForm, ClipboardKeysOfTheField) {
  ShowForm();
  ClickIntoField();
  {
    const TXClipboardOwner Other("pasted");
    Key('V', wxMOD_CONTROL);
    EXPECT_EQ(FieldText(), "pasted");
  }
  // Cut moves the field's selection to the clipboard.
  Viewer->SelectAllFormText();
  Key('X', wxMOD_CONTROL);
  EXPECT_EQ(FieldText(), "");
  EXPECT_EQ(ReadXClipboard(), "pasted");

  Input.Text("xy");
  PumpEvents(60);
  Viewer->SelectAllFormText();
  Key('C', wxMOD_CONTROL);
  EXPECT_EQ(ReadXClipboard(), "xy");
  EXPECT_EQ(FieldText(), "xy");
  Key(WXK_END);
  Key(WXK_INSERT, wxMOD_SHIFT);
  EXPECT_EQ(FieldText(), "xyxy");

  // Ctrl+A selects the field's text, not the page's; Shift+Delete cuts it.
  Key('A', wxMOD_CONTROL);
  EXPECT_EQ(Viewer->SelLength(), 0);
  Key(WXK_DELETE, wxMOD_SHIFT);
  EXPECT_EQ(ReadXClipboard(), "xyxy");
  EXPECT_EQ(FieldText(), "");
  Input.Text("xyxy");
  PumpEvents(60);

  // Nothing selected in the field: copying leaves the clipboard alone.
  {
    const TXClipboardOwner Other("kept");
    Key('C', wxMOD_CONTROL);
    EXPECT_EQ(ReadXClipboard(), "kept");
  }
  // An image on the clipboard pastes nothing.
  {
    const TXClipboardOwner Image(std::string("\x89PNG\r\n\x1a\n", 8), "image/png");
    Key('V', wxMOD_CONTROL);
    EXPECT_EQ(FieldText(), "xyxy");
  }
}

TEST_F(ViewerForm, ArrowKeysTheFieldTakesDoNotScrollTheView) {
  ShowForm();
  Viewer->SetScaleMode(smZoom);
  Viewer->SetZoomPercentage(300); // 800 x 1200 pixels; the field at 80..719 x 280..399
  Settle();
  Viewer->ScrollContentTo(0, 200, false);
  Settle();
  ClickIntoField({200, 140});
  Input.Text("abc");
  PumpEvents(60);
  ASSERT_EQ(FieldText(), "abc");
  for (const int K : {WXK_LEFT, WXK_LEFT, WXK_RIGHT, WXK_HOME, WXK_END}) {
    Key(K);
    EXPECT_EQ(Viewer->VertScrollBar().Position(), 200) << K;
    EXPECT_EQ(Viewer->HorzScrollBar().Position(), 0) << K;
  }
  Key(WXK_LEFT);
  Input.Text("Z");
  PumpEvents(60);
  EXPECT_EQ(FieldText(), "abZc") << "the caret moved in the field";
}

TEST_F(ViewerForm, LosingTheFocusEndsTheFieldsEditing) {
  MakeViewer(400, 300);
  wxWindow* Other = AddButtonBelow();
  Load("form-fields.pdf");
  Viewer->SetPageIndex(1);
  Settle();
  ClickIntoField();
  Input.Text("ab");
  PumpEvents(60);
  ASSERT_EQ(FieldText(), "ab");
  EXPECT_FALSE(Viewer->Document().FormModified());
  Other->SetFocus();
  ASSERT_TRUE(PumpUntil([Other] { return wxWindow::FindFocus() == Other; }));
  EXPECT_EQ(FieldText(), "") << "no field has the focus";
  EXPECT_TRUE(Viewer->Document().FormModified()) << "the typed value went into the field";
  // Keys no longer reach the form.
  Viewer->SetFocus();
  PumpEvents(60);
  Input.Text("q");
  PumpEvents(60);
  EXPECT_EQ(FieldText(), "");
}

TEST_F(ViewerForm, WithoutFormEventsTheFieldIsOnlyPaper) {
  ShowForm();
  Viewer->SetAllowFormEvents(false);
  ClickIntoField();
  Input.Text("no");
  PumpEvents(60);
  EXPECT_EQ(FieldText(), "");
}

} // namespace
