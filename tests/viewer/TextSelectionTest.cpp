// The selection model on real pages of the engine, without a window: selecting text, words and
// lines, extending to a point, and the rectangles a change repaints.
#include "EngineTestSupport.h"
#include "TextFixture.h"

#include "engine/PdfUnicode.h"
#include "viewer/ClientRect.h"
#include "viewer/TextSelection.h"

#include <algorithm>

namespace {

std::string Utf8(const std::u16string& S) {
  return Utf16ToUtf8(S);
}

class TextSelection : public TEngineTest {
protected:
  // The 300 x 200 point pages drawn at 300 x 200 pixels: one pixel per point, y turned over.
  TShownPage Open(const char* File, int PageIndex = 0) {
    Document.LoadFromFile(TestData(File));
    return {Document.Pages(PageIndex), 0, 0, 300, 200, prNormal};
  }
  std::vector<TRect> TakeRepainted() { return std::exchange(Repainted, {}); }

  TPdfDocument Document;
  std::vector<TRect> Repainted;
  TTextSelection Selection{[this](const TRect& R) { Repainted.push_back(R); }};
};

struct TRange {
  bool Active;
  int Start, Length;
};

void ExpectRange(const TTextSelection& S, TRange Expected, const std::string& What) {
  EXPECT_EQ(S.Active(), Expected.Active) << What;
  EXPECT_EQ(S.SelStart(), Expected.Start) << What;
  EXPECT_EQ(S.SelLength(), Expected.Length) << What;
}

TEST_F(TextSelection, SelectTextBoundsAndCounts) {
  const TShownPage Page = Open("text.pdf");
  ASSERT_EQ(Page.Page->GetCharCount(), TextCount);
  const struct {
    int CharIndex, Count;
    TRange Expected;
  } Cases[] = {
      {5, 0, {false, 0, 0}},               // no characters: cleared
      {5, 1000, {true, 5, TextCount - 5}}, // cut at the end of the page
      {0, -1, {true, 0, TextCount}},       // to the end
      {6, 5, {true, 6, 5}},                // "World"
      {3, 1, {true, 3, 1}},                // one character has length 1
      {-4, 2, {false, 0, 0}},              // a negative start is not bounded: inactive
      {TextCount - 1, 5, {true, TextCount - 1, 1}},
      {7, 2147483647, {true, 7, TextCount - 7}}, // a count past every integer's end
      {0, -2147483647 - 1, {false, 0, 0}},       // and one before their start
  };
  for (const auto& C : Cases) {
    Selection.SelectText(Page, C.CharIndex, C.Count);
    ExpectRange(Selection, C.Expected, std::to_string(C.CharIndex) + "," + std::to_string(C.Count));
  }
  Selection.SelectText(Page, 6, 5);
  EXPECT_EQ(Utf8(Selection.SelText(Page.Page)), "World");
  EXPECT_EQ(Utf8(Selection.SelText(nullptr)), "") << "no page, no text";
  // A start far beyond the text selects back to its last character; only that is read.
  Selection.SelectText(Page, 2000000000, 5);
  EXPECT_EQ(Utf8(Selection.SelText(Page.Page)), "d");

  // Without a page the selection is cleared.
  Selection.SelectText({}, 0, 3);
  ExpectRange(Selection, {false, 0, 0}, "no page");
}

TEST_F(TextSelection, SelectAllOnAPageWithoutTextStaysInactive) {
  const TShownPage Page = Open("text-pages.pdf", 2);
  ASSERT_EQ(Page.Page->GetCharCount(), 0);
  Selection.SelectText(Page, 0, -1);
  ExpectRange(Selection, {false, 0, 0}, "select all");
  EXPECT_FALSE(Selection.SelectWord(Page, 0));
  EXPECT_FALSE(Selection.SelectLine(Page, 0));
}

TEST_F(TextSelection, WordsAndLines) {
  const TShownPage Page = Open("text.pdf");
  const struct {
    const char* What;
    bool Line;
    int CharIndex;
    bool Result;
    std::string Text;
  } Cases[] = {
      {"word in a word", false, 8, true, "World"},
      {"word on its first character", false, 0, true, "Hello"},
      {"word on the space between two", false, 5, true, "World"},
      {"word on a line break: the next line's first word", false, int(Line1.size()), true, "Visit"},
      {"word with its punctuation", false, Line2Start + 8, true, "https://example.com/quolsa"},
      {"word on the last character", false, TextCount - 1, true, "Helloworld"},
      {"word before the text", false, -1, false, ""},
      {"word past the text", false, TextCount, false, ""},
      {"line from its middle", true, Line2Start + 10, true, Utf8(Line2)},
      {"first line", true, 0, true, Utf8(Line1)},
      {"last line", true, TextCount - 1, true, Utf8(Line3)},
      {"line past the text", true, TextCount, false, ""},
  };
  for (const auto& C : Cases) {
    Selection.SelectText(Page, 0, 2); // something to clear
    const bool Result =
        C.Line ? Selection.SelectLine(Page, C.CharIndex) : Selection.SelectWord(Page, C.CharIndex);
    EXPECT_EQ(Result, C.Result) << C.What;
    EXPECT_EQ(Utf8(Selection.SelText(Page.Page)), C.Text) << C.What;
    EXPECT_EQ(Selection.Active(), C.Result) << C.What;
  }
}

TEST_F(TextSelection, TrailingWhiteSpaceAndALineWithoutBreaks) {
  const TShownPage Page = Open("text-pages.pdf", 1);
  const std::u16string Text = Page.Page->ReadText(0, Page.Page->GetCharCount());
  // The engine reads the spaces that end the line as one.
  ASSERT_EQ(Utf8(Text), "one fox on a line ");
  // On the space that ends the page there is no next word.
  EXPECT_FALSE(Selection.SelectWord(Page, int(Text.size()) - 1));
  EXPECT_FALSE(Selection.Active());
  // The page's only line, from its first character: the whole text.
  EXPECT_TRUE(Selection.SelectLine(Page, 0));
  EXPECT_EQ(Selection.SelText(Page.Page), Text);
}

TEST_F(TextSelection, WhiteSpaceAndLineBreakCharacters) {
  for (const char16_t C :
       {u'\t', u'\n', u'\v', u'\f', u'\r', u' ', u'\u0085', u'\u00A0', u'\u1680', u'\u2000',
        u'\u200A', u'\u2028', u'\u2029', u'\u202F', u'\u205F', u'\u3000'})
    EXPECT_TRUE(IsWordSpace(C)) << int(C);
  // Letters, controls that are no spaces, format characters and the Latin-1 letters around
  // U+00A0.
  for (const char16_t C : {u'a', u'\0', u'\x08', u'\x0E', u'\x1F', u'\u0084', u'\u00A1', u'\u00FF',
                           u'\u180E', u'\u200B', u'\u2060', u'\uFEFF', u'\u3001'})
    EXPECT_FALSE(IsWordSpace(C)) << int(C);
  EXPECT_TRUE(IsLineBreak(u'\n'));
  EXPECT_TRUE(IsLineBreak(u'\r'));
  for (const char16_t C : {u' ', u'\v', u'\f', u'\u0085', u'\u2028', u'\u2029'})
    EXPECT_FALSE(IsLineBreak(C)) << int(C);
}

TEST_F(TextSelection, ChangesRepaintOnlyWhatDiffers) {
  const TShownPage Page = Open("text.pdf");
  // "World" is one rectangle: selecting it repaints it.
  Selection.ChangeSelection(Page, true, 6, 10);
  const std::vector<TRect> World = Selection.SelectionClientRects(Page);
  ASSERT_EQ(World.size(), 1u);
  EXPECT_EQ(TakeRepainted(), World);
  // The same selection again: nothing.
  Selection.ChangeSelection(Page, true, 6, 10);
  EXPECT_TRUE(TakeRepainted().empty());
  // Growing over the line break: the old rectangle and the new ones that differ.
  Selection.ChangeSelection(Page, true, 6, Line2Start + 4);
  const std::vector<TRect> Grown = Selection.SelectionClientRects(Page);
  ASSERT_GE(Grown.size(), 2u);
  EXPECT_EQ(TakeRepainted(), ChangedRects(World, Grown));
  // Inactive with the same indices: everything goes.
  Selection.ChangeSelection(Page, false, 6, Line2Start + 4);
  EXPECT_EQ(TakeRepainted(), Grown);
  EXPECT_EQ(Selection.Anchor(), 6) << "the anchor stays while inactive";
  EXPECT_EQ(Selection.Stop(), Line2Start + 4);
  // Reset forgets without painting.
  Selection.ChangeSelection(Page, true, 0, 3);
  TakeRepainted();
  Selection.Reset();
  EXPECT_TRUE(TakeRepainted().empty());
  ExpectRange(Selection, {false, 0, 0}, "reset");
}

TEST_F(TextSelection, ChangedRectsKeepsOrderAndSkipsShared) {
  const TRect A{0, 0, 10, 10}, B{10, 0, 20, 10}, C{0, 10, 10, 20};
  EXPECT_EQ(ChangedRects({A, B}, {B, C}), (std::vector<TRect>{A, C}));
  EXPECT_EQ(ChangedRects({A, B}, {A, B}), std::vector<TRect>{});
  EXPECT_EQ(ChangedRects({}, {C, A}), (std::vector<TRect>{C, A}));
  // Equal means equal in all four coordinates.
  EXPECT_EQ(ChangedRects({A}, {TRect{0, 0, 10, 11}}), (std::vector<TRect>{A, {0, 0, 10, 11}}));
}

// A point inside the character's box on screen, and one beside it that still picks it.
struct TCharPoints {
  TPoint Inside, Beside;
};

TCharPoints PointsOf(const TShownPage& Page, int CharIndex) {
  const TRect Box = NormalizedRect(Page.ToClient(Page.Page->GetCharBox(CharIndex)));
  return {{(Box.Left + Box.Right) / 2, (Box.Top + Box.Bottom) / 2},
          {(Box.Left + Box.Right) / 2, Box.Top - 2}};
}

TEST_F(TextSelection, ExtendingToThePointAndTheExclusiveOrOnTheAnchor) {
  const TShownPage Page = Open("text.pdf");
  const TCharPoints W = PointsOf(Page, 6); // "W" of "World"
  ASSERT_EQ(Page.NearestCharIndex(W.Inside.X, W.Inside.Y), 6);
  ASSERT_EQ(Page.NearestCharIndex(W.Beside.X, W.Beside.Y), 6);
  const TPoint D = PointsOf(Page, 10).Inside; // "d"

  const struct {
    const char* What;
    TPoint Press, Release;
    TRange Expected;
  } Cases[] = {
      {"press and release on the same character", W.Inside, W.Inside, {false, 0, 0}},
      {"press and release beside it", W.Beside, W.Beside, {false, 0, 0}},
      {"press beside, release inside: the box edge was crossed", W.Beside, W.Inside, {true, 6, 1}},
      {"press inside, release beside", W.Inside, W.Beside, {true, 6, 1}},
      {"forward drag", W.Inside, D, {true, 6, 5}},
  };
  for (const auto& C : Cases) {
    Selection.ChangeSelection(Page, false, 6, 6); // the press sets the anchor
    EXPECT_TRUE(Selection.ExtendSelectionToPoint(Page, C.Press, C.Release.X, C.Release.Y))
        << C.What;
    ExpectRange(Selection, C.Expected, C.What);
  }

  // A backward drag: the anchor stays where the drag began, SelStart is the smaller index.
  Selection.ChangeSelection(Page, false, 10, 10);
  const TPoint H = PointsOf(Page, 0).Inside;
  Selection.ExtendSelectionToPoint(Page, D, H.X, H.Y);
  ExpectRange(Selection, {true, 0, 11}, "backward drag");
  EXPECT_EQ(Selection.Anchor(), 10);
  EXPECT_EQ(Selection.Stop(), 0);
  EXPECT_EQ(Utf8(Selection.SelText(Page.Page)), "Hello World");

  // Far below the text the nearest character is still found.
  EXPECT_TRUE(Selection.ExtendSelectionToPoint(Page, D, 150, 199));
  EXPECT_EQ(Selection.Stop(), TextCount - 1);
}

TEST_F(TextSelection, NothingToFindOnAPageWithoutText) {
  const TShownPage Page = Open("text-pages.pdf", 2);
  Selection.ChangeSelection(Page, false, 3, 3);
  EXPECT_FALSE(Selection.ExtendSelectionToPoint(Page, {10, 10}, 50, 50));
  EXPECT_EQ(Selection.Stop(), 3) << "the end stays where it was";
  EXPECT_FALSE(Selection.ExtendSelectionToPoint({}, {10, 10}, 50, 50)) << "no page";
}

} // namespace
