// Form filling against the real engine on form-fields.pdf: page 2 (index 1) holds an empty text
// field at (20, 200) to (180, 230) and a check box at (20, 150) to (40, 170); page 1 holds none.
#include "EngineTestSupport.h"

#include <algorithm>
#include <stdexcept>

namespace {

// Page positions inside the fields.
constexpr double TextX = 100, TextY = 215;
constexpr double BoxX = 30, BoxY = 160;
constexpr std::uint32_t OpaqueWhite = 0xFFFFFFFF;
// A device pixel inside the text field away from its text, for a page drawn at 200 x 300.
constexpr int FieldPixelX = 150, FieldPixelY = 90;

struct TInvalidation {
  TPdfPage* Page;
  TPdfRect Rect;
};

struct TFocusChange {
  std::u16string Value;
  bool Focused;
};

class FormFill : public TEngineTest {
protected:
  FormFill() {
    Document.SetOnFormInvalidate([this](TPdfDocument* Sender, TPdfPage* Page, const TPdfRect& R) {
      EXPECT_EQ(Sender, &Document);
      Invalidations.push_back({Page, R});
    });
    Document.SetOnFormFieldFocus(
        [this](TPdfDocument* Sender, const char16_t* Value, int ValueLen, bool Focused) {
          EXPECT_EQ(Sender, &Document);
          FocusChanges.push_back({std::u16string(Value, Value + ValueLen), Focused});
        });
    Document.LoadFromFile(TestData("form-fields.pdf"));
    Page = Document.Pages(1);
  }

  void Click(TPdfPage* On, double X, double Y) {
    // The engine answers the button-down of a text field false, though it takes the focus.
    On->FormEventLButtonDown({ssLeft}, X, Y);
    EXPECT_TRUE(On->FormEventLButtonUp({}, X, Y));
  }
  void Type(const std::u16string& Text) {
    for (char16_t C : Text)
      EXPECT_TRUE(Page->FormEventKeyPress(C, 0));
  }
  std::uint32_t DrawnPixel(int X, int Y) {
    TPdfSurface Surface(200, 300);
    Page->Draw(Surface, 0, 0, 200, 300, prNormal, {});
    return Surface.Pixel(X, Y);
  }

  std::vector<TInvalidation> Invalidations;
  std::vector<TFocusChange> FocusChanges;
  TPdfDocument Document;
  TPdfPage* Page = nullptr;
};

TEST_F(FormFill, ClickFocusesTheTextFieldAndTypedCharactersReachIt) {
  EXPECT_EQ(Page->FormGetFocusedText(), u"");
  Click(Page, TextX, TextY);
  ASSERT_EQ(FocusChanges.size(), 1u);
  EXPECT_TRUE(FocusChanges[0].Focused);
  EXPECT_EQ(FocusChanges[0].Value, u"");

  Type(u"abc");
  EXPECT_EQ(Utf16ToUtf8(Page->FormGetFocusedText()), "abc");
  EXPECT_EQ(Page->FormGetSelectedText(), u"");
  EXPECT_TRUE(Page->FormCanUndo());

  // The value is taken over when the field loses the focus.
  EXPECT_FALSE(Document.FormModified());
  EXPECT_TRUE(Page->FormEventKillFocus());
  EXPECT_TRUE(Document.FormModified());
  ASSERT_EQ(FocusChanges.size(), 2u);
  EXPECT_FALSE(FocusChanges[1].Focused);
  EXPECT_EQ(Page->FormGetFocusedText(), u"");

  // Focused again, the field reports its value.
  Click(Page, TextX, TextY);
  ASSERT_EQ(FocusChanges.size(), 3u);
  EXPECT_TRUE(FocusChanges[2].Focused);
  EXPECT_EQ(Utf16ToUtf8(FocusChanges[2].Value), "abc");
}

TEST_F(FormFill, MouseEventsAreHandledOverFieldsOnly) {
  const TPdfPoint Empty{100, 100};
  EXPECT_TRUE(Page->FormEventMouseMove({}, TextX, TextY));
  EXPECT_FALSE(Page->FormEventMouseMove({}, Empty.X, Empty.Y));
  EXPECT_TRUE(Page->FormEventFocus({}, TextX, TextY));
  EXPECT_TRUE(Page->FormEventRButtonDown({ssRight}, BoxX, BoxY));
  EXPECT_TRUE(Page->FormEventRButtonUp({}, BoxX, BoxY));
  EXPECT_FALSE(Page->FormEventRButtonDown({ssRight}, Empty.X, Empty.Y));
  // The right button does not check the box.
  EXPECT_FALSE(Document.FormModified());
}

TEST_F(FormFill, SelectionIsReadAndReplaced) {
  Click(Page, TextX, TextY);
  Type(u"hello");
  EXPECT_TRUE(Page->FormSelectAllText());
  EXPECT_EQ(Utf16ToUtf8(Page->FormGetSelectedText()), "hello");
  EXPECT_TRUE(Page->FormReplaceSelection(u"\u65e5\u672c"));
  EXPECT_EQ(Page->FormGetFocusedText(), u"\u65e5\u672c");
  EXPECT_EQ(Page->FormGetSelectedText(), u"");
  // Undo and redo step through the replacement.
  EXPECT_TRUE(Page->FormUndo());
  EXPECT_EQ(Utf16ToUtf8(Page->FormGetFocusedText()), "hello");
  EXPECT_TRUE(Page->FormCanRedo());
  EXPECT_TRUE(Page->FormRedo());
  EXPECT_EQ(Page->FormGetFocusedText(), u"\u65e5\u672c");
  // With nothing selected the text goes in at the caret.
  EXPECT_TRUE(Page->FormReplaceSelection(u"!"));
  EXPECT_EQ(Page->FormGetFocusedText(), u"\u65e5\u672c!");
}

TEST_F(FormFill, ReplaceSelectionAnswersTrueWithoutAFocusedField) {
  EXPECT_TRUE(Page->FormReplaceSelection(u"text"));
  EXPECT_EQ(Page->FormGetFocusedText(), u"");
  EXPECT_FALSE(Page->FormSelectAllText());
}

TEST_F(FormFill, InvalidationsNameThePageOfTheField) {
  TPdfPage* First = Document.Pages(0);
  Click(Page, TextX, TextY);
  Type(u"x");
  ASSERT_FALSE(Invalidations.empty());
  for (const TInvalidation& I : Invalidations) {
    EXPECT_EQ(I.Page, Page);
    EXPECT_NE(I.Page, First);
    // Inside the field, give or take its border.
    EXPECT_GE(I.Rect.Left, 20 - 3);
    EXPECT_LE(I.Rect.Right, 180 + 3);
    EXPECT_GE(I.Rect.Top, 200 - 3);
    EXPECT_LE(I.Rect.Bottom, 230 + 3);
  }
  // The check box repaints its own area.
  Invalidations.clear();
  Click(Page, BoxX, BoxY);
  ASSERT_FALSE(Invalidations.empty());
  EXPECT_EQ(Invalidations.back().Page, Page);
  EXPECT_LE(Invalidations.back().Rect.Left, 20);
  EXPECT_GE(Invalidations.back().Rect.Right, 40);
}

TEST_F(FormFill, InvalidationOfAPageNoPageObjectHoldsRaisesNoEvent) {
  // The same page opened a second time, outside the document's page objects.
  FPDF_PAGE Stray = FPDF_LoadPage(Document.Handle(), 1);
  ASSERT_NE(Stray, nullptr);
  FORM_OnAfterLoadPage(Stray, Document.FormHandle());
  FORM_OnLButtonDown(Document.FormHandle(), Stray, 0, TextX, TextY);
  EXPECT_TRUE(FORM_OnLButtonUp(Document.FormHandle(), Stray, 0, TextX, TextY));
  EXPECT_TRUE(FORM_OnChar(Document.FormHandle(), Stray, 'x', 0));
  EXPECT_TRUE(Invalidations.empty());
  // The focus event needs no page.
  EXPECT_EQ(FocusChanges.size(), 1u);
  FORM_ForceToKillFocus(Document.FormHandle());
  FORM_OnBeforeClosePage(Stray, Document.FormHandle());
  FPDF_ClosePage(Stray);
}

TEST_F(FormFill, SelectedTextIsReportedAsRectanglesWhenDrawn) {
  std::vector<TInvalidation> Selected;
  Document.SetOnFormOutputSelectedRect([&](TPdfDocument*, TPdfPage* On, const TPdfRect& R) {
    Selected.push_back({On, R});
  });
  Click(Page, TextX, TextY);
  Type(u"wide text");
  DrawnPixel(0, 0);
  EXPECT_TRUE(Selected.empty());
  Page->FormSelectAllText();
  DrawnPixel(0, 0);
  ASSERT_FALSE(Selected.empty());
  // Rectangles on the selected text, together as wide as the text.
  double Left = 1000, Right = 0;
  for (const TInvalidation& S : Selected) {
    EXPECT_EQ(S.Page, Page);
    EXPECT_GE(S.Rect.Left, 20);
    EXPECT_LE(S.Rect.Right, 180);
    Left = std::min(Left, S.Rect.Left);
    Right = std::max(Right, S.Rect.Right);
  }
  EXPECT_GT(Right - Left, 30);
}

TEST_F(FormFill, CheckBoxClickChecksItAndModifiesTheForm) {
  // The check mark's square from (24, 154) to (36, 166): pixel (30, 140) drawn at 200 x 300.
  EXPECT_FALSE(IsBlack(DrawnPixel(30, 140)));
  Click(Page, BoxX, BoxY);
  EXPECT_TRUE(Document.FormModified());
  EXPECT_TRUE(IsBlack(DrawnPixel(30, 140)));
  Document.SetFormModified(false);
  EXPECT_FALSE(Document.FormModified());
}

TEST_F(FormFill, FieldKindsAtPagePositions) {
  EXPECT_EQ(Page->HasFormFieldAtPoint(TextX, TextY), fftTextField);
  EXPECT_EQ(Page->HasFormFieldAtPoint(BoxX, BoxY), fftCheckBox);
  EXPECT_EQ(Page->HasFormFieldAtPoint(100, 100), fftUnknown);
  EXPECT_EQ(Document.Pages(0)->HasFormFieldAtPoint(TextX, TextY), fftUnknown);
}

TEST(FormFieldTypes, EngineNumbersMapToKinds) {
  const std::pair<int, TPdfFormFieldType> Cases[] = {
      {-1, fftUnknown}, {0, fftUnknown}, {1, fftPushButton}, {2, fftCheckBox},  {3, fftRadioButton},
      {4, fftComboBox}, {5, fftListBox}, {6, fftTextField},  {7, fftSignature}, {8, fftUnknown},
  };
  for (const auto& [Engine, Kind] : Cases)
    EXPECT_EQ(FormFieldTypeOf(Engine), Kind) << Engine;
}

TEST_F(FormFill, ClosedPageHasNoFormEnvironment) {
  Click(Page, TextX, TextY);
  Type(u"abc");
  Page->Close();
  const TShiftState None;
  EXPECT_FALSE(Page->FormEventFocus(None, TextX, TextY));
  EXPECT_FALSE(Page->FormEventMouseMove(None, TextX, TextY));
  EXPECT_FALSE(Page->FormEventMouseWheel(None, 120, TextX, TextY));
  EXPECT_FALSE(Page->FormEventLButtonDown({ssLeft}, TextX, TextY));
  EXPECT_FALSE(Page->FormEventLButtonUp(None, TextX, TextY));
  EXPECT_FALSE(Page->FormEventRButtonDown({ssRight}, TextX, TextY));
  EXPECT_FALSE(Page->FormEventRButtonUp(None, TextX, TextY));
  EXPECT_FALSE(Page->FormEventKeyDown(0x41, 0));
  EXPECT_FALSE(Page->FormEventKeyUp(0x41, 0));
  EXPECT_FALSE(Page->FormEventKeyPress(u'a', 0));
  EXPECT_FALSE(Page->FormEventKillFocus());
  EXPECT_EQ(Page->FormGetFocusedText(), u"");
  EXPECT_EQ(Page->FormGetSelectedText(), u"");
  EXPECT_FALSE(Page->FormReplaceSelection(u"x"));
  EXPECT_FALSE(Page->FormSelectAllText());
  EXPECT_FALSE(Page->FormCanUndo());
  EXPECT_FALSE(Page->FormUndo());
  EXPECT_FALSE(Page->FormCanRedo());
  EXPECT_FALSE(Page->FormRedo());
  EXPECT_EQ(Page->HasFormFieldAtPoint(TextX, TextY), fftUnknown);
  // None of them reopened the page.
  EXPECT_FALSE(Page->IsLoaded());
}

TEST_F(FormFill, KeyEventsReachTheFocusedField) {
  Click(Page, TextX, TextY);
  Type(u"abcd");
  // Left arrow twice, then the delete key: "abd"; then a backspace character: "ad".
  constexpr std::uint16_t VkLeft = 0x25, VkDelete = 0x2E;
  EXPECT_TRUE(Page->FormEventKeyDown(VkLeft, 0));
  Page->FormEventKeyUp(VkLeft, 0);
  EXPECT_TRUE(Page->FormEventKeyDown(VkLeft, 0));
  EXPECT_TRUE(Page->FormEventKeyDown(VkDelete, 0));
  EXPECT_EQ(Utf16ToUtf8(Page->FormGetFocusedText()), "abd");
  EXPECT_TRUE(Page->FormEventKeyPress(u'\b', 0));
  EXPECT_EQ(Utf16ToUtf8(Page->FormGetFocusedText()), "ad");
}

TEST_F(FormFill, HandlerExceptionsStayOutOfTheEngine) {
  Document.SetOnFormInvalidate(
      [](TPdfDocument*, TPdfPage*, const TPdfRect&) { throw std::runtime_error("handler"); });
  Click(Page, TextX, TextY);
  Type(u"ok");
  EXPECT_EQ(Utf16ToUtf8(Page->FormGetFocusedText()), "ok");
}

TEST_F(FormFill, EventsAreRaisedOnlyWhenAssigned) {
  Document.SetOnFormInvalidate(nullptr);
  Document.SetOnFormFieldFocus(nullptr);
  Click(Page, TextX, TextY);
  Type(u"ok");
  EXPECT_EQ(Utf16ToUtf8(Page->FormGetFocusedText()), "ok");
  EXPECT_TRUE(Invalidations.empty());
  EXPECT_TRUE(FocusChanges.empty());
}

TEST_F(FormFill, HighlightAlphaIsClampedAndStored) {
  const std::pair<int, int> Cases[] = {{300, 255}, {-5, 0}, {255, 255}, {0, 0}, {42, 42}};
  for (const auto& [Value, Stored] : Cases) {
    Document.SetFormFieldHighlightAlpha(Value);
    EXPECT_EQ(Document.FormFieldHighlightAlpha(), Stored) << Value;
  }
  Document.SetFormFieldHighlightColor(0x0000FF);
  EXPECT_EQ(Document.FormFieldHighlightColor(), 0x0000FFu);
}

TEST_F(FormFill, HighlightSettersCallTheEngineOnlyForChangedValues) {
  // The default highlight over the empty text field.
  EXPECT_FALSE(DrawnPixel(FieldPixelX, FieldPixelY) == OpaqueWhite);
  // With the engine's highlight removed behind the document's back, setting the same colour
  // again leaves the engine as it is...
  FPDF_RemoveFormFieldHighlight(Document.FormHandle());
  EXPECT_TRUE(DrawnPixel(FieldPixelX, FieldPixelY) == OpaqueWhite);
  Document.SetFormFieldHighlightColor(0xFFE4DD);
  EXPECT_TRUE(DrawnPixel(FieldPixelX, FieldPixelY) == OpaqueWhite);
  // ...while a new colour reaches it: red (red in the low byte) at full strength.
  Document.SetFormFieldHighlightColor(0x0000FF);
  Document.SetFormFieldHighlightAlpha(300);
  const TRgba Red(DrawnPixel(FieldPixelX, FieldPixelY));
  EXPECT_GT(Red.R, 240) << Red;
  EXPECT_LT(Red.G, 16) << Red;
  EXPECT_LT(Red.B, 16) << Red;

  // The same for the alpha: the engine's alpha turned to 0 stays 0 when 255 is set again (and 300
  // clamps to that same 255).
  FPDF_SetFormFieldHighlightAlpha(Document.FormHandle(), 0);
  EXPECT_TRUE(DrawnPixel(FieldPixelX, FieldPixelY) == OpaqueWhite);
  Document.SetFormFieldHighlightAlpha(255);
  Document.SetFormFieldHighlightAlpha(300);
  EXPECT_TRUE(DrawnPixel(FieldPixelX, FieldPixelY) == OpaqueWhite);
  Document.SetFormFieldHighlightAlpha(128);
  const TRgba Half(DrawnPixel(FieldPixelX, FieldPixelY));
  EXPECT_NEAR(Half.G, 127, 3) << Half;
  EXPECT_GT(Half.R, 250) << Half;
}

TEST_F(FormFill, HighlightSetOnAClosedDocumentIsAppliedAtTheNextOpen) {
  Document.Close();
  Document.SetFormFieldHighlightColor(0x0000FF);
  Document.SetFormFieldHighlightAlpha(255);
  Document.LoadFromFile(TestData("form-fields.pdf"));
  Page = Document.Pages(1);
  const TRgba Red(DrawnPixel(FieldPixelX, FieldPixelY));
  EXPECT_GT(Red.R, 240) << Red;
  EXPECT_LT(Red.G, 16) << Red;
}

TEST(FormModifiers, EngineBitsOfMouseAndKeyEvents) {
  const std::pair<TShiftState, int> Mouse[] = {
      {{}, 0},
      {{ssShift}, 0x01},
      {{ssCtrl}, 0x02},
      {{ssAlt}, 0x04},
      {{ssLeft}, 0x40},
      {{ssMiddle}, 0x80},
      {{ssRight}, 0x100},
      {{ssDouble}, 0},
      {{ssShift, ssCtrl, ssAlt, ssLeft, ssMiddle, ssRight, ssDouble}, 0x1C7},
  };
  for (const auto& [Shift, Bits] : Mouse)
    EXPECT_EQ(EngineMouseModifiers(Shift), Bits) << Bits;

  const std::intptr_t AltDown = std::intptr_t(1) << 29;
  struct TKeyCase {
    platform::TModifierKeys Keys;
    std::intptr_t KeyData;
    int Bits;
  } Keys[] = {
      {{false, false}, 0, 0},
      {{true, false}, 0, 0x01},
      {{false, true}, 0, 0x02},
      {{false, false}, AltDown, 0x04},
      {{true, true}, AltDown | 0x001E0001, 0x07},
      // Repeat count and scan code bits are no modifiers.
      {{false, false}, 0x001E0001, 0},
  };
  for (const TKeyCase& Case : Keys)
    EXPECT_EQ(EngineKeyModifiers(Case.Keys, Case.KeyData), Case.Bits) << Case.Bits;
}

TEST(FormModifiers, WheelIsHorizontalWithShift) {
  EXPECT_EQ(FormWheelDeltas({}, 120), (TWheelDeltas{0, 120}));
  EXPECT_EQ(FormWheelDeltas({ssCtrl}, -120), (TWheelDeltas{0, -120}));
  EXPECT_EQ(FormWheelDeltas({ssShift}, 120), (TWheelDeltas{120, 0}));
  EXPECT_EQ(FormWheelDeltas({ssShift, ssLeft}, -240), (TWheelDeltas{-240, 0}));
}

} // namespace
