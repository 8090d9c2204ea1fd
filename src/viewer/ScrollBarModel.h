// One scroll bar of the viewer: minimum 0, maximum the content extent, page the visible extent.
// Its position is the only record of how far the content is scrolled.
#pragma once

class TScrollBarModel {
public:
  // Shows the bar for content of Maximum pixels of which Page are visible; the position is kept,
  // clamped into the new range.
  void SetRange(int Maximum, int Page);
  // Hides the bar; its range and position stay as they were.
  void Hide() { FShown = false; }
  // Writes a position, clamped to 0 .. LastPosition; returns the position now held.
  int SetPosition(int Value);

  bool Shown() const { return FShown; }
  int Maximum() const { return FMaximum; }
  int Page() const { return FPage; }
  int Position() const { return FPosition; }
  // The largest position: one pixel of background shows beyond the content's end there.
  int LastPosition() const;

  bool operator==(const TScrollBarModel&) const = default;

private:
  bool FShown = false;
  int FMaximum = 0;
  int FPage = 0;
  int FPosition = 0;
};
