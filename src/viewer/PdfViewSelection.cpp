// Text selection, search highlight, web links and the clipboard of the viewer's current page.
#include "viewer/PdfViewCtrl.h"

#include "engine/PdfUnicode.h"
#include "viewer/ClientRect.h"

#include "viewer/TextClipboard.h"

TShownPage TPdfControl::Shown() {
  return {ShownPage(), FDrawX, FDrawY, FDrawWidth, FDrawHeight, FRotation};
}

int TPdfControl::SelStart() const {
  return HasValidPage() ? FSelection.SelStart() : 0;
}

int TPdfControl::SelLength() const {
  return HasValidPage() ? FSelection.SelLength() : 0;
}

std::u16string TPdfControl::SelText() {
  return FSelection.SelText(ShownPage());
}

void TPdfControl::ClearSelection() {
  ChangeSelection(false, 0, 0);
}

void TPdfControl::SelectAll() {
  SelectText(0, -1);
}

void TPdfControl::SelectText(int CharIndex, int Count) {
  FSelection.SelectText(Shown(), CharIndex, Count);
}

bool TPdfControl::SelectWord(int CharIndex) {
  return FSelection.SelectWord(Shown(), CharIndex);
}

bool TPdfControl::SelectLine(int CharIndex) {
  return FSelection.SelectLine(Shown(), CharIndex);
}

void TPdfControl::ChangeSelection(bool Active, int Start, int Stop) {
  FSelection.ChangeSelection(Shown(), Active, Start, Stop);
}

bool TPdfControl::ExtendSelectionToPoint(int X, int Y) {
  return FSelection.ExtendSelectionToPoint(Shown(), FMouseDownPt, X, Y);
}

std::u16string TPdfControl::GetTextInRect(const TRect& R) {
  TPdfPage* Page = ShownPage();
  return Page ? Page->GetTextAt(DeviceToPage(R)) : std::u16string();
}

void TPdfControl::RepaintClientRect(const TRect& R) {
  const TRect N = NormalizedRect(R);
  RefreshRect(wxRect(N.Left, N.Top, N.Right - N.Left, N.Bottom - N.Top), false);
}

void TPdfControl::RepaintChangedRects(const TPdfControlRectArray& Old,
                                      const TPdfControlRectArray& New) {
  for (const TRect& R : ChangedRects(Old, New))
    RepaintClientRect(R);
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

int TPdfControl::WebLinkIndexAtPoint(int X, int Y) {
  TPdfPage* Page = ShownPage();
  if (!Page)
    return -1;
  const std::vector<TPdfControlPdfRectArray>& Links = WebLinksRects();
  for (int Link = 0; Link < int(Links.size()); ++Link)
    for (const TPdfRect& R : Links[Link])
      if (PtInRect(NormalizedRect(MapPageRectToClient(*Page, R)), X, Y))
        return Link;
  return -1;
}

bool TPdfControl::IsWebLinkAt(int X, int Y) {
  return WebLinkIndexAtPoint(X, Y) != -1;
}

bool TPdfControl::IsWebLinkAt(int X, int Y, std::string& Url) {
  const int Link = WebLinkIndexAtPoint(X, Y);
  TPdfPage* Page = Link != -1 ? ShownPage() : nullptr;
  Url = Page ? Utf16ToUtf8(Page->GetWebLinkURL(Link)) : std::string();
  return Link != -1;
}

// Clipboard
// -----------------------------------------------------------------------------------------

void TPdfControl::CopyToClipboard() {
  SetClipboardText(SelText());
}

void TPdfControl::CopyFormTextToClipboard() {
  TPdfPage* Page = FFormFieldFocused ? ShownPage() : nullptr;
  if (!Page)
    return;
  const std::u16string Text = Page->FormGetSelectedText();
  if (!Text.empty())
    SetClipboardText(Text);
}

void TPdfControl::CutFormTextToClipboard() {
  TPdfPage* Page = FFormFieldFocused ? ShownPage() : nullptr;
  if (!Page)
    return;
  CopyFormTextToClipboard();
  Page->FormReplaceSelection(u"");
}

void TPdfControl::PasteFormTextFromClipboard() {
  TPdfPage* Page = FFormFieldFocused ? ShownPage() : nullptr;
  if (!Page)
    return;
  if (const std::optional<std::u16string> Text = ClipboardText())
    Page->FormReplaceSelection(*Text);
}

void TPdfControl::SelectAllFormText() {
  if (TPdfPage* Page = FFormFieldFocused ? ShownPage() : nullptr)
    Page->FormSelectAllText();
}
