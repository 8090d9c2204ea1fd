// The text, search and web-link operations of a page.
#include "engine/PdfPage.h"

#include <algorithm>

namespace {

// The engine's search flags and start index.
constexpr unsigned long MatchCaseFlag = 1;
constexpr unsigned long MatchWholeWordFlag = 2;
constexpr int SearchFromEnd = -1;

} // namespace

bool TPdfPage::HasTextPage() {
  if (!FTextHandle) {
    ReopenIfClosed();
    FTextHandle.reset(FPDFText_LoadPage(FPage.get()));
  }
  return FTextHandle != nullptr;
}

bool TPdfPage::HasLinks() {
  if (!FLinkHandle && HasTextPage())
    FLinkHandle.reset(FPDFLink_LoadWebLinks(FTextHandle.get()));
  return FLinkHandle != nullptr;
}

FPDF_TEXTPAGE TPdfPage::TextHandle() {
  return HasTextPage() ? FTextHandle.get() : nullptr;
}

int TPdfPage::GetCharCount() {
  return HasTextPage() ? FPDFText_CountChars(FTextHandle.get()) : 0;
}

char16_t TPdfPage::ReadChar(int CharIndex) {
  return HasTextPage() ? static_cast<char16_t>(FPDFText_GetUnicode(FTextHandle.get(), CharIndex))
                       : u'\0';
}

double TPdfPage::GetCharFontSize(int CharIndex) {
  return HasTextPage() ? FPDFText_GetFontSize(FTextHandle.get(), CharIndex) : 0.0;
}

TPdfRect TPdfPage::GetCharBox(int CharIndex) {
  TPdfRect Result;
  if (HasTextPage())
    FPDFText_GetCharBox(FTextHandle.get(), CharIndex, &Result.Left, &Result.Right, &Result.Bottom,
                        &Result.Top);
  return Result;
}

int TPdfPage::GetCharIndexAt(double PageX, double PageY, double ToleranceX, double ToleranceY) {
  return HasTextPage()
             ? FPDFText_GetCharIndexAtPos(FTextHandle.get(), PageX, PageY, ToleranceX, ToleranceY)
             : 0;
}

std::u16string TPdfPage::ReadText(int CharIndex, int Count) {
  if (Count <= 0 || CharIndex < 0 || !HasTextPage())
    return {};
  // Only what exists is asked for: a count beyond the text would size the buffer for nothing.
  Count = std::min(Count, GetCharCount() - CharIndex);
  if (Count <= 0)
    return {};
  // The engine writes a terminator behind the characters.
  std::u16string Result(static_cast<std::size_t>(Count), u'\0');
  const int Written = FPDFText_GetText(FTextHandle.get(), CharIndex, Count, Result.data());
  if (Written - 1 <= 0)
    return {};
  if (Written - 1 < Count)
    Result.resize(static_cast<std::size_t>(Written - 1));
  return Result;
}

std::u16string TPdfPage::GetTextAt(double Left, double Top, double Right, double Bottom) {
  if (!HasTextPage())
    return {};
  const int Length =
      FPDFText_GetBoundedText(FTextHandle.get(), Left, Top, Right, Bottom, nullptr, 0);
  if (Length <= 0)
    return {};
  std::u16string Result(static_cast<std::size_t>(Length), u'\0');
  const int Written =
      FPDFText_GetBoundedText(FTextHandle.get(), Left, Top, Right, Bottom, Result.data(), Length);
  Result.resize(static_cast<std::size_t>(std::clamp(Written, 0, Length)));
  return Result;
}

std::u16string TPdfPage::GetTextAt(const TPdfRect& R) {
  return GetTextAt(R.Left, R.Top, R.Right, R.Bottom);
}

int TPdfPage::GetTextRectCount(int CharIndex, int Count) {
  return HasTextPage() ? FPDFText_CountRects(FTextHandle.get(), CharIndex, Count) : 0;
}

TPdfRect TPdfPage::GetTextRect(int RectIndex) {
  TPdfRect Result;
  if (HasTextPage())
    FPDFText_GetRect(FTextHandle.get(), RectIndex, &Result.Left, &Result.Top, &Result.Right,
                     &Result.Bottom);
  return Result;
}

bool TPdfPage::BeginFind(const std::u16string& SearchString, bool MatchCase, bool MatchWholeWord,
                         bool FromEnd) {
  EndFind();
  if (!HasTextPage())
    return false;
  const unsigned long Flags =
      (MatchCase ? MatchCaseFlag : 0) | (MatchWholeWord ? MatchWholeWordFlag : 0);
  FSearchHandle.reset(FPDFText_FindStart(FTextHandle.get(), SearchString.c_str(), Flags,
                                         FromEnd ? SearchFromEnd : 0));
  return FSearchHandle != nullptr;
}

bool TPdfPage::FindStep(TFPDFText_FindNext Step, int& CharIndex, int& Count) {
  CharIndex = 0;
  Count = 0;
  if (!FSearchHandle || !Step(FSearchHandle.get()))
    return false;
  CharIndex = FPDFText_GetSchResultIndex(FSearchHandle.get());
  Count = FPDFText_GetSchCount(FSearchHandle.get());
  return true;
}

bool TPdfPage::FindNext(int& CharIndex, int& Count) {
  return FindStep(FPDFText_FindNext, CharIndex, Count);
}

bool TPdfPage::FindPrev(int& CharIndex, int& Count) {
  return FindStep(FPDFText_FindPrev, CharIndex, Count);
}

void TPdfPage::EndFind() {
  FSearchHandle.reset();
}

int TPdfPage::GetWebLinkCount() {
  return HasLinks() ? std::max(FPDFLink_CountWebLinks(FLinkHandle.get()), 0) : 0;
}

std::u16string TPdfPage::GetWebLinkURL(int LinkIndex) {
  if (!HasLinks())
    return {};
  const int Length = FPDFLink_GetURL(FLinkHandle.get(), LinkIndex, nullptr, 0);
  if (Length - 1 <= 0)
    return {};
  // Room for the terminator the engine writes.
  std::u16string Result(static_cast<std::size_t>(Length - 1), u'\0');
  FPDFLink_GetURL(FLinkHandle.get(), LinkIndex, Result.data(), Length);
  return Result;
}

int TPdfPage::GetWebLinkRectCount(int LinkIndex) {
  return HasLinks() ? FPDFLink_CountRects(FLinkHandle.get(), LinkIndex) : 0;
}

TPdfRect TPdfPage::GetWebLinkRect(int LinkIndex, int RectIndex) {
  TPdfRect Result;
  if (HasLinks())
    FPDFLink_GetRect(FLinkHandle.get(), LinkIndex, RectIndex, &Result.Left, &Result.Top,
                     &Result.Right, &Result.Bottom);
  return Result;
}
