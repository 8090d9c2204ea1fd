#include "viewer/TextSelection.h"

#include "engine/PdfPage.h"
#include "viewer/ClientRect.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// Tolerance in page units when a press or drag picks a character: any point on the page picks
// the nearest one.
constexpr double NearestTolerance = 65535;

// The separators above U+00FF: Ogham space mark, the spaces U+2000 to U+200A, line and paragraph
// separator, narrow no-break space, medium mathematical space, ideographic space.
bool IsSeparatorAboveLatin1(char16_t C) {
  return C == 0x1680 || (C >= 0x2000 && C <= 0x200A) || C == 0x2028 || C == 0x2029 || C == 0x202F ||
         C == 0x205F || C == 0x3000;
}

} // namespace

TRect TShownPage::ToClient(const TPdfRect& R) const {
  return Page ? Page->PageToDevice(X, Y, Width, Height, R, Rotation) : TRect{};
}

TPdfPoint TShownPage::ToPage(int ClientX, int ClientY) const {
  return Page ? Page->DeviceToPage(X, Y, Width, Height, ClientX, ClientY, Rotation) : TPdfPoint{};
}

int TShownPage::NearestCharIndex(int ClientX, int ClientY) const {
  if (!Page)
    return -1;
  const TPdfPoint At = ToPage(ClientX, ClientY);
  return Page->GetCharIndexAt(At.X, At.Y, NearestTolerance, NearestTolerance);
}

bool IsWordSpace(char16_t C) {
  return (C >= 0x09 && C <= 0x0D) || C == 0x20 || C == 0x85 || C == 0xA0 ||
         (C > 0xFF && IsSeparatorAboveLatin1(C));
}

bool IsLineBreak(char16_t C) {
  return C == u'\n' || C == u'\r';
}

TTextSelection::TTextSelection(std::function<void(const TRect&)> Repaint)
    : FRepaint(std::move(Repaint)) {}

int TTextSelection::SelStart() const {
  return FSelectionActive ? std::min(FSelStartCharIndex, FSelStopCharIndex) : 0;
}

int TTextSelection::SelLength() const {
  return FSelectionActive ? std::abs(FSelStopCharIndex - FSelStartCharIndex) + 1 : 0;
}

std::u16string TTextSelection::SelText(TPdfPage* Page) const {
  if (!FSelectionActive || !Page)
    return {};
  return Page->ReadText(SelStart(), SelLength());
}

void TTextSelection::Reset() {
  FSelStartCharIndex = 0;
  FSelStopCharIndex = 0;
  FSelectionActive = false;
}

void TTextSelection::ChangeSelection(const TShownPage& Shown, bool Active, int Start, int Stop) {
  if (Active == FSelectionActive && Start == FSelStartCharIndex && Stop == FSelStopCharIndex)
    return;
  const TPdfControlRectArray Old = SelectionClientRects(Shown);
  FSelStartCharIndex = Start;
  FSelStopCharIndex = Stop;
  FSelectionActive = Active && Start >= 0 && Stop >= 0;
  for (const TRect& R : ChangedRects(Old, SelectionClientRects(Shown)))
    FRepaint(R);
}

void TTextSelection::SelectText(const TShownPage& Shown, int CharIndex, int Count) {
  if (Count == 0 || !Shown.Page) {
    ChangeSelection(Shown, false, 0, 0);
    return;
  }
  const int Last = Shown.Page->GetCharCount() - 1;
  if (Count == -1)
    ChangeSelection(Shown, true, 0, Last);
  else
    // The end is worked out wide: a count near either end of the integers must not wrap. An end
    // before the first character leaves the selection inactive.
    ChangeSelection(
        Shown, true, CharIndex,
        static_cast<int>(std::clamp<std::int64_t>(std::int64_t(CharIndex) + Count - 1, -1, Last)));
}

bool TTextSelection::SelectWord(const TShownPage& Shown, int CharIndex) {
  return SelectBetween(Shown, CharIndex, IsWordSpace, true);
}

bool TTextSelection::SelectLine(const TShownPage& Shown, int CharIndex) {
  return SelectBetween(Shown, CharIndex, IsLineBreak, false);
}

bool TTextSelection::SelectBetween(const TShownPage& Shown, int CharIndex,
                                   bool (*IsSeparator)(char16_t), bool SkipSeparators) {
  if (!Shown.Page)
    return false;
  ChangeSelection(Shown, false, 0, 0);
  TPdfPage& Page = *Shown.Page;
  const int Count = Page.GetCharCount();
  if (CharIndex < 0 || CharIndex >= Count)
    return false;
  int I = CharIndex;
  while (SkipSeparators && I < Count && IsSeparator(Page.ReadChar(I)))
    ++I;
  if (I == Count)
    return false;
  int Start = I;
  while (Start - 1 >= 0 && !IsSeparator(Page.ReadChar(Start - 1)))
    --Start;
  int Stop = I;
  while (Stop + 1 < Count && !IsSeparator(Page.ReadChar(Stop + 1)))
    ++Stop;
  ChangeSelection(Shown, true, Start, Stop);
  return true;
}

bool TTextSelection::ExtendSelectionToPoint(const TShownPage& Shown, TPoint Press, int X, int Y) {
  if (!Shown.Page)
    return false;
  const int Index = Shown.NearestCharIndex(X, Y);
  const int Stop = Index >= 0 ? Index : FSelStopCharIndex;
  bool Active = true;
  if (Stop == FSelStartCharIndex) {
    // Rotated pages map the box with swapped corners; inside is tested on the pixels it covers.
    const TRect Box = NormalizedRect(Shown.ToClient(Shown.Page->GetCharBox(FSelStartCharIndex)));
    Active = PtInRect(Box, Press.X, Press.Y) != PtInRect(Box, X, Y);
  }
  ChangeSelection(Shown, Active, FSelStartCharIndex, Stop);
  return Index >= 0;
}

TPdfControlRectArray TTextSelection::SelectionClientRects(const TShownPage& Shown) const {
  if (!FSelectionActive || !Shown.Page)
    return {};
  TPdfPage& Page = *Shown.Page;
  const int Count = Page.GetTextRectCount(SelStart(), SelLength());
  TPdfControlRectArray Result;
  Result.reserve(Count > 0 ? Count : 0);
  for (int I = 0; I < Count; ++I)
    Result.push_back(Shown.ToClient(Page.GetTextRect(I)));
  return Result;
}
