// Text selection, search highlight and web links of the viewer's current page.
#include "viewer/PdfViewCtrl.h"

#include "engine/PdfUnicode.h"
#include "viewer/ClientRect.h"

#include <algorithm>
#include <cstdlib>

int TPdfControl::SelStart() const {
  if (!FSelectionActive || !HasValidPage())
    return 0;
  return std::min(FSelStartCharIndex, FSelStopCharIndex);
}

int TPdfControl::SelLength() const {
  if (!FSelectionActive || !HasValidPage())
    return 0;
  return std::abs(FSelStopCharIndex - FSelStartCharIndex) + 1;
}

void TPdfControl::ClearSelection() {
  ChangeSelection(false, 0, 0);
}

void TPdfControl::ChangeSelection(bool Active, int Start, int Stop) {
  if (Active == FSelectionActive && Start == FSelStartCharIndex && Stop == FSelStopCharIndex)
    return;
  const TPdfControlRectArray Old = SelectionClientRects();
  FSelStartCharIndex = Start;
  FSelStopCharIndex = Stop;
  FSelectionActive = Active && Start >= 0 && Stop >= 0;
  RepaintChangedRects(Old, SelectionClientRects());
}

TPdfControlRectArray TPdfControl::SelectionClientRects() {
  TPdfPage* Page = FSelectionActive ? ShownPage() : nullptr;
  if (!Page)
    return {};
  const int Count = Page->GetTextRectCount(SelStart(), SelLength());
  TPdfControlRectArray Result;
  for (int I = 0; I < Count; ++I)
    Result.push_back(MapPageRectToClient(*Page, Page->GetTextRect(I)));
  return Result;
}

void TPdfControl::RepaintChangedRects(const TPdfControlRectArray& Old,
                                      const TPdfControlRectArray& New) {
  const auto RepaintMissing = [this](const TPdfControlRectArray& From,
                                     const TPdfControlRectArray& In) {
    for (const TRect& R : From)
      if (std::find(In.begin(), In.end(), R) == In.end()) {
        const TRect N = NormalizedRect(R);
        RefreshRect(wxRect(N.Left, N.Top, N.Right - N.Left, N.Bottom - N.Top), false);
      }
  };
  RepaintMissing(Old, New);
  RepaintMissing(New, Old);
}

void TPdfControl::RepaintChangedPageRects(const TPdfControlPdfRectArray& Old,
                                          const TPdfControlPdfRectArray& New) {
  TPdfPage* Page = ShownPage();
  if (!Page)
    return;
  RepaintChangedRects(MapPageRectsToClient(*Page, Old), MapPageRectsToClient(*Page, New));
}

void TPdfControl::HightlightText(const std::string& SearchText, bool MatchCase,
                                 bool MatchWholeWord) {
  FHighlightText = Utf8ToUtf16(SearchText);
  FHighlightMatchCase = MatchCase;
  FHighlightMatchWholeWord = MatchWholeWord;
  CollectHighlights();
}

void TPdfControl::ClearHighlightText() {
  FHighlightText.clear();
  RepaintChangedPageRects(FHighlightTextRects, {});
  FHighlightTextRects.clear();
}

void TPdfControl::CollectHighlights() {
  TPdfControlPdfRectArray Old = std::move(FHighlightTextRects);
  FHighlightTextRects.clear();
  TPdfPage* Page = FHighlightText.empty() ? nullptr : ShownPage();
  if (Page &&
      Page->BeginFind(FHighlightText, FHighlightMatchCase, FHighlightMatchWholeWord, false)) {
    struct TEndFind {
      TPdfPage* Page;
      ~TEndFind() { Page->EndFind(); }
    } End{Page};
    int CharIndex = 0;
    int Count = 0;
    while (Page->FindNext(CharIndex, Count)) {
      const int Rects = Page->GetTextRectCount(CharIndex, Count);
      for (int I = 0; I < Rects; ++I)
        FHighlightTextRects.push_back(Page->GetTextRect(I));
    }
  }
  RepaintChangedPageRects(Old, FHighlightTextRects);
}

// The table is built when it is first asked for: a page turn in a window that never looks for links
// does not pay for the page's text.
void TPdfControl::CollectWebLinks() {
  FWebLinksRects.clear();
  FWebLinksCollected = false;
}

const std::vector<TPdfControlPdfRectArray>& TPdfControl::WebLinksRects() {
  if (FWebLinksCollected)
    return FWebLinksRects;
  FWebLinksCollected = true;
  TPdfPage* Page = ShownPage();
  const int Links = Page ? Page->GetWebLinkCount() : 0;
  for (int Link = 0; Link < Links; ++Link) {
    TPdfControlPdfRectArray Rects;
    const int Count = Page->GetWebLinkRectCount(Link);
    for (int I = 0; I < Count; ++I)
      Rects.push_back(Page->GetWebLinkRect(Link, I));
    FWebLinksRects.push_back(std::move(Rects));
  }
  return FWebLinksRects;
}
