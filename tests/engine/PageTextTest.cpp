// Page text, search and web links against the text page our fixture script writes: three lines of
// Helvetica on a 300 x 200 page, the second with a web address in it.
#include "EngineTestSupport.h"

namespace {

// The lines of text.pdf, as the engine reads them: joined by CR LF.
const std::u16string Line1 = u"Hello World";                            // 20 pt, baseline 160
const std::u16string Line2 = u"Visit https://example.com/quolsa today"; // 10 pt, baseline 120
const std::u16string Line3 = u"hello HELLO Helloworld";                 // 12 pt, baseline 80
const std::u16string AllText = Line1 + u"\r\n" + Line2 + u"\r\n" + Line3;
const int Line2Start = int(Line1.size()) + 2;
const int Line3Start = Line2Start + int(Line2.size()) + 2;

std::string Utf8(const std::u16string& S) {
  return Utf16ToUtf8(S);
}

// The engine adds the space next to a word whose end lies at the rectangle's edge.
std::string Trimmed(const std::u16string& S) {
  const std::size_t First = S.find_first_not_of(u' ');
  if (First == std::u16string::npos)
    return {};
  return Utf8(S.substr(First, S.find_last_not_of(u' ') - First + 1));
}

class PageText : public TEngineTest {
protected:
  TPdfPage* Open(const char* File = "text.pdf") {
    Document.LoadFromFile(TestData(File));
    return Document.Pages(0);
  }
  // Every hit of a search, in the order the steps find them.
  static std::vector<std::pair<int, int>> Hits(TPdfPage* Page, bool Backwards) {
    std::vector<std::pair<int, int>> Result;
    int CharIndex = -1, Count = -1;
    while (Backwards ? Page->FindPrev(CharIndex, Count) : Page->FindNext(CharIndex, Count))
      Result.emplace_back(CharIndex, Count);
    EXPECT_EQ(CharIndex, 0);
    EXPECT_EQ(Count, 0);
    return Result;
  }
  TPdfDocument Document;
};

void ExpectRectNear(const TPdfRect& Actual, const TPdfRect& Expected, double Tolerance) {
  EXPECT_NEAR(Actual.Left, Expected.Left, Tolerance);
  EXPECT_NEAR(Actual.Top, Expected.Top, Tolerance);
  EXPECT_NEAR(Actual.Right, Expected.Right, Tolerance);
  EXPECT_NEAR(Actual.Bottom, Expected.Bottom, Tolerance);
}

TEST_F(PageText, CharactersOfTheKnownLines) {
  TPdfPage* Page = Open();
  ASSERT_NE(Page->TextHandle(), nullptr);
  ASSERT_EQ(Page->GetCharCount(), int(AllText.size()));
  EXPECT_EQ(Utf8(Page->ReadText(0, Page->GetCharCount())), Utf8(AllText));
  for (int I = 0; I < int(Line1.size()); ++I)
    EXPECT_EQ(Page->ReadChar(I), Line1[I]) << I;
  EXPECT_EQ(Page->ReadChar(Line2Start), u'V');
  EXPECT_EQ(Page->GetCharFontSize(0), 20.0);
  EXPECT_EQ(Page->GetCharFontSize(Line2Start), 10.0);
  EXPECT_EQ(Page->GetCharFontSize(Line3Start), 12.0);

  // "H" of Helvetica (glyph box 79 0 643 718 per 1000) at 20 pt from (20, 160).
  ExpectRectNear(Page->GetCharBox(0), {20 + 1.58, 160 + 14.36, 20 + 12.86, 160}, 0.1);
  // The boxes of a line follow each other from left to right on its baseline.
  for (int I = 1; I < int(Line1.size()); ++I) {
    const TPdfRect Prev = Page->GetCharBox(I - 1), Box = Page->GetCharBox(I);
    EXPECT_GT(Box.Left, Prev.Right - 0.01) << I;
    EXPECT_NEAR(Box.Bottom, 160, 0.5) << I;
    EXPECT_LE(Box.Top, 160 + 20) << I;
  }
  EXPECT_EQ(Page->GetCharIndexAt(25, 165, 2, 2), 0);
  EXPECT_EQ(Page->GetCharIndexAt(Page->GetCharBox(Line2Start + 1).Left + 0.3, 123, 1, 1),
            Line2Start + 1);
  // No character near: the engine's answer is passed on.
  EXPECT_EQ(Page->GetCharIndexAt(250, 20, 2, 2), -1);
}

TEST_F(PageText, ReadTextTakesWhatExists) {
  TPdfPage* Page = Open();
  const int Count = Page->GetCharCount();
  EXPECT_EQ(Utf8(Page->ReadText(6, 5)), "World");
  EXPECT_EQ(Utf8(Page->ReadText(6, 8)), "World\r\nV");
  // At the end of the page only the characters that exist come back.
  EXPECT_EQ(Utf8(Page->ReadText(Count - 5, 10)), "world");
  EXPECT_EQ(Utf8(Page->ReadText(Count - 1, 1)), "d");
  EXPECT_EQ(Page->ReadText(Count, 4), u"");
  // A count far beyond the text is bounded by it, whatever the start.
  const std::u16string Last = Page->ReadText(Count - 1, 2147483647);
  EXPECT_EQ(Utf8(Last), "d");
  EXPECT_LT(Last.capacity(), 1024u);
  EXPECT_EQ(Page->ReadText(-3, 2147483647), u"");
  EXPECT_EQ(Page->ReadText(0, 0), u"");
  EXPECT_EQ(Page->ReadText(0, -5), u"");
}

TEST_F(PageText, TextInsideARectangle) {
  TPdfPage* Page = Open();
  // Around "Hello" of the first line, short of the space behind it.
  EXPECT_EQ(Trimmed(Page->GetTextAt(18, 178, 64, 156)), "Hello");
  EXPECT_EQ(Trimmed(Page->GetTextAt(TPdfRect{70, 178, 124, 156})), "World");
  // Around the address.
  const TPdfRect Url{Page->GetCharBox(Line2Start + 6).Left - 0.5, 130,
                     Page->GetCharBox(Line2Start + 31).Right + 0.5, 116};
  EXPECT_EQ(Trimmed(Page->GetTextAt(Url)), "https://example.com/quolsa");
  // Nothing there.
  EXPECT_EQ(Page->GetTextAt(200, 60, 290, 10), u"");
}

TEST_F(PageText, RectanglesOfACharacterRange) {
  TPdfPage* Page = Open();
  // One line: one rectangle from the first box's left to the last box's right.
  ASSERT_EQ(Page->GetTextRectCount(0, int(Line1.size())), 1);
  const TPdfRect Line = Page->GetTextRect(0);
  EXPECT_NEAR(Line.Left, Page->GetCharBox(0).Left, 0.01);
  EXPECT_NEAR(Line.Right, Page->GetCharBox(int(Line1.size()) - 1).Right, 0.01);
  EXPECT_GT(Line.Top, Line.Bottom);
  EXPECT_NEAR(Line.Bottom, 160, 0.5);
  // "World" of line 1 to "Visit" of line 2: a rectangle on each baseline.
  ASSERT_EQ(Page->GetTextRectCount(6, Line2Start + 5 - 6), 2);
  EXPECT_NEAR(Page->GetTextRect(0).Left, Page->GetCharBox(6).Left, 0.01);
  EXPECT_NEAR(Page->GetTextRect(0).Bottom, 160, 0.5);
  EXPECT_NEAR(Page->GetTextRect(1).Left, Page->GetCharBox(Line2Start).Left, 0.01);
  EXPECT_NEAR(Page->GetTextRect(1).Right, Page->GetCharBox(Line2Start + 4).Right, 0.01);
  EXPECT_NEAR(Page->GetTextRect(1).Bottom, 120, 0.5);
}

TEST_F(PageText, SearchWithCaseAndWholeWordOptions) {
  TPdfPage* Page = Open();
  const std::pair<int, int> First{0, 5}, Lower{Line3Start, 5}, Upper{Line3Start + 6, 5},
      Joined{Line3Start + 12, 5};
  struct TCase {
    bool MatchCase, WholeWord;
    std::vector<std::pair<int, int>> Expected;
  } Cases[] = {
      {false, false, {First, Lower, Upper, Joined}},
      {true, false, {First, Joined}},
      {false, true, {First, Lower, Upper}},
      {true, true, {First}},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(testing::Message() << "case " << Case.MatchCase << " word " << Case.WholeWord);
    ASSERT_TRUE(Page->BeginFind(u"Hello", Case.MatchCase, Case.WholeWord, false));
    EXPECT_EQ(Hits(Page, false), Case.Expected);
  }
  // From the end, backwards from the last hit.
  ASSERT_TRUE(Page->BeginFind(u"hello", false, false, true));
  EXPECT_EQ(Hits(Page, true), (std::vector<std::pair<int, int>>{Joined, Upper, Lower, First}));
  // A hit's range reads back as the text found.
  ASSERT_TRUE(Page->BeginFind(u"example.com", false, false, false));
  int CharIndex = 0, Count = 0;
  ASSERT_TRUE(Page->FindNext(CharIndex, Count));
  EXPECT_EQ(Utf8(Page->ReadText(CharIndex, Count)), "example.com");
  ASSERT_TRUE(Page->BeginFind(u"absent", false, false, false));
  EXPECT_TRUE(Hits(Page, false).empty());
}

TEST_F(PageText, NoSearchWithoutBeginFindOrAfterItsEnd) {
  TPdfPage* Page = Open();
  int CharIndex = -1, Count = -1;
  EXPECT_FALSE(Page->FindNext(CharIndex, Count));
  EXPECT_EQ(CharIndex, 0);
  EXPECT_EQ(Count, 0);
  ASSERT_TRUE(Page->BeginFind(u"Hello", false, false, false));
  Page->EndFind();
  Page->EndFind();
  EXPECT_FALSE(Page->FindNext(CharIndex, Count));
  // A search does not survive the page's Close; the text comes back with the reopened page.
  ASSERT_TRUE(Page->BeginFind(u"Hello", false, false, false));
  Page->Close();
  EXPECT_FALSE(Page->IsLoaded());
  EXPECT_FALSE(Page->FindPrev(CharIndex, Count));
  EXPECT_EQ(Page->GetCharCount(), int(AllText.size()));
  EXPECT_TRUE(Page->IsLoaded());
}

TEST_F(PageText, WebLinksFoundInThePageText) {
  TPdfPage* Page = Open();
  ASSERT_EQ(Page->GetWebLinkCount(), 1);
  EXPECT_EQ(Utf8(Page->GetWebLinkURL(0)), "https://example.com/quolsa");
  ASSERT_EQ(Page->GetWebLinkRectCount(0), 1);
  // The rectangle covers the address's characters, "h" to "a", on the second line.
  const TPdfRect Link = Page->GetWebLinkRect(0, 0);
  EXPECT_NEAR(Link.Left, Page->GetCharBox(Line2Start + 6).Left, 0.01);
  EXPECT_NEAR(Link.Right, Page->GetCharBox(Line2Start + 31).Right, 0.01);
  EXPECT_GT(Link.Top, 125);
  EXPECT_LT(Link.Bottom, 120);
  // Indices outside the list get the engine's answers.
  EXPECT_EQ(Page->GetWebLinkURL(1), u"");
  EXPECT_EQ(Page->GetWebLinkRectCount(1), 0);
  EXPECT_EQ(Page->GetWebLinkRect(1, 0), TPdfRect{});
  // The list comes again after the page was closed.
  Page->Close();
  EXPECT_EQ(Page->GetWebLinkCount(), 1);
}

TEST_F(PageText, PageWithoutTextAnswersEmptyEverywhere) {
  TPdfPage* Page = Open("one-page.pdf");
  EXPECT_EQ(Page->GetCharCount(), 0);
  EXPECT_EQ(Page->ReadText(0, 10), u"");
  EXPECT_EQ(Page->GetTextAt(0, 300, 200, 0), u"");
  EXPECT_EQ(Page->GetTextRectCount(0, 10), 0);
  EXPECT_EQ(Page->GetWebLinkCount(), 0);
  EXPECT_EQ(Page->GetWebLinkURL(0), u"");
  EXPECT_EQ(Page->GetWebLinkRectCount(0), 0);
  Page->BeginFind(u"Hello", false, false, false);
  int CharIndex = -1, Count = -1;
  EXPECT_FALSE(Page->FindNext(CharIndex, Count));
  EXPECT_EQ(CharIndex, 0);
  EXPECT_EQ(Count, 0);
}

} // namespace
