// The text selection on the viewer's page: an anchor where the drag began and a moving end, both
// character indices of the page text, and the screen rectangles a change repaints. A change
// repaints only the rectangles that differ between the old and the new selection.
#pragma once

#include "engine/PdfGeometry.h"
#include "viewer/PdfControlTypes.h"

#include <functional>
#include <string>

class TPdfPage;

// The page as the control shows it: the page object (null without one) and the page rectangle in
// client pixels with the rotation it is drawn in.
struct TShownPage {
  TPdfPage* Page = nullptr;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  TPdfPageRotation Rotation = prNormal;

  TRect ToClient(const TPdfRect& R) const;
  TPdfPoint ToPage(int ClientX, int ClientY) const;
  // The character nearest to the client point, however far; the engine's code for none (below 0)
  // on a page without text.
  int NearestCharIndex(int ClientX, int ClientY) const;
};

// White space between words: U+0009 to U+000D, U+0020, U+0085, U+00A0, and the space, line and
// paragraph separators above U+00FF.
bool IsWordSpace(char16_t C);
// The characters that end a line: U+000A and U+000D.
bool IsLineBreak(char16_t C);

class TTextSelection {
public:
  // Repaint is called with each client rectangle a change uncovers or covers.
  explicit TTextSelection(std::function<void(const TRect&)> Repaint);

  bool Active() const { return FSelectionActive; }
  // The anchor and the moving end; they stay while the selection is inactive.
  int Anchor() const { return FSelStartCharIndex; }
  int Stop() const { return FSelStopCharIndex; }
  // The smaller index and the number of characters; both 0 while inactive.
  int SelStart() const;
  int SelLength() const;
  // The selected text; empty while inactive or without a page.
  std::u16string SelText(TPdfPage* Page) const;

  // Inactive, anchor and end 0, nothing repainted: a new page is painted whole anyway.
  void Reset();
  // Sets the selection; Active holds only when both indices are not negative. Repaints what
  // changed on screen.
  void ChangeSelection(const TShownPage& Shown, bool Active, int Start, int Stop);
  // Count characters from CharIndex, -1 to the end; 0 characters or no page clear the selection.
  void SelectText(const TShownPage& Shown, int CharIndex, int Count);
  // The word at CharIndex, or the next one when CharIndex is white space; false (and nothing
  // selected) when there is none.
  bool SelectWord(const TShownPage& Shown, int CharIndex);
  // The line holding CharIndex, without the line breaks around it.
  bool SelectLine(const TShownPage& Shown, int CharIndex);
  // Moves the end to the character nearest the client point (X, Y); Press is where the drag
  // began. Ending on the anchor selects it only when the pointer crossed the anchor character's
  // box edge between the press and now. False when no character was found.
  bool ExtendSelectionToPoint(const TShownPage& Shown, TPoint Press, int X, int Y);
  // The client rectangles of the selected text; empty while inactive or without a page.
  TPdfControlRectArray SelectionClientRects(const TShownPage& Shown) const;

private:
  // Clears, then selects the run of characters around CharIndex up to the separators on either
  // side; with SkipSeparators a separator at CharIndex moves on to the next run.
  bool SelectBetween(const TShownPage& Shown, int CharIndex, bool (*IsSeparator)(char16_t),
                     bool SkipSeparators);

  int FSelStartCharIndex = 0;
  int FSelStopCharIndex = 0;
  bool FSelectionActive = false;
  std::function<void(const TRect&)> FRepaint;
};
